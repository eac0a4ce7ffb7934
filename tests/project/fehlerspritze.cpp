#include "fehlerspritze.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstdarg>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

char g_aufruf[16];
char g_ordner[PATH_MAX];
std::atomic<int> g_fehlerwert{0};
std::atomic<int> g_getroffen{0};
std::atomic<bool> g_ohneTmpfile{false};

// The C library's own function of that name.
template<typename F>
F echt(F, const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

bool imOrdner(const char *pfad)
{
    const size_t n = std::strlen(g_ordner);
    return std::strncmp(pfad, g_ordner, n) == 0 && (pfad[n] == '\0' || pfad[n] == '/');
}

bool trifft(const char *aufruf, const char *pfad)
{
    return g_fehlerwert.load(std::memory_order_acquire) != 0 && std::strcmp(aufruf, g_aufruf) == 0 && imOrdner(pfad);
}

bool trifft(const char *aufruf, int fd)
{
    if (g_fehlerwert.load(std::memory_order_acquire) == 0 || std::strcmp(aufruf, g_aufruf) != 0)
        return false;
    char verweis[64];
    char pfad[PATH_MAX];
    std::snprintf(verweis, sizeof verweis, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(verweis, pfad, sizeof pfad - 1);
    if (n < 0)
        return false;
    pfad[n] = '\0';
    return imOrdner(pfad);
}

int scheitern()
{
    ++g_getroffen;
    errno = g_fehlerwert.load();
    return -1;
}

} // namespace

extern "C" {

void FehlerEinschalten(const char *aufruf, int fehlerwert, const char *ordner)
{
    g_fehlerwert.store(0);
    std::snprintf(g_aufruf, sizeof g_aufruf, "%s", aufruf);
    std::snprintf(g_ordner, sizeof g_ordner, "%s", ordner);
    g_getroffen.store(0);
    g_fehlerwert.store(fehlerwert, std::memory_order_release);
}

void FehlerAusschalten()
{
    g_fehlerwert.store(0);
}

int FehlerGetroffen()
{
    return g_getroffen.load();
}

void UnbenannteAblehnen(int ablehnen)
{
    g_ohneTmpfile.store(ablehnen != 0);
}

// A program started with the library preloaded and VENTORIS_FEHLER set to
// "aufruf:fehlerwert:ordner" starts with that fault on.
__attribute__((constructor)) static void ausDerUmgebung()
{
    const char *wert = std::getenv("VENTORIS_FEHLER");
    char aufruf[16];
    int fehlerwert = 0;
    int ende = 0;
    if (wert && std::sscanf(wert, "%15[^:]:%d:%n", aufruf, &fehlerwert, &ende) == 2 && ende > 0)
        FehlerEinschalten(aufruf, fehlerwert, wert + ende);
    UnbenannteAblehnen(std::getenv("VENTORIS_OHNE_O_TMPFILE") != nullptr);
}

ssize_t write(int fd, const void *daten, size_t laenge)
{
    static const auto weiter = echt(&write, "write");
    return trifft("write", fd) ? scheitern() : weiter(fd, daten, laenge);
}

int fdatasync(int fd)
{
    static const auto weiter = echt(&fdatasync, "fdatasync");
    return trifft("fdatasync", fd) ? scheitern() : weiter(fd);
}

int fsync(int fd)
{
    static const auto weiter = echt(&fsync, "fsync");
    return trifft("fsync", fd) ? scheitern() : weiter(fd);
}

int close(int fd)
{
    static const auto weiter = echt(&close, "close");
    const bool fehler = trifft("close", fd);
    const int ergebnis = weiter(fd);
    return fehler ? scheitern() : ergebnis;
}

int rename(const char *alt, const char *neu) noexcept
{
    static const auto weiter = echt(&rename, "rename");
    return trifft("rename", alt) ? scheitern() : weiter(alt, neu);
}

int linkat(int alterOrdner, const char *alt, int neuerOrdner, const char *neu, int flags) noexcept
{
    static const auto weiter = echt(&linkat, "linkat");
    return trifft("linkat", neu) ? scheitern() : weiter(alterOrdner, alt, neuerOrdner, neu, flags);
}

// An unnamed file refused, as a file system without O_TMPFILE refuses it;
// every other call handed on with its mode.
int open(const char *pfad, int flags, ...)
{
    static const auto weiter = echt(&open, "open");
    const bool unbenannt = (flags & O_TMPFILE) == O_TMPFILE;
    va_list rest;
    va_start(rest, flags);
    const mode_t modus = (flags & O_CREAT) || unbenannt ? mode_t(va_arg(rest, int)) : 0;
    va_end(rest);
    if (unbenannt && g_ohneTmpfile.load()) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return weiter(pfad, flags, modus);
}

} // extern "C"
