// The built-in pictures: sizes and formats as printed and shown, no text that
// overflows its cell, and the colour coding of the overview.

#include "reference/bilder.h"
#include "reference/hinweise.h"
#include "reference/konzept.h"
#include "reference/programminfo.h"
#include "reference/bildfeld.h"

#include <QTest>

namespace {

QStringList Warnungen;

void WarnungenSammeln(QtMsgType typ, const QMessageLogContext &, const QString &text)
{
    if (typ == QtWarningMsg || typ == QtCriticalMsg)
        Warnungen << text;
}

// Counts the pixels of exactly this colour in the given columns.
int Pixel(const QImage &bild, QRgb farbe, int vonX = 0, int bisX = -1)
{
    if (bisX < 0)
        bisX = bild.width();
    int anzahl = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = vonX; x < bisX; ++x)
            if (bild.pixel(x, y) == farbe)
                ++anzahl;
    return anzahl;
}

int NichtWeiss(const QImage &bild, const QRect &bereich)
{
    int anzahl = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (bild.pixel(x, y) != qRgb(255, 255, 255))
                ++anzahl;
    return anzahl;
}

} // namespace

class TstReferenzbilder : public QObject
{
    Q_OBJECT

private slots:
    void groesseUndFormat_data()
    {
        QTest::addColumn<int>("bild");
        QTest::addColumn<QSize>("groesse");
        QTest::newRow("Übersicht Lüftungssysteme") << 0 << QSize(947, 670);
        QTest::newRow("Vorgabewerte n50") << 1 << QSize(545, 471);
        QTest::newRow("Entwicklerlogo") << 2 << QSize(250, 100);
        QTest::newRow("Firmenlogo") << 3 << QSize(600, 150);
    }

    void groesseUndFormat()
    {
        QFETCH(int, bild);
        QFETCH(QSize, groesse);
        Warnungen.clear();
        const QtMessageHandler vorher = qInstallMessageHandler(WarnungenSammeln);
        QImage b;
        switch (bild) {
        case 0: b = ventoris::Uebersichtsbild(); break;
        case 1: b = ventoris::Vorgabewertetabelle(); break;
        case 2: b = ventoris::Entwicklerlogo(); break;
        default: b = ventoris::Standardfirmenlogo(); break;
        }
        qInstallMessageHandler(vorher);
        QCOMPARE(b.size(), groesse);
        QCOMPARE(b.format(), QImage::Format_RGB888);
        QCOMPARE(b.depth(), 24);
        // Every text fits its cell: the drawing reports any that does not.
        QVERIFY2(Warnungen.isEmpty(), qPrintable(Warnungen.join(QLatin1Char('\n'))));
        // White ground with a drawing on it.
        QCOMPARE(b.pixel(b.width() - 1, b.height() - 1), qRgb(255, 255, 255));
        QVERIFY(NichtWeiss(b, b.rect()) > b.width() * b.height() / 50);
    }

    void fensterZeigenIhreBilder()
    {
        TForm6 form6;
        THinweiseForm hinweise;
        TForm4 form4;
        QCOMPARE(form6.Uebersicht(), ventoris::Uebersichtsbild());
        QCOMPARE(hinweise.Image1->bild(), ventoris::Vorgabewertetabelle());
        QCOMPARE(form4.Image1->bild(), ventoris::Entwicklerlogo());
    }

    void uebersichtFarbkennung()
    {
        const QImage b = ventoris::Uebersichtsbild();
        const QRgb gruen = qRgb(120, 200, 110);
        const QRgb orange = qRgb(250, 165, 60);
        // Fan-assisted systems (the right half of the system columns) deliver
        // every level without opening windows; free ventilation needs the
        // windows at least for the intensive level.
        const int rechtesDrittel = b.width() * 2 / 3;
        QCOMPARE(Pixel(b, orange, rechtesDrittel), 0);
        QVERIFY(Pixel(b, gruen, rechtesDrittel) > 3000);
        QVERIFY(Pixel(b, orange, 0, b.width() / 2) > 3000);
        // Of 24 level cells, 5 need windows: FL-only cross ventilation (RL, NL,
        // IL) and the intensive level of cross and shaft ventilation.
        const double verhaeltnis = double(Pixel(b, orange)) / Pixel(b, gruen);
        QVERIFY2(verhaeltnis > 4.0 / 20 && verhaeltnis < 6.0 / 18, qPrintable(QString::number(verhaeltnis)));
    }

    void firmenlogoLinksEmblemRechtsSchrift()
    {
        const QImage b = ventoris::Standardfirmenlogo();
        // The emblem and name at the left, the two lines centred to the right,
        // nothing touching the edges.
        QVERIFY(NichtWeiss(b, QRect(0, 0, 180, 150)) > 3000);
        QVERIFY(NichtWeiss(b, QRect(190, 10, 400, 130)) > 3000);
        QCOMPARE(NichtWeiss(b, QRect(0, 0, 600, 4)), 0);
        QCOMPARE(NichtWeiss(b, QRect(596, 0, 4, 150)), 0);
    }

    void bilderEntstehenErstBeiBedarf()
    {
        // Creating the windows draws no picture, so program start stays quick.
        TForm6 form6;
        THinweiseForm hinweise;
        TForm4 form4;
        QVERIFY(!form6.Image1->BildGezeichnet());
        QVERIFY(!hinweise.Image1->BildGezeichnet());
        QVERIFY(!form4.Image1->BildGezeichnet());
        // Asking for the picture, as the print does, draws it.
        QCOMPARE(form6.Uebersicht().size(), QSize(947, 670));
        QVERIFY(form6.Image1->BildGezeichnet());
        // Showing a window draws its picture.
        hinweise.show();
        QVERIFY(QTest::qWaitForWindowExposed(&hinweise));
        hinweise.grab();
        QVERIFY(hinweise.Image1->BildGezeichnet());
    }

    void bildfeldZeichnetEinmal()
    {
        int aufrufe = 0;
        TBildfeld feld;
        feld.resize(20, 10);
        feld.setBildQuelle([&aufrufe] {
            ++aufrufe;
            QImage b(40, 5, QImage::Format_RGB888);
            b.fill(Qt::red);
            return b;
        });
        QCOMPARE(aufrufe, 0);
        QCOMPARE(feld.bild().size(), QSize(40, 5));
        feld.grab();
        feld.bild();
        QCOMPARE(aufrufe, 1);
        // Unscaled from the top-left corner: the picture is cut at the right,
        // and the rest below it stays empty.
        QImage gezeigt = feld.grab().toImage();
        QCOMPARE(gezeigt.pixel(19, 4), qRgb(255, 0, 0));
        QVERIFY(gezeigt.pixel(0, 7) != qRgb(255, 0, 0));
    }
};

QTEST_MAIN(TstReferenzbilder)
#include "tst_referenzbilder.moc"
