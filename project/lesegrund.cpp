#include "project/lesegrund.h"

#include <cerrno>
#include <sys/stat.h>

namespace ventoris {

QString LeseGrund(const SatzLeseErgebnis &gelesen, const QByteArray &lokalerPfad)
{
    if (gelesen.fehler == DateiFehler::ausCode(FehlerDateiende))
        return QStringLiteral("zu kurz (%1 Bytes)").arg(gelesen.groesse);
    struct stat info {};
    if (::stat(lokalerPfad.constData(), &info) != 0) {
        const int fehler = errno;
        struct stat verweis {};
        if (fehler == ENOENT && ::lstat(lokalerPfad.constData(), &verweis) == 0 && S_ISLNK(verweis.st_mode))
            return QStringLiteral("Verknüpfung ohne Ziel");
        if (fehler == ENOENT)
            return QStringLiteral("Datei nicht gefunden");
    } else if (S_ISDIR(info.st_mode)) {
        return QStringLiteral("ein Ordner, keine Projektdatei");
    } else if (!S_ISREG(info.st_mode)) {
        return QStringLiteral("keine gewöhnliche Datei");
    }
    if (gelesen.fehler == DateiFehler::ausCode(FehlerZugriffVerweigert))
        return QStringLiteral("keine Leseberechtigung");
    return gelesen.fehler.text();
}

} // namespace ventoris
