// Ventoris without a window, each beside its yardstick in the same run:
// - `ventoris --pdf` over 100 unit files in one call, beside 100 times the
//   drawing of one result sheet alone in this process (the program's start
//   should be paid once: goal at most 1.5 times);
// - `ventoris --uebersicht` over 10,000 files, beside `cat` of the same
//   files to /dev/null (goal at most 3 times).
// The runs alternate; the ratios are those of the medians.
// Usage: bench_kommandozeile <ventoris> [runs]
#include "bench/haus.h"
#include "reference/konzept.h"
#include "report/ergebnisblatt.h"
#include "report/ergebnispdf.h"
#include "report/logofenster.h"
#include "tests/report/testdaten.h"

#include <QApplication>
#include <QDir>
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

// Milliseconds that the command takes, or -1 when it fails.
double messen(const QString &programm, const QStringList &argumente)
{
    QElapsedTimer uhr;
    uhr.start();
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(programm, argumente);
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        return -1;
    return uhr.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: bench_kommandozeile <ventoris> [Läufe]\n");
        return 2;
    }
    const QString ventoris = QString::fromLocal8Bit(argv[1]);
    const int laeufe = argc > 2 ? std::max(1, atoi(argv[2])) : 5;

    QTemporaryDir klein, gross;
    if (!HausAnlegen(klein.path(), 100) || !HausAnlegen(gross.path(), 10000))
        return 1;
    QStringList pdfArgumente{QStringLiteral("--pdf")};
    for (const QString &name : QDir(klein.path()).entryList({QStringLiteral("*.lkz")}))
        pdfArgumente << klein.filePath(name);

    ventoris::TBlattDaten daten = testdaten::Bewertungsfall();
    daten.Logo = TForm5().Logo();
    daten.Uebersicht = TForm6().Uebersicht();
    const QString blattPfad = klein.filePath(QStringLiteral("allein.pdf"));

    std::vector<double> pdf, blaetter, uebersicht, cat;
    for (int i = 0; i < laeufe; ++i) {
        pdf.push_back(messen(ventoris, pdfArgumente));
        QElapsedTimer uhr;
        uhr.start();
        for (int n = 0; n < 100; ++n)
            if (ventoris::ErgebnisPdfSchreiben(ventoris::ErgebnisblattAufbauen(daten), blattPfad))
                return 1;
        blaetter.push_back(uhr.nsecsElapsed() / 1e6);

        uebersicht.push_back(messen(ventoris, {QStringLiteral("--uebersicht"), gross.path()}));
        cat.push_back(messen(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("cat -- \"$0\"/*.lkz"), gross.path()}));
    }
    if (*std::min_element(pdf.begin(), pdf.end()) < 0 || *std::min_element(uebersicht.begin(), uebersicht.end()) < 0) {
        std::fprintf(stderr, "ventoris schlug fehl\n");
        return 1;
    }
    std::printf("ventoris --pdf, 100 Dateien: %.0f ms; 100 Ergebnisblätter allein: %.0f ms; Verhältnis %.2f (Ziel ≤ 1,5)\n",
                median(pdf), median(blaetter), median(pdf) / median(blaetter));
    std::printf("ventoris --uebersicht, 10000 Dateien: %.0f ms; cat derselben Dateien: %.0f ms; Verhältnis %.2f (Ziel ≤ 3)\n",
                median(uebersicht), median(cat), median(uebersicht) / median(cat));
    return 0;
}
