#include "app/bildschirm.h"
#include "app/kommandozeile.h"
#include "app/stapelbetrieb.h"
#include "app/start.h"
#include "project/rohnamen.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Read before any application object: --version and --help need no display.
    // The arguments keep their bytes: a file name need not be UTF-8.
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente << ventoris::RohnameText(argv[i]);
    const TAufruf aufruf = AufrufLesen(argumente);
    if (aufruf.beenden)
        return AufrufBeenden(aufruf);
    if (aufruf.stapel != TAufruf::Stapel::Keiner)
        return StapelAusfuehren(aufruf, argc, argv);

    if (!BildschirmGenannt())
        return OhneBildschirmBeenden();
    BildschirmwaechterEinrichten();
    QApplication app(argc, argv);
    BildschirmwaechterEnde();
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tessarix.ventoris"));
    const std::unique_ptr<TForm1> hauptfenster = FensterErzeugen();
    hauptfenster->show();
    AufrufDateiOeffnen(*hauptfenster, aufruf);
    return app.exec();
}
