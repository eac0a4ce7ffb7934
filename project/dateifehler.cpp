#include "project/dateifehler.h"

#include <cerrno>

namespace ventoris {

DateiFehler DateiFehler::ausErrno(int errnoWert)
{
    switch (errnoWert) {
    case ENOENT:
        return ausCode(FehlerDateiNichtGefunden);
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
        return ausCode(FehlerUngueltigerDateiname);
    case EMFILE:
    case ENFILE:
        return ausCode(FehlerZuVieleDateien);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return ausCode(FehlerZugriffVerweigert);
    case ENOSPC:
#if defined(EDQUOT)
    case EDQUOT:
#endif
        return ausCode(FehlerSpeicherplatz);
    default:
        return {errnoWert, false};
    }
}

QString DateiFehler::text() const
{
    if (ausTabelle) {
        switch (code) {
        case FehlerDateiNichtGefunden:
            return QStringLiteral("Datei nicht gefunden");
        case FehlerUngueltigerDateiname:
            return QStringLiteral("Ungültiger Dateiname");
        case FehlerZuVieleDateien:
            return QStringLiteral("Zu viele geöffnete Dateien");
        case FehlerZugriffVerweigert:
            return QStringLiteral("Dateizugriff verweigert");
        case FehlerDateiende:
            return QStringLiteral("Versuch hinter dem Dateiende zu lesen");
        case FehlerSpeicherplatz:
            return QStringLiteral("Zu wenig Speicherplatz");
        case FehlerNumerischeEingabe:
            return QStringLiteral("Ungültige numerische Eingabe");
        case FehlerKeinLeser:
            return QStringLiteral("Niemand liest aus der benannten Pipe");
        case FehlerSocket:
            return QStringLiteral("Ein Socket ist keine Datei; nichts geschrieben");
        default:
            break;
        }
    }
    return QStringLiteral("E/A-Fehler %1").arg(code);
}

QString DateiFehler::meldung() const
{
    return text() + QLatin1Char('.');
}

} // namespace ventoris
