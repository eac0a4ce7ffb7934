// Reading and computing a building of many units, beside the yardstick of
// reading the same files' bytes alone (`cat` of all of them to /dev/null),
// run alternately in one run; reported as the ratio of the medians.
// Usage: bench_gebaeude [files [runs]]

#include "building/gebaeude.h"
#include "project/projektsatz.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int anzahl = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    const int laeufe = argc > 2 ? std::max(1, atoi(argv[2])) : 7;

    // complete cases of existing buildings, floor areas from 40 to 139 m²;
    // every third file in an older layout
    QTemporaryDir ordner;
    ventoris::TProjektSatz projekt;
    const QStringList felder = {"Haus Birke", "Birkenweg 1", "12345 Ort", "01.01.26", "Bearbeiter", "Firma",
                                "Adresse", "EFH als mehrgeschossige Nutzungseinheit", "windschwach", "100", "",
                                "nein", "1980", "nein", "1", "1", "0", "nein", "4,5", "0,667",
                                "mittlerer Gebäudebestand", "niedrig", "50,0", "87,5", "125,0", "162,5", "121,2",
                                "Ergebnis", "Kommentar", "Kommentar"};
    for (int nr = 1; nr <= felder.size(); ++nr)
        projekt.SetzeText(nr, felder[nr - 1]);
    const int laengen[] = {1160, 1130, 1109};
    for (int i = 0; i < anzahl; ++i) {
        projekt.SetzeText(10, QString::number(40 + i % 100));
        const QByteArray satz = projekt.Bytes().left(laengen[i % 3]);
        QFile datei(ordner.filePath(QStringLiteral("Wohnung_%1.lkz").arg(i)));
        if (!datei.open(QIODevice::WriteOnly) || datei.write(satz) != satz.size())
            return 1;
    }

    std::vector<double> cat, lesen;
    for (int i = 0; i < laeufe; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        // the shell expands the names and cat reads every byte
        QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("cat -- \"$0\"/*.lkz > /dev/null"), ordner.path()});
        cat.push_back(uhr.nsecsElapsed() / 1e6);

        uhr.restart();
        const ventoris::TGebaeude g = ventoris::GebaeudeLesen(ordner.path());
        lesen.push_back(uhr.nsecsElapsed() / 1e6);
        if (g.einheiten.size() != anzahl)
            return 1;
    }
    std::printf("Gebäudeübersicht, %d Dateien: lesen und rechnen %.1f ms, cat %.1f ms, Verhältnis %.2f (Ziel ≤ 3)\n",
                anzahl, median(lesen), median(cat), median(lesen) / median(cat));
    return 0;
}
