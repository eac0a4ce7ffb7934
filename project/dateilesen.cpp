#include "project/dateilesen.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ventoris {

TDateiAnfang DateiAnfangLesen(const QByteArray &lokalerPfad, qint64 hoechstens)
{
    // errno of the call that just failed, or EIO where it named none
    const auto letzterFehler = [] { return errno != 0 ? errno : EIO; };
    TDateiAnfang a;
    errno = 0;
    const int fd = ::open(lokalerPfad.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        a.fehler = letzterFehler();
        return a;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && !S_ISREG(info.st_mode)) {
        ::close(fd);
        a.fehler = EISDIR;
        return a;
    }
    a.offen = true;
    a.groesse = info.st_size;
    char puffer[65536];
    while (a.inhalt.size() < hoechstens) {
        errno = 0;
        const ssize_t n = ::read(fd, puffer, size_t(std::min<qint64>(sizeof puffer, hoechstens - a.inhalt.size())));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            a.fehler = letzterFehler();
        if (n <= 0)
            break;
        a.inhalt.append(puffer, n);
    }
    ::close(fd);
    return a;
}

} // namespace ventoris
