// The building overview with many units, each figure beside a yardstick
// measured in the same run:
// - reading and computing every file, beside `cat` of the same files to
//   /dev/null (run alternately; ratio of the medians);
// - peak memory of the program with the overview window on that folder,
//   beside the same program without it (each in a process of its own);
// - the longest the window's event loop waits while the folder is read and
//   shown, and while a filter text is typed.
// Usage: bench_gebaeude [files [runs]]

#include "app/start.h"
#include "building/gebaeude.h"
#include "overview/gebaeudeuebersicht.h"
#include "bench/haus.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

long spitzeKiB()
{
    rusage verbrauch {};
    getrusage(RUSAGE_SELF, &verbrauch);
    return verbrauch.ru_maxrss;
}

// The program's window, with or without the overview of 'ordner'; prints the
// peak memory and, with the overview, the longest wait of the event loop.
int fensterMessen(int argc, char **argv, const QString &ordner)
{
    QApplication app(argc, argv);
    const auto hauptfenster = FensterErzeugen();
    hauptfenster->show();
    QApplication::processEvents();
    if (ordner.isEmpty()) {
        std::printf("%ld 0\n", spitzeKiB());
        return 0;
    }
    QElapsedTimer uhr;
    qint64 laengste = 0;
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&] {
        laengste = std::max(laengste, uhr.restart());
    });
    uhr.start();
    takt.start(5);
    auto *u = hauptfenster->GebaeudeuebersichtOeffnen(ordner);
    QSignalSpy gelesen(u, &ventoris::TGebaeudeuebersicht::Gelesen);
    if (!gelesen.wait(60000))
        return 1;
    for (const char *zeichen : {"W", "o", "h", "n", "u", "n", "g", "_", "7"}) {
        u->Suche->insert(QLatin1String(zeichen));
        QTest::qWait(20);
    }
    QTest::qWait(100);
    std::printf("%ld %lld\n", spitzeKiB(), laengste);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 2 && QByteArray(argv[1]) == "--fenster")
        return fensterMessen(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    const int anzahl = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    const int laeufe = argc > 2 ? std::max(1, atoi(argv[2])) : 7;
    QTemporaryDir ordner;
    if (!HausAnlegen(ordner.path(), anzahl))
        return 1;

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

    auto messen = [&](const QString &mit) {
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--fenster"), mit});
        p.waitForFinished(120000);
        return QString::fromLatin1(p.readAllStandardOutput()).split(QLatin1Char(' '));
    };
    const QStringList ohne = messen(QString()), mit = messen(ordner.path());
    if (ohne.size() < 2 || mit.size() < 2)
        return 1;
    const double mehr = (mit[0].toDouble() - ohne[0].toDouble()) / 1024.0;
    std::printf("Spitzenspeicher: Programm %.1f MiB, mit der Übersicht von %d Einheiten %.1f MiB, %.1f MiB mehr (Ziel ≤ 30)\n",
                ohne[0].toDouble() / 1024.0, anzahl, mit[0].toDouble() / 1024.0, mehr);
    std::printf("Längste Wartezeit des Fensters beim Lesen und Filtern: %s ms (Ziel ≤ 100)\n", qPrintable(mit[1].trimmed()));
    return 0;
}
