// Reading and formatting of numbers, independent of the regional settings.
#include "assessment/zahlen.h"

#include <QLocale>
#include <QtTest>

#include <clocale>
#include <cmath>
#include <limits>

using namespace ventoris;

class TestZahlen : public QObject
{
    Q_OBJECT

private slots:
    void dezimalLesen_data();
    void dezimalLesen();
    void dezimalLesenAusserhalbDesBereichs();
    void dezimalLesenLangerText();
    void ganzzahlLesen_data();
    void ganzzahlLesen();
    void formatieren_data();
    void formatieren();
    void formatierenUnabhaengigVomGebietsschema();
    void kommaStattPunkt();
};

void TestZahlen::dezimalLesen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("wert");
    QTest::newRow("leer") << "" << 0.0;
    QTest::newRow("ganz") << "100" << 100.0;
    QTest::newRow("komma") << "12,5" << 12.5;
    QTest::newRow("punkt") << "12.5" << 12.5;
    QTest::newRow("blanks davor") << "   7" << 7.0;
    QTest::newRow("minus") << "-3,25" << -3.25;
    QTest::newRow("plus") << "+3" << 3.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent gross negativ") << "1E-1" << 0.1;
    QTest::newRow("komma und exponent") << "1,5e1" << 15.0;
    QTest::newRow("exponent mit plus") << "2e+2" << 200.0;
    QTest::newRow("nur buchstaben") << "abc" << 0.0;
    QTest::newRow("zahl mit rest") << "12,5x" << 12.5;
    QTest::newRow("zwei trenner") << "1.2.3" << 1.2;
    QTest::newRow("ohne vorkommastellen") << ",5" << 0.5;
    QTest::newRow("ohne nachkommastellen") << "5." << 5.0;
    QTest::newRow("nur exponent") << "e5" << 0.0;
    QTest::newRow("exponent ohne ziffern") << "1e" << 1.0;
    QTest::newRow("exponent nur vorzeichen") << "1e+" << 1.0;
    QTest::newRow("nur vorzeichen") << "-" << 0.0;
    QTest::newRow("nur trenner") << "." << 0.0;
    QTest::newRow("blank nach vorzeichen") << "- 5" << 0.0;
    QTest::newRow("tausender nicht erkannt") << "1 000" << 1.0;
    QTest::newRow("inf ist keine zahl") << "inf" << 0.0;
    QTest::newRow("nan ist keine zahl") << "nan" << 0.0;
    QTest::newRow("hex ist keine zahl") << "0x10" << 0.0;
    QTest::newRow("arabische ziffern") << QString::fromUtf8("\u0661\u0662") << 0.0;
}

void TestZahlen::dezimalLesen()
{
    QFETCH(QString, text);
    QFETCH(double, wert);
    QCOMPARE(DezimalLesen(text), wert);
}

void TestZahlen::dezimalLesenAusserhalbDesBereichs()
{
    QVERIFY(std::isinf(DezimalLesen("1e400")));
    QVERIFY(DezimalLesen("1e400") > 0);
    QVERIFY(std::isinf(DezimalLesen("-1e400")));
    QVERIFY(DezimalLesen("-1e400") < 0);
    QCOMPARE(DezimalLesen("1e-400"), 0.0);
    QCOMPARE(DezimalLesen("0e99999"), 0.0);
    QCOMPARE(DezimalLesen("1e200"), 1e200);
}

void TestZahlen::dezimalLesenLangerText()
{
    // A pasted megabyte of digits neither hangs nor crashes.
    const QString ziffern(1 << 20, QLatin1Char('9'));
    QVERIFY(std::isinf(DezimalLesen(ziffern)));
    const QString bruch = QStringLiteral("0,") + QString(1 << 20, QLatin1Char('3'));
    QVERIFY(qAbs(DezimalLesen(bruch) - 1.0 / 3.0) < 1e-15);
}

void TestZahlen::ganzzahlLesen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("wert");
    QTest::newRow("leer") << "" << qint64(0);
    QTest::newRow("jahr") << "1995" << qint64(1995);
    QTest::newRow("blanks") << "  1980" << qint64(1980);
    QTest::newRow("minus") << "-5" << qint64(-5);
    QTest::newRow("dezimal") << "1994.9" << qint64(1994);
    QTest::newRow("text") << "abc" << qint64(0);
    QTest::newRow("rest") << "1995abc" << qint64(1995);
    QTest::newRow("riesig") << "99999999999999999999999" << qint64(1000000000000000000LL);
    QTest::newRow("riesig negativ") << "-99999999999999999999999" << qint64(-1000000000000000000LL);
}

void TestZahlen::ganzzahlLesen()
{
    QFETCH(QString, text);
    QFETCH(qint64, wert);
    QCOMPARE(GanzzahlLesen(text), wert);
}

void TestZahlen::formatieren_data()
{
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("text");
    QTest::newRow("37.5") << 37.5 << "37,5";
    QTest::newRow("40.3957") << 40.3957 << "40,4";
    QTest::newRow("125") << 125.0 << "125,0";
    QTest::newRow("null") << 0.0 << "0,0";
    QTest::newRow("halb auf") << 0.25 << "0,3";
    QTest::newRow("halb ab negativ") << -0.25 << "-0,3";
    // 0.05 is stored as 0.05000000000000000277..., its 18 digits end in ...03
    QTest::newRow("0.05") << 0.05 << "0,1";
    QTest::newRow("-0.05") << -0.05 << "-0,1";
    // 0.35 is stored as 0.34999999999999997779...
    QTest::newRow("0.35") << 0.35 << "0,3";
    // 2.675 is 2.67499999999999982236..., the second decimal decides
    QTest::newRow("2.675") << 2.675 << "2,7";
    QTest::newRow("uebertrag") << 9.96 << "10,0";
    QTest::newRow("uebertrag gross") << 999.95 << "1000,0";
    QTest::newRow("klein positiv") << 0.04 << "0,0";
    QTest::newRow("klein negativ") << -0.04 << "0,0";
    QTest::newRow("sehr klein") << 1e-300 << "0,0";
    QTest::newRow("negativ") << -1.024 << "-1,0";
    QTest::newRow("gross") << 1e20 << "100000000000000000000,0";
    QTest::newRow("3.25") << 3.25 << "3,3";
}

void TestZahlen::formatieren()
{
    QFETCH(double, wert);
    QFETCH(QString, text);
    QCOMPARE(MitEinerNachkommastelle(wert), text);
}

void TestZahlen::formatierenUnabhaengigVomGebietsschema()
{
    const QLocale vorher;
    for (const auto sprache : {QLocale::German, QLocale::English, QLocale::French}) {
        QLocale::setDefault(QLocale(sprache));
        QCOMPARE(MitEinerNachkommastelle(1234.56), QStringLiteral("1234,6"));
        QCOMPARE(DezimalLesen("1234,56"), 1234.56);
        QCOMPARE(DezimalLesen("1234.56"), 1234.56);
    }
    QLocale::setDefault(vorher);
    // The C library's numeric locale plays no part either.
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        QCOMPARE(MitEinerNachkommastelle(12.5), QStringLiteral("12,5"));
        QCOMPARE(DezimalLesen("12.5"), 12.5);
        std::setlocale(LC_NUMERIC, "C");
    }
}

void TestZahlen::kommaStattPunkt()
{
    QCOMPARE(KommaStattPunkt("12.5"), QStringLiteral("12,5"));
    QCOMPARE(KommaStattPunkt("1.2.3"), QStringLiteral("1,2,3"));
    QCOMPARE(KommaStattPunkt("12,5"), QStringLiteral("12,5"));
    QCOMPARE(KommaStattPunkt(""), QString());
}

QTEST_APPLESS_MAIN(TestZahlen)
#include "tst_zahlen.moc"
