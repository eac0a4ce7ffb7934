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

// Up to the main window's first paint event (the old end of the measurement)
// and up to its whole first frame.
struct Lauf {
    double ms = -1, mib = 0;
    double msFertig = -1, mibFertig = 0;
};

// Waits for the next line "<wort> <KiB>"; returns the time and the MiB.
bool zeileLesen(QProcess &p, const QElapsedTimer &uhr, const char *wort, double &ms, double &mib)
{
    while (p.state() == QProcess::Running && !p.canReadLine())
        p.waitForReadyRead(10000);
    ms = double(uhr.nsecsElapsed()) / 1e6;
    const QByteArray zeile = p.readLine().trimmed();
    const QByteArray anfang = QByteArray(wort) + ' ';
    if (!zeile.startsWith(anfang))
        return false;
    mib = zeile.mid(anfang.size()).toDouble() / 1024;
    return true;
}

Lauf einStart(const QString &programm)
{
    QProcess p;
    QElapsedTimer uhr;
    uhr.start();
    p.start(programm, {});
    if (!p.waitForStarted(10000))
        return {};
    Lauf l;
    if (!zeileLesen(p, uhr, "gezeichnet", l.ms, l.mib) || !zeileLesen(p, uhr, "fertig", l.msFertig, l.mibFertig))
        return {};
    p.waitForFinished(10000);
    return l;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Reihe {
    std::vector<double> ms, mib, msFertig, mibFertig;
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
            reihen[i].msFertig.push_back(l.msFertig);
            reihen[i].mibFertig.push_back(l.mibFertig);
        }
    }
    auto bericht = [&](const char *bis, std::vector<double> Reihe::*zeiten, std::vector<double> Reihe::*speicher) {
        double ms[3], mib[3];
        for (int i = 0; i < 3; ++i) {
            ms[i] = median(reihen[i].*zeiten);
            mib[i] = median(reihen[i].*speicher);
        }
        std::printf("Start bis %s, Median aus %d Läufen: Ventoris %.1f ms, leeres Fenster %.1f ms, "
                    "Fenster mit Text %.1f ms\n", bis, laeufe, ms[0], ms[1], ms[2]);
        std::printf("  Verhältnis zum leeren Fenster %.2f, zum Fenster mit Text %.2f (Ziel: höchstens 1,3)\n",
                    ms[0] / ms[1], ms[0] / ms[2]);
        std::printf("  Speicherspitze: Ventoris %.1f MiB, leeres Fenster %.1f MiB, Fenster mit Text %.1f MiB; "
                    "Verhältnis zum Fenster mit Text %.2f (Ziel: höchstens 1,3)\n",
                    mib[0], mib[1], mib[2], mib[0] / mib[2]);
    };
    // the old end, the main window's first paint event, beside the whole first frame
    bericht("zum ersten Paint-Ereignis", &Reihe::ms, &Reihe::mib);
    bericht("zum fertig gezeichneten ersten Bild", &Reihe::msFertig, &Reihe::mibFertig);
    return 0;
}
