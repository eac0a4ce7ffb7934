#include "project/dauerhaftschreiben.h"

// Plain POSIX calls rather than QSaveFile: QSaveFile::commit() renames the
// temporary file over the target even when its sync to disk or the closing of
// the file failed, and it never syncs the folder.

#include "project/rohnamen.h"

#include <QFile>
#include <QIODevice>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <mutex>
#include <vector>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ventoris {

namespace {

// errno of the call that just failed, or EIO where it named none.
int letzterFehler()
{
    return errno != 0 ? errno : EIO;
}

// The temporary file as the writer sees it: every write goes straight to the
// descriptor, and the errno of the first failed one is kept for the report.
class Schreibziel : public QIODevice
{
public:
    explicit Schreibziel(int fd)
        : m_fd(fd)
    {
        QIODevice::open(WriteOnly | Unbuffered);
    }
    bool isSequential() const override { return true; }
    int fehler = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *daten, qint64 laenge) override
    {
        for (qint64 rest = laenge; rest > 0 && fehler == 0;) {
            errno = 0;
            const ssize_t n = ::write(m_fd, daten, static_cast<size_t>(rest));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                fehler = letzterFehler();
            } else {
                daten += n;
                rest -= n;
            }
        }
        return fehler == 0 ? laenge : -1;
    }

private:
    int m_fd;
};

// Runs 'schreiben' on the descriptor; the errno of the failed write, EIO when
// 'schreiben' gave up by itself, 0 when everything went out. The descriptor
// is closed before an exception passes on.
int alleSchreiben(int fd, const std::function<bool(QIODevice &)> &schreiben)
{
    Schreibziel geraet(fd);
    bool ganz = false;
    try {
        ganz = schreiben(geraet);
    } catch (...) {
        ::close(fd);
        throw;
    }
    return geraet.fehler != 0 ? geraet.fehler : (ganz ? 0 : EIO);
}

// fdatasync() or fsync(), again when interrupted. A file system that cannot
// sync this kind of file (EINVAL) has nothing to sync.
int synchronisieren(int fd, int (*aufruf)(int))
{
    int ergebnis;
    do {
        errno = 0;
        ergebnis = aufruf(fd);
    } while (ergebnis != 0 && errno == EINTR);
    return ergebnis == 0 || errno == EINVAL ? 0 : letzterFehler();
}

// Makes the renaming durable. A folder that may be written but not read
// cannot be opened for that; the renaming then stands as it is.
int ordnerSynchronisieren(const QByteArray &ordner)
{
    const int fd = ::open(ordner.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const int fehler = synchronisieren(fd, ::fsync);
    ::close(fd);
    return fehler;
}

// The names that exist only while a file is written (a named temporary file,
// the second name of the file being replaced), for an end on a signal to take
// away. Making or removing such a name and listing it are one step under the
// lock; the list is never freed, so it outlives every other static object.
std::mutex g_sperre;
std::vector<QByteArray> &angefangen()
{
    static auto *namen = new std::vector<QByteArray>;
    return *namen;
}

void vergessen(const QByteArray &name)
{
    auto &namen = angefangen();
    namen.erase(std::remove(namen.begin(), namen.end(), name), namen.end());
}

// A free name beside the target, made by 'anlegen' (which fails with EEXIST
// where the name is taken) and listed. Returns the name, or an empty one with
// errno set.
template<typename Anlegen>
QByteArray nebenName(const QByteArray &ziel, Anlegen anlegen)
{
    for (int versuch = 0; versuch < 100; ++versuch) {
        const QByteArray name = ziel + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const std::lock_guard<std::mutex> sperre(g_sperre);
        errno = 0;
        if (anlegen(name.constData())) {
            angefangen().push_back(name);
            return name;
        }
        if (errno != EEXIST)
            break;
    }
    return {};
}

// Takes a listed name away: renamed onto 'neu' when given, else unlinked.
// Returns the errno of a failed renaming (the name then stays listed).
int wegnehmen(const QByteArray &name, const QByteArray &neu = {})
{
    const std::lock_guard<std::mutex> sperre(g_sperre);
    errno = 0;
    const int ergebnis = neu.isEmpty() ? ::unlink(name.constData()) : ::rename(name.constData(), neu.constData());
    const int fehler = ergebnis == 0 ? 0 : letzterFehler();
    if (fehler == 0 || neu.isEmpty())
        vergessen(name);
    return fehler;
}

// Where a new file really goes: a symbolic link is followed, so that it stays
// a link to the new file.
QByteArray zielAufloesen(const QByteArray &pfad)
{
    QByteArray ziel = AbsoluterPfad(pfad);
    for (int tiefe = 0; tiefe < 40; ++tiefe) {
        char verweis[PATH_MAX];
        const ssize_t n = ::readlink(ziel.constData(), verweis, sizeof verweis);
        if (n < 0 || size_t(n) == sizeof verweis)
            return ziel;
        const QByteArray weiter(verweis, int(n));
        ziel = AbsoluterPfad(weiter.startsWith('/') ? weiter : OrdnerVon(ziel) + '/' + weiter);
    }
    // a loop of links: the name as given
    return AbsoluterPfad(pfad);
}

// A reader that goes away must not end the program: SIGPIPE is held back in
// this thread while it writes into a pipe, and one that the writing raised is
// taken before it is let through again; the write reports EPIPE instead.
class OhneSigpipe
{
public:
    OhneSigpipe()
    {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t wartend;
        m_schonDa = sigpending(&wartend) == 0 && sigismember(&wartend, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_vorher);
    }
    ~OhneSigpipe()
    {
        sigset_t wartend;
        if (!m_schonDa && sigpending(&wartend) == 0 && sigismember(&wartend, SIGPIPE) == 1) {
            const timespec sofort{0, 0};
            while (sigtimedwait(&m_pipe, nullptr, &sofort) < 0 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &m_vorher, nullptr);
    }

private:
    sigset_t m_pipe, m_vorher;
    bool m_schonDa;
};

// A device or a named pipe: written into as it is, never replaced. A pipe is
// opened without waiting, so that one with no reader is refused at once.
std::optional<DateiFehler> hineinSchreiben(const QByteArray &ziel, mode_t art,
                                           const std::function<bool(QIODevice &)> &schreiben)
{
    if (S_ISSOCK(art))
        return DateiFehler::ausCode(FehlerSocket);
    const OhneSigpipe ohneSigpipe;
    errno = 0;
    const int fd = ::open(ziel.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0 && errno == ENXIO && S_ISFIFO(art))
        return DateiFehler::ausCode(FehlerKeinLeser);
    if (fd < 0)
        return DateiFehler::ausErrno(letzterFehler());
    // from here on a write waits for the reader, as into any pipe
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    int fehler = alleSchreiben(fd, schreiben);
    if (fehler == 0)
        fehler = synchronisieren(fd, ::fdatasync);
    errno = 0;
    if (::close(fd) != 0 && fehler == 0)
        fehler = letzterFehler();
    if (fehler == EPIPE)
        return DateiFehler::ausCode(FehlerKeinLeser);
    if (fehler != 0)
        return DateiFehler::ausErrno(fehler);
    return std::nullopt;
}

QByteArray deskriptorPfad(int fd)
{
    return "/proc/self/fd/" + QByteArray::number(fd);
}

// The new file while it is written: unnamed (O_TMPFILE) where the file system
// has them and /proc can give it a name later, else named beside the target.
struct Rohling {
    int fd = -1;
    QByteArray name; // empty while unnamed
};

Rohling rohlingAnlegen(const QByteArray &ziel)
{
    // Created as any new file is (0666 less the umask).
    Rohling r;
    r.fd = ::open(OrdnerVon(ziel).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    struct stat verweis {};
    if (r.fd >= 0 && ::lstat(deskriptorPfad(r.fd).constData(), &verweis) == 0)
        return r;
    if (r.fd >= 0)
        ::close(r.fd);
    r.fd = -1;
    r.name = nebenName(ziel, [&r](const char *name) {
        r.fd = ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return r.fd >= 0;
    });
    return r;
}

// Gives the unnamed file behind 'fd' a name: the target's own where it has
// none yet ('amZiel'), else a free one beside it for rename to put in place.
int benennen(int fd, Rohling &r, const QByteArray &ziel, bool vorhanden, bool &amZiel)
{
    const QByteArray quelle = deskriptorPfad(fd);
    const auto verbinden = [&quelle](const char *name) {
        return ::linkat(AT_FDCWD, quelle.constData(), AT_FDCWD, name, AT_SYMLINK_FOLLOW) == 0;
    };
    errno = 0;
    if (!vorhanden && verbinden(ziel.constData())) {
        amZiel = true;
        return 0;
    }
    if (!vorhanden && errno != EEXIST)
        return letzterFehler();
    r.name = nebenName(ziel, verbinden);
    return r.name.isEmpty() ? letzterFehler() : 0;
}

} // namespace

std::optional<DateiFehler> DauerhaftSchreiben(const QByteArray &lokalerPfad,
                                              const std::function<bool(QIODevice &)> &schreiben)
{
    // A folder or a write-protected file is not replaced, a device or a pipe
    // is written into. The kernel follows the links for that (also those of
    // /proc, such as /dev/stdout onto a pipe).
    struct stat alt {};
    const bool vorhanden = ::stat(lokalerPfad.constData(), &alt) == 0;
    if (vorhanden && S_ISDIR(alt.st_mode))
        return DateiFehler::ausErrno(EISDIR);
    if (vorhanden && !S_ISREG(alt.st_mode))
        return hineinSchreiben(lokalerPfad, alt.st_mode, schreiben);
    const QByteArray ziel = zielAufloesen(lokalerPfad);
    errno = 0;
    if (vorhanden && ::access(ziel.constData(), W_OK) != 0)
        return DateiFehler::ausErrno(letzterFehler());

    Rohling r = rohlingAnlegen(ziel);
    if (r.fd < 0)
        return DateiFehler::ausErrno(letzterFehler());
    // a replacement keeps the permissions of the file that it replaces
    if (vorhanden)
        static_cast<void>(::fchmod(r.fd, alt.st_mode & 0777));
    int fehler = 0;
    try {
        fehler = alleSchreiben(r.fd, schreiben);
    } catch (...) {
        if (!r.name.isEmpty())
            wegnehmen(r.name);
        throw;
    }
    if (fehler == 0)
        fehler = synchronisieren(r.fd, ::fdatasync);
    // An unnamed file gets its name through a second descriptor, so that the
    // closing is checked before the file appears anywhere.
    errno = 0;
    const int verbindung = r.name.isEmpty() ? ::fcntl(r.fd, F_DUPFD_CLOEXEC, 0) : -1;
    if (r.name.isEmpty() && verbindung < 0 && fehler == 0)
        fehler = letzterFehler();
    errno = 0;
    if (::close(r.fd) != 0 && fehler == 0)
        fehler = letzterFehler();
    bool amZiel = false;
    if (verbindung >= 0) {
        if (fehler == 0)
            fehler = benennen(verbindung, r, ziel, vorhanden, amZiel);
        ::close(verbindung);
    }
    // A second name keeps the old file until the folder is synced, so that a
    // failure there can still bring it back (not on file systems without hard
    // links).
    const QByteArray sicherung = fehler == 0 && vorhanden && !amZiel
        ? nebenName(ziel, [&ziel](const char *name) { return ::link(ziel.constData(), name) == 0; })
        : QByteArray();
    if (fehler == 0 && !amZiel)
        fehler = wegnehmen(r.name, ziel);
    if (fehler == 0) {
        fehler = ordnerSynchronisieren(OrdnerVon(ziel));
        if (fehler != 0 && !sicherung.isEmpty())
            wegnehmen(sicherung, ziel);
        else if (fehler != 0 && !vorhanden)
            ::unlink(ziel.constData());
    } else if (!r.name.isEmpty()) {
        wegnehmen(r.name);
    }
    // (gone already where it was put back)
    if (!sicherung.isEmpty())
        wegnehmen(sicherung);
    if (fehler != 0)
        return DateiFehler::ausErrno(fehler);
    return std::nullopt;
}

std::optional<DateiFehler> DauerhaftSchreiben(const QString &pfad, const std::function<bool(QIODevice &)> &schreiben)
{
    return DauerhaftSchreiben(QFile::encodeName(pfad), schreiben);
}

std::optional<DateiFehler> DauerhaftSchreiben(const QByteArray &lokalerPfad, const QByteArray &inhalt)
{
    return DauerhaftSchreiben(lokalerPfad,
                              [&inhalt](QIODevice &datei) { return datei.write(inhalt) == inhalt.size(); });
}

std::optional<DateiFehler> DauerhaftSchreiben(const QString &pfad, const QByteArray &inhalt)
{
    return DauerhaftSchreiben(QFile::encodeName(pfad), inhalt);
}

void SchreibenAbbrechenUndBeenden(int status)
{
    // never unlocked: no name is made or removed any more before the end
    g_sperre.lock();
    for (const QByteArray &name : angefangen())
        ::unlink(name.constData());
    ::_exit(status);
}

} // namespace ventoris
