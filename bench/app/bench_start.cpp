// Time from process start to the main window's first paint and the peak memory
// up to then, beside two yardsticks: an empty Qt window of the same size, and
// a Qt main window with a menu bar and a label, which starts the font system
// as any window with text must. The programs run alternately, in pairs.
// Usage: bench_start <start_ventoris> <start_leer> <start_text> [runs]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Lauf {
    double ms = -1;
    double mib = 0;
};

Lauf einStart(const QString &programm)
{
    QProcess p;
    QElapsedTimer uhr;
    uhr.start();
    p.start(programm, {});
    if (!p.waitForStarted(10000))
        return {};
    while (p.state() == QProcess::Running && !p.canReadLine())
        p.waitForReadyRead(10000);
    const double ms = double(uhr.nsecsElapsed()) / 1e6;
    const QByteArray zeile = p.readLine().trimmed();
    p.waitForFinished(10000);
    if (!zeile.startsWith("gezeichnet "))
        return {};
    return {ms, zeile.mid(11).toDouble() / 1024};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Reihe {
    std::vector<double> ms, mib;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "Aufruf: bench_start <start_ventoris> <start_leer> <start_text> [Läufe]\n");
        return 2;
    }
    const int laeufe = argc > 4 ? std::max(3, atoi(argv[4])) : 25;
    Reihe reihen[3];
    for (int i = 1; i <= 3; ++i)
        einStart(argv[i]); // warm the file cache
    for (int n = 0; n < laeufe; ++n) {
        for (int i = 0; i < 3; ++i) {
            const Lauf l = einStart(argv[i + 1]);
            if (l.ms < 0) {
                std::fprintf(stderr, "Ein Start meldete kein Zeichnen: %s\n", argv[i + 1]);
                return 1;
            }
            reihen[i].ms.push_back(l.ms);
            reihen[i].mib.push_back(l.mib);
        }
    }
    double ms[3], mib[3];
    for (int i = 0; i < 3; ++i) {
        ms[i] = median(reihen[i].ms);
        mib[i] = median(reihen[i].mib);
    }
    std::printf("Start bis erstes Zeichnen, Median aus %d Läufen: Ventoris %.1f ms, leeres Fenster %.1f ms, "
                "Fenster mit Text %.1f ms\n", laeufe, ms[0], ms[1], ms[2]);
    std::printf("  Verhältnis zum leeren Fenster %.2f, zum Fenster mit Text %.2f (Ziel: höchstens 1,3)\n",
                ms[0] / ms[1], ms[0] / ms[2]);
    std::printf("Speicherspitze: Ventoris %.1f MiB, leeres Fenster %.1f MiB, Fenster mit Text %.1f MiB; "
                "Verhältnis zum Fenster mit Text %.2f (Ziel: höchstens 1,3)\n",
                mib[0], mib[1], mib[2], mib[0] / mib[2]);
    return 0;
}
