// Median time from process start to the main window's first paint, beside a
// minimal Qt Widgets program that opens an empty window of the same size.
// Usage: bench_start <start_ventoris> <start_leer> [runs]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double einStart(const QString &programm)
{
    QProcess p;
    QElapsedTimer uhr;
    uhr.start();
    p.start(programm, {});
    if (!p.waitForStarted(10000))
        return -1;
    while (p.state() == QProcess::Running && !p.canReadLine())
        p.waitForReadyRead(10000);
    const double ms = double(uhr.nsecsElapsed()) / 1e6;
    p.waitForFinished(10000);
    return p.readAll().contains("gezeichnet") ? ms : -1;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: bench_start <start_ventoris> <start_leer> [Läufe]\n");
        return 2;
    }
    const int laeufe = argc > 3 ? std::max(3, atoi(argv[3])) : 21;
    std::vector<double> programm, leer;
    einStart(argv[1]); // warm the file cache
    einStart(argv[2]);
    for (int i = 0; i < laeufe; ++i) {
        programm.push_back(einStart(argv[1]));
        leer.push_back(einStart(argv[2]));
    }
    if (*std::min_element(programm.begin(), programm.end()) < 0 ||
        *std::min_element(leer.begin(), leer.end()) < 0) {
        std::fprintf(stderr, "Ein Start meldete kein Zeichnen.\n");
        return 1;
    }
    const double p = median(programm), l = median(leer);
    std::printf("Start bis erstes Zeichnen: Ventoris %.1f ms, leeres Fenster %.1f ms, Verhältnis %.2f "
                "(Ziel: höchstens 1,3; Median aus %d Läufen)\n",
                p, l, p / l, laeufe);
    return 0;
}
