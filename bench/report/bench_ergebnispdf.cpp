// Time to write the two-page result PDF of a typical planning case.
// Usage: bench_ergebnispdf [runs [file.pdf]]

#include "report/ergebnisblatt.h"
#include "report/ergebnispdf.h"

#include <QGuiApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QImage Verlauf(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB888);
    QPainter p(&bild);
    QLinearGradient g(0, 0, breite, hoehe);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(30, 90, 160));
    p.fillRect(bild.rect(), g);
    return bild;
}

ventoris::TBlattDaten TypischerFall()
{
    ventoris::TBlattDaten d;
    d.Edit2 = QStringLiteral("Wohnanlage Lindenhof, Haus 3");
    d.Edit1 = QStringLiteral("Lindenstraße 12");
    d.Edit4 = QStringLiteral("12345 Musterstadt");
    d.Edit7 = QStringLiteral("Jürgen Müller");
    d.Edit3 = QStringLiteral("Müller Haustechnik GmbH");
    d.Edit9 = QStringLiteral("Gewerbering 4, 12345 Musterstadt");
    d.ComboBox1 = QStringLiteral("MFH als eingeschossige Nutzungseinheit");
    d.ComboBox2 = QStringLiteral("windschwach");
    d.Edit6 = QStringLiteral("100");
    d.ComboBox5 = QStringLiteral("nein");
    d.Edit8 = QStringLiteral("4,5");
    d.Edit10 = QStringLiteral("0,667");
    d.ComboBox6 = QStringLiteral("mittlerer Gebäudebestand");
    d.ComboBox7 = QStringLiteral("nein");
    d.Edit11 = QStringLiteral("1980");
    d.ComboBox8 = QStringLiteral("nein");
    d.RadioGroup1 = 1;
    d.RadioGroup2 = 1;
    d.Anforderung[0] = true;
    d.Label26 = QStringLiteral("niedrig");
    d.Label27 = QStringLiteral("50,0");
    d.Label28 = QStringLiteral("65,8");
    d.Label38 = QStringLiteral("72,0");
    d.Label39 = QStringLiteral("103,0");
    d.Label74 = QStringLiteral("134,0");
    d.Label31 = QStringLiteral("Lüftungstechnische Maßnahmen sind nicht erforderlich.");
    d.Label30 = QStringLiteral("Version 1.0.0.11");
    d.Druckdatum = QDate(2024, 3, 5);
    d.Logo = Verlauf(600, 150);
    d.Uebersicht = Verlauf(947, 670);
    return d;
}

} // namespace

int main(int argc, char **argv)
{
    // The benchmark draws no window; it also runs without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int laeufe = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    // A second argument keeps the written PDF under that name for a look at it.
    QTemporaryDir ordner;
    const QString pfad = argc > 2 ? QString::fromLocal8Bit(argv[2]) : ordner.filePath(QStringLiteral("ergebnis.pdf"));
    const ventoris::TBlattDaten daten = TypischerFall();

    std::vector<double> zeiten;
    for (int i = 0; i < laeufe; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        const int fehler = ventoris::ErgebnisPdfSchreiben(ventoris::ErgebnisblattAufbauen(daten), pfad);
        zeiten.push_back(uhr.nsecsElapsed() / 1e6);
        if (fehler != 0) {
            std::fprintf(stderr, "PDF konnte nicht geschrieben werden (errno %d)\n", fehler);
            return 1;
        }
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("Ergebnis-PDF: %d Läufe, Median %.1f ms (min %.1f, max %.1f), Größe %.1f KB\n", laeufe,
                zeiten[zeiten.size() / 2], zeiten.front(), zeiten.back(), QFileInfo(pfad).size() / 1024.0);
    return 0;
}
