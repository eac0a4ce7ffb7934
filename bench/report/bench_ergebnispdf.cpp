// Time to write the two-page result PDF of a typical planning case.
// Usage: bench_ergebnispdf [runs [file.pdf]]

#include "report/ergebnisblatt.h"
#include "report/ergebnispdf.h"
#include "reference/konzept.h"
#include "report/logofenster.h"
#include "tests/report/testdaten.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    // The benchmark shows no window; it also runs without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int laeufe = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    // A second argument keeps the written PDF under that name for a look at it.
    QTemporaryDir ordner;
    const QString pfad = argc > 2 ? QString::fromLocal8Bit(argv[2]) : ordner.filePath(QStringLiteral("ergebnis.pdf"));
    // the complete assessment case of the tests, with the program's own logo
    // and overview picture
    ventoris::TBlattDaten daten = testdaten::Bewertungsfall();
    daten.Logo = TForm5().Logo();
    daten.Uebersicht = TForm6().Uebersicht();

    std::vector<double> zeiten;
    for (int i = 0; i < laeufe; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        const auto fehler = ventoris::ErgebnisPdfSchreiben(ventoris::ErgebnisblattAufbauen(daten), pfad);
        zeiten.push_back(uhr.nsecsElapsed() / 1e6);
        if (fehler) {
            std::fprintf(stderr, "PDF konnte nicht geschrieben werden: %s\n", qPrintable(fehler->meldung()));
            return 1;
        }
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("Ergebnis-PDF: %d Läufe, Median %.1f ms (min %.1f, max %.1f), Größe %.1f KB\n", laeufe,
                zeiten[zeiten.size() / 2], zeiten.front(), zeiten.back(), QFileInfo(pfad).size() / 1024.0);
    return 0;
}
