#include "app/bildschirm.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QtMessageHandler vorheriger = nullptr;
bool beimStart = true;

bool gesetzt(const char *name)
{
    const char *wert = std::getenv(name);
    return wert && *wert;
}

void waechter(QtMsgType art, const QMessageLogContext &ort, const QString &text)
{
    if (beimStart && art == QtFatalMsg)
        std::_Exit(OhneBildschirmBeenden());
    // the platform's own words and the note on a missing runtime folder
    const bool plattform = ort.category && std::strncmp(ort.category, "qt.qpa", 6) == 0;
    if (beimStart && (plattform || text.contains(QLatin1String("XDG_RUNTIME_DIR"))))
        return;
    if (vorheriger)
        vorheriger(art, ort, text);
}

} // namespace

bool BildschirmGenannt()
{
    return gesetzt("DISPLAY") || gesetzt("WAYLAND_DISPLAY") || gesetzt("QT_QPA_PLATFORM");
}

int OhneBildschirmBeenden()
{
    std::fputs("ventoris: Kein Bildschirm gefunden – das Fenster braucht eine grafische Oberfläche; "
               "ohne Fenster: ventoris --pdf … oder --uebersicht …\n",
               stderr);
    std::fflush(stderr);
    return 1;
}

void BildschirmwaechterEinrichten()
{
    // Qt returns its own handler when none was installed
    vorheriger = qInstallMessageHandler(waechter);
}

void BildschirmwaechterEnde()
{
    beimStart = false;
}
