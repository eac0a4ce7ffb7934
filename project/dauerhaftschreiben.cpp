#include "project/dauerhaftschreiben.h"

// Plain POSIX calls rather than QSaveFile: QSaveFile::commit() renames the
// temporary file over the target even when its sync to disk or the closing of
// the file failed, and it never syncs the folder.

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
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
int ordnerSynchronisieren(const QString &ordner)
{
    const int fd = ::open(QFile::encodeName(ordner).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const int fehler = synchronisieren(fd, ::fsync);
    ::close(fd);
    return fehler;
}

// A free name beside the target, made by 'anlegen' (which fails with EEXIST
// where the name is taken). Returns the name, or an empty one with errno set.
template<typename Anlegen>
QByteArray nebenName(const QByteArray &ziel, Anlegen anlegen)
{
    for (int versuch = 0; versuch < 100; ++versuch) {
        const QByteArray name = ziel + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        errno = 0;
        if (anlegen(name.constData()))
            return name;
        if (errno != EEXIST)
            break;
    }
    return {};
}

// Where the file really goes: a symbolic link is followed, so that it stays a
// link to the new file.
QFileInfo zielAufloesen(const QString &pfad)
{
    QFileInfo info(pfad);
    for (int tiefe = 0; tiefe < 40 && info.isSymLink(); ++tiefe)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? QFileInfo(pfad) : info;
}

} // namespace

std::optional<DateiFehler> DauerhaftSchreiben(const QString &pfad, const std::function<bool(QIODevice &)> &schreiben)
{
    const QFileInfo info = zielAufloesen(pfad);
    const QByteArray ziel = QFile::encodeName(info.absoluteFilePath());
    struct stat alt {};
    const bool vorhanden = ::stat(ziel.constData(), &alt) == 0;
    // A folder or a write-protected file is not replaced.
    if (vorhanden && S_ISDIR(alt.st_mode))
        return DateiFehler::ausErrno(EISDIR);
    errno = 0;
    if (vorhanden && ::access(ziel.constData(), W_OK) != 0)
        return DateiFehler::ausErrno(letzterFehler());

    // Created as any new file is (0666 less the umask); a replacement keeps
    // the permissions of the file that it replaces.
    int fd = -1;
    const QByteArray temporaer = nebenName(ziel, [&fd](const char *name) {
        fd = ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return fd >= 0;
    });
    if (fd < 0)
        return DateiFehler::ausErrno(letzterFehler());
    if (vorhanden)
        static_cast<void>(::fchmod(fd, alt.st_mode & 0777));

    int fehler = 0;
    {
        Schreibziel geraet(fd);
        bool ganz = false;
        try {
            ganz = schreiben(geraet);
        } catch (...) {
            ::close(fd);
            ::unlink(temporaer.constData());
            throw;
        }
        fehler = geraet.fehler != 0 ? geraet.fehler : (ganz ? 0 : EIO);
    }
    if (fehler == 0)
        fehler = synchronisieren(fd, ::fdatasync);
    errno = 0;
    if (::close(fd) != 0 && fehler == 0)
        fehler = letzterFehler();
    // A second name keeps the old file until the folder is synced, so that a
    // failure there can still bring it back (not on file systems without hard
    // links).
    const QByteArray sicherung = fehler == 0 && vorhanden
        ? nebenName(ziel, [&ziel](const char *name) { return ::link(ziel.constData(), name) == 0; })
        : QByteArray();
    errno = 0;
    if (fehler == 0 && ::rename(temporaer.constData(), ziel.constData()) != 0)
        fehler = letzterFehler();
    if (fehler == 0) {
        fehler = ordnerSynchronisieren(info.absolutePath());
        if (fehler != 0 && !sicherung.isEmpty())
            ::rename(sicherung.constData(), ziel.constData());
        else if (fehler != 0 && !vorhanden)
            ::unlink(ziel.constData());
    } else {
        ::unlink(temporaer.constData());
    }
    // (gone already where it was put back)
    if (!sicherung.isEmpty())
        ::unlink(sicherung.constData());
    if (fehler != 0)
        return DateiFehler::ausErrno(fehler);
    return std::nullopt;
}

std::optional<DateiFehler> DauerhaftSchreiben(const QString &pfad, const QByteArray &inhalt)
{
    return DauerhaftSchreiben(pfad, [&inhalt](QIODevice &datei) { return datei.write(inhalt) == inhalt.size(); });
}

} // namespace ventoris
