#include "project/projektdatei.h"

#include "project/dauerhaftschreiben.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ventoris {

namespace {

// Newest layout first: the longest record that the bytes fill wins.
constexpr SatzLayout erkennungsFolge[] = {SatzLayout::TProjektSatz, SatzLayout::TProjektSatz1130,
                                          SatzLayout::TProjektSatz1109};

// Closes the descriptor on every way out of SatzLesen.
struct Deskriptor {
    int fd;
    ~Deskriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// errno of a failed call, or EIO where the call failed without setting one.
int letzterFehler()
{
    return errno != 0 ? errno : EIO;
}

} // namespace

std::optional<TGelesenerSatz> SatzErkennen(const QByteArray &inhalt)
{
    for (SatzLayout layout : erkennungsFolge) {
        const int laenge = SatzLaenge(layout);
        if (inhalt.size() >= laenge)
            return TGelesenerSatz{layout, inhalt.left(laenge)};
    }
    return std::nullopt;
}

SatzLeseErgebnis SatzLesen(const QString &pfad)
{
    return SatzLesen(QFile::encodeName(pfad));
}

SatzLeseErgebnis SatzLesen(const QByteArray &lokalerPfad)
{
    // Read access is all that opening needs, so a read-only file opens too.
    // One open and one read of up to 1160 bytes give the same layout as
    // reopening the file for 1160, 1130 and 1109 bytes in turn. O_NONBLOCK
    // keeps a pipe named like a project file from waiting for a writer; on a
    // regular file it changes nothing.
    errno = 0;
    const Deskriptor datei{::open(lokalerPfad.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (datei.fd < 0)
        return {std::nullopt, DateiFehler::ausErrno(letzterFehler())};

    struct stat info {};
    if (::fstat(datei.fd, &info) == 0 && !S_ISREG(info.st_mode))
        return {std::nullopt, DateiFehler::ausErrno(EISDIR)};
    const qint64 groesse = info.st_size;

    const int gesucht = SatzLaenge(SatzLayout::TProjektSatz);
    QByteArray inhalt(gesucht, '\0');
    int gelesen = 0;
    int lesefehler = 0;
    while (gelesen < gesucht) {
        errno = 0;
        const ssize_t n = ::read(datei.fd, inhalt.data() + gelesen, static_cast<size_t>(gesucht - gelesen));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            lesefehler = letzterFehler();
            break;
        }
        if (n == 0)
            break;
        gelesen += static_cast<int>(n);
    }
    inhalt.truncate(gelesen);

    if (std::optional<TGelesenerSatz> satz = SatzErkennen(inhalt))
        return {std::move(satz), {}, groesse};
    if (lesefehler != 0)
        return {std::nullopt, DateiFehler::ausErrno(lesefehler), groesse};
    return {std::nullopt, DateiFehler::ausCode(FehlerDateiende), groesse};
}

std::optional<DateiFehler> SatzSchreiben(const QString &pfad, const QByteArray &satz)
{
    return DauerhaftSchreiben(pfad, satz);
}

} // namespace ventoris
