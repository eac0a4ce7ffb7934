// The recalculation on input snapshots: heat protection, coefficients, flows,
// preset airtightness and the preselection of the preset category.
#include "assessment/auswahltexte.h"
#include "assessment/neuberechnung.h"
#include "assessment/urteilstexte.h"

#include <QtTest>

using namespace ventoris;
using namespace ventoris::auswahl;
namespace S = ventoris::urteilstext;

namespace {

// The inputs of a fresh case: EFH multi-storey, low wind, new building, preset
// airtightness "freie Lüftung Neubau", only "nein" ticked.
TEingaben grundfall(const QString &flaeche)
{
    TEingaben e;
    e.Edit6 = flaeche;
    e.ComboBox1 = EfhMehrgeschossig;
    e.ComboBox2 = Windschwach;
    e.ComboBox5 = Nein;
    e.ComboBox6 = FreieLueftungNeubau;
    e.ComboBox7 = Ja;
    e.ComboBox8 = Ja;
    e.Anforderungen.Haken[0] = true;
    return e;
}

} // namespace

class TestBerechnung : public QObject
{
    Q_OBJECT

private slots:
    void fluesse_data();
    void fluesse();
    void waermeschutz_data();
    void waermeschutz();
    void ohneFlaecheKeineFluesse();
    void zuGrosseFlaecheOhneErgebnis_data();
    void zuGrosseFlaecheOhneErgebnis();
    void druckexponentNull();
    void n50NullOhneUrteil();
    void unbekannterGebaeudetypBeimStart();
    void koeffizientenBleibenErhalten();
    void vorgabeMitUnbekannterKategorie();
    void negativeWerteZaehlenAlsNull();
    void flaechenGrenze30();
    void vorauswahl_data();
    void vorauswahl();
    void wiederholteBerechnungGleich();
};

void TestBerechnung::fluesse_data()
{
    QTest::addColumn<QString>("flaeche");
    QTest::addColumn<QString>("typ");
    QTest::addColumn<QString>("lage");
    QTest::addColumn<QString>("neubau");
    QTest::addColumn<QString>("baujahr");
    QTest::addColumn<QString>("wsvo");
    QTest::addColumn<QString>("kategorie");
    // expected: Label26, FL, Inf, RL, NL, IL
    QTest::addColumn<QStringList>("erwartet");

    QTest::newRow("grundfall 100") << "100" << EfhMehrgeschossig << Windschwach << Ja << "" << Ja
                                   << FreieLueftungNeubau
                                   << QStringList{"hoch", "37,5", "40,4", "87,5", "125,0", "162,5"};
    QTest::newRow("flaeche 20") << "20" << EfhMehrgeschossig << Windschwach << Ja << "" << Ja
                                << FreieLueftungNeubau
                                << QStringList{"hoch", "16,1", "8,1", "37,5", "53,6", "69,7"};
    QTest::newRow("punkt 12.5") << "12.5" << EfhMehrgeschossig << Windschwach << Ja << "" << Ja
                                << FreieLueftungNeubau
                                // levels at the 30 m² floor; Inf = 0.1^(2/3)*0.5*12.5*2.5*1.5 = 5.05
                                << QStringList{"hoch", "16,1", "5,0", "37,5", "53,6", "69,7"};
    QTest::newRow("mfh 1980 niedrig") << "100" << MfhEingeschossig << Windschwach << Nein << "1980"
                                      << Nein << MittlererBestand
                                      << QStringList{"niedrig", "50,0", "65,8", "87,5", "125,0", "162,5"};
    QTest::newRow("60 mfh neubau") << "60" << MfhEingeschossig << Windschwach << Ja << "" << Ja
                                   << FreieLueftungNeubau
                                   << QStringList{"hoch", "25,6", "13,2", "59,8", "85,4", "111,0"};
    QTest::newRow("150 windstark") << "150" << EfhMehrgeschossig << Windstark << Nein << "" << Nein
                                   << MittlererBestand
                                   << QStringList{"niedrig", "68,0", "227,5", "119,0", "170,0", "221,0"};
    // B = 1166*1.15 - 1166²/1000 + 20 = 1.344
    QTest::newRow("flaeche 1166") << "1166" << EfhMehrgeschossig << Windschwach << Ja << "" << Ja
                                  << FreieLueftungNeubau
                                  << QStringList{"hoch", "0,4", "471,0", "0,9", "1,3", "1,7"};
    // B = 1168*1.15 - 1168²/1000 + 20 = -1.024
    QTest::newRow("flaeche 1168") << "1168" << EfhMehrgeschossig << Windschwach << Ja << "" << Ja
                                  << FreieLueftungNeubau
                                  << QStringList{"hoch", "-0,3", "471,8", "-0,7", "-1,0", "-1,3"};
}

void TestBerechnung::fluesse()
{
    QFETCH(QString, flaeche);
    QFETCH(QString, typ);
    QFETCH(QString, lage);
    QFETCH(QString, neubau);
    QFETCH(QString, baujahr);
    QFETCH(QString, wsvo);
    QFETCH(QString, kategorie);
    QFETCH(QStringList, erwartet);

    TEingaben e = grundfall(flaeche);
    e.ComboBox1 = typ;
    e.ComboBox2 = lage;
    e.ComboBox7 = neubau;
    e.Edit11 = baujahr;
    e.ComboBox8 = wsvo;
    e.ComboBox6 = kategorie;
    TLueftungsErgebnis z;
    const TBerechnung b = Berechnen(e, z);
    QVERIFY(b.FluesseGeschrieben);
    QCOMPARE(b.Label26.value_or("?"), erwartet[0]);
    QCOMPARE(b.Label27, erwartet[1]);
    QCOMPARE(b.Label28, erwartet[2]);
    QCOMPARE(b.Label38, erwartet[3]);
    QCOMPARE(b.Label39, erwartet[4]);
    QCOMPARE(b.Label74, erwartet[5]);
}

void TestBerechnung::waermeschutz_data()
{
    QTest::addColumn<QString>("neubau");
    QTest::addColumn<QString>("baujahr");
    QTest::addColumn<QString>("wsvo");
    QTest::addColumn<QString>("qualitaet");
    QTest::addColumn<double>("faktor");
    QTest::addColumn<bool>("baujahrSichtbar");
    QTest::addColumn<bool>("wsvoSichtbar");
    QTest::newRow("neubau") << Ja << "1980" << Nein << "hoch" << 0.3 << false << false;
    QTest::newRow("1995") << Nein << "1995" << Nein << "hoch" << 0.3 << true << false;
    QTest::newRow("1994 nein") << Nein << "1994" << Nein << "niedrig" << 0.4 << true << true;
    QTest::newRow("1994 ja") << Nein << "1994" << Ja << "hoch" << 0.3 << true << true;
    QTest::newRow("leer nein") << Nein << "" << Nein << "niedrig" << 0.4 << true << true;
    QTest::newRow("leer ja") << Nein << "" << Ja << "hoch" << 0.3 << true << true;
    QTest::newRow("Ja gross ist kein ja") << "Ja" << "1980" << Nein << "niedrig" << 0.4 << true << true;
}

void TestBerechnung::waermeschutz()
{
    QFETCH(QString, neubau);
    QFETCH(QString, baujahr);
    QFETCH(QString, wsvo);
    QFETCH(QString, qualitaet);
    QFETCH(double, faktor);
    QFETCH(bool, baujahrSichtbar);
    QFETCH(bool, wsvoSichtbar);
    TEingaben e = grundfall("100");
    e.ComboBox7 = neubau;
    e.Edit11 = baujahr;
    e.ComboBox8 = wsvo;
    TLueftungsErgebnis z;
    const TBerechnung b = Berechnen(e, z);
    QCOMPARE(b.Label26.value_or("?"), qualitaet);
    QCOMPARE(z.FaktorWS, faktor);
    QCOMPARE(b.Waermeschutz.Baujahr, baujahrSichtbar);
    QCOMPARE(b.Waermeschutz.Wsvo, wsvoSichtbar);
}

void TestBerechnung::ohneFlaecheKeineFluesse()
{
    TLueftungsErgebnis z;
    Berechnen(grundfall("100"), z);
    const TBerechnung b = Berechnen(grundfall(""), z);
    QVERIFY(!b.FluesseGeschrieben);
    QVERIFY(!b.Urteil.zeigen);
    QVERIFY(b.Urteil.Label31.isEmpty() && b.Urteil.Label49.isEmpty() && b.Urteil.Label63.isEmpty());
    // the quality and the preset texts are still written
    QCOMPARE(b.Label26.value_or("?"), QStringLiteral("hoch"));
    QCOMPARE(b.Edit8Vorgabe.value_or("?"), QStringLiteral("1,5"));
    QCOMPARE(b.Edit10Vorgabe.value_or("?"), QStringLiteral("0,667"));
}

void TestBerechnung::zuGrosseFlaecheOhneErgebnis_data()
{
    QTest::addColumn<QString>("flaeche");
    QTest::newRow("1e200") << "1e200";
    QTest::newRow("1e400") << "1e400";
    QTest::newRow("1e155") << "1e155";
}

void TestBerechnung::zuGrosseFlaecheOhneErgebnis()
{
    QFETCH(QString, flaeche);
    TLueftungsErgebnis z;
    const TBerechnung b = Berechnen(grundfall(flaeche), z);
    QVERIFY(!b.FluesseGeschrieben);
    QVERIFY(!b.Urteil.zeigen);
    QVERIFY(b.Label27.isEmpty());
}

void TestBerechnung::druckexponentNull()
{
    // measured mode with an empty exponent: QInf = 0.5 * A * 2.5 * n50, whatever the wind
    for (const QString &lage : {Windschwach, Windstark}) {
        TEingaben e = grundfall("100");
        e.ComboBox5 = Ja;
        e.ComboBox2 = lage;
        e.Edit8 = "2";
        e.Edit10 = "";
        TLueftungsErgebnis z;
        const TBerechnung b = Berechnen(e, z);
        QCOMPARE(b.Label28, QStringLiteral("250,0"));
        QVERIFY(!b.Edit8Vorgabe && !b.Edit10Vorgabe);
    }
}

void TestBerechnung::n50NullOhneUrteil()
{
    TEingaben e = grundfall("100");
    e.ComboBox5 = Ja;
    e.Edit8 = "";
    e.Edit10 = "0,667";
    TLueftungsErgebnis z;
    const TBerechnung b = Berechnen(e, z);
    QVERIFY(b.FluesseGeschrieben);
    QCOMPARE(b.Label28, QStringLiteral("0,0"));
    QCOMPARE(b.Label39, QStringLiteral("125,0"));
    QVERIFY(!b.Urteil.zeigen);
}

void TestBerechnung::unbekannterGebaeudetypBeimStart()
{
    TEingaben e = grundfall("100");
    e.ComboBox1 = QStringLiteral("EFH als mehrgeschossige NE"); // typed variant
    TLueftungsErgebnis z;
    const TBerechnung b = Berechnen(e, z);
    QCOMPARE(z.DeltaP, 0);
    QCOMPARE(z.FaktorWirk, 0.0);
    QCOMPARE(b.Label28, QStringLiteral("0,0"));
    QCOMPARE(b.Label39, QStringLiteral("125,0"));
    QVERIFY(!b.Urteil.zeigen);
}

void TestBerechnung::koeffizientenBleibenErhalten()
{
    TLueftungsErgebnis z;
    Berechnen(grundfall("100"), z);
    QCOMPARE(z.DeltaP, 5);
    // an unknown building type and wind zone keep the earlier coefficients
    TEingaben e = grundfall("100");
    e.ComboBox1 = QStringLiteral("Hochhaus");
    e.ComboBox2 = QStringLiteral("stürmisch");
    const TBerechnung b = Berechnen(e, z);
    QCOMPARE(z.DeltaP, 5);
    QCOMPARE(z.FaktorWirk, 0.5);
    QCOMPARE(b.Label28, QStringLiteral("40,4"));
    // a known type with an unknown wind zone sets FaktorWirk but keeps DeltaP
    e.ComboBox1 = MfhEingeschossig;
    Berechnen(e, z);
    QCOMPARE(z.DeltaP, 5);
    e.ComboBox2 = Windstark;
    Berechnen(e, z);
    QCOMPARE(z.DeltaP, 4);
    // an unknown WSVO text before 1995 keeps the quality
    TEingaben alt = grundfall("100");
    alt.ComboBox7 = Nein;
    alt.Edit11 = "1970";
    alt.ComboBox8 = Nein;
    Berechnen(alt, z);
    QCOMPARE(z.QualitaetWS, QStringLiteral("niedrig"));
    alt.ComboBox8 = QStringLiteral("vielleicht");
    const TBerechnung b2 = Berechnen(alt, z);
    QCOMPARE(b2.Label26.value_or("?"), QStringLiteral("niedrig"));
    QCOMPARE(z.FaktorWS, 0.4);
}

void TestBerechnung::vorgabeMitUnbekannterKategorie()
{
    TLueftungsErgebnis z;
    TEingaben e = grundfall("100");
    e.ComboBox5 = Ja;
    e.Edit8 = "3,25";
    e.Edit10 = "0,667";
    Berechnen(e, z);
    QCOMPARE(z.N50, 3.25);
    e.ComboBox5 = Nein;
    e.ComboBox6 = QStringLiteral("eigene Kategorie");
    const TBerechnung b = Berechnen(e, z);
    QCOMPARE(z.N50, 3.25);
    QCOMPARE(b.Edit8Vorgabe.value_or("?"), QStringLiteral("3,3"));
    QCOMPARE(b.Edit10Vorgabe.value_or("?"), QStringLiteral("0,667"));
    QCOMPARE(z.Druckexponent, 2.0 / 3.0);
}

void TestBerechnung::negativeWerteZaehlenAlsNull()
{
    TLueftungsErgebnis z;
    TEingaben e = grundfall("-100");
    const TBerechnung b = Berechnen(e, z);
    QVERIFY(!b.FluesseGeschrieben);
    QCOMPARE(z.FlaecheNE, 0.0);
    e = grundfall("100");
    e.ComboBox5 = Ja;
    e.Edit8 = "-2";
    e.Edit10 = "-1";
    const TBerechnung m = Berechnen(e, z);
    QCOMPARE(z.N50, 0.0);
    QCOMPARE(z.Druckexponent, 0.0);
    QCOMPARE(m.Label28, QStringLiteral("0,0"));
}

void TestBerechnung::flaechenGrenze30()
{
    TLueftungsErgebnis z;
    const TBerechnung b299 = Berechnen(grundfall("29,9"), z);
    const double inf299 = z.QInf;
    const TBerechnung b30 = Berechnen(grundfall("30"), z);
    const double inf30 = z.QInf;
    // the levels use the 30 m² floor, infiltration uses the area itself
    QCOMPARE(b299.Label39, QStringLiteral("53,6"));
    QCOMPARE(b30.Label39, QStringLiteral("53,6"));
    QCOMPARE(b299.Label27, b30.Label27);
    QCOMPARE(z.QNL, 53.6);
    QVERIFY(qAbs(inf30 / inf299 - 30.0 / 29.9) < 1e-12);
    // Inf(30) = 0.1^(2/3) * 0.5*30*2.5*1.5 = 12.12, Inf(29.9) = 12.08
    QCOMPARE(b30.Label28, QStringLiteral("12,1"));
    QCOMPARE(b299.Label28, QStringLiteral("12,1"));
}

void TestBerechnung::vorauswahl_data()
{
    QTest::addColumn<QString>("typ");
    QTest::addColumn<QString>("neubau");
    QTest::addColumn<QString>("baujahr");
    QTest::addColumn<QString>("wsvo");
    QTest::addColumn<QString>("kategorie");
    QTest::addColumn<QString>("label26");
    QTest::newRow("neubau") << EfhMehrgeschossig << Ja << "" << Ja << FreieLueftungNeubau << "hoch";
    QTest::newRow("1995 efh mehr") << EfhMehrgeschossig << Nein << "1995" << Nein
                                   << ModernisierungMehrgeschossig << "hoch";
    QTest::newRow("1995 maisonette") << MfhMehrgeschossig << Nein << "2001" << Nein
                                     << ModernisierungMehrgeschossig << "hoch";
    QTest::newRow("1995 bungalow") << EfhEingeschossig << Nein << "1995" << Nein
                                   << ModernisierungEingeschossig << "hoch";
    QTest::newRow("1980 ja mfh") << MfhEingeschossig << Nein << "1980" << Ja
                                 << ModernisierungEingeschossig << "hoch";
    QTest::newRow("1980 nein") << MfhEingeschossig << Nein << "1980" << Nein << MittlererBestand
                               << "niedrig";
    QTest::newRow("1980 anderer text") << MfhEingeschossig << Nein << "1980" << "Ja"
                                       << MittlererBestand << "";
    QTest::newRow("unbekannter typ") << "Reihenhaus" << Nein << "1999" << Ja << MittlererBestand
                                     << "hoch";
}

void TestBerechnung::vorauswahl()
{
    QFETCH(QString, typ);
    QFETCH(QString, neubau);
    QFETCH(QString, baujahr);
    QFETCH(QString, wsvo);
    QFETCH(QString, kategorie);
    QFETCH(QString, label26);
    TEingaben e = grundfall("100");
    e.ComboBox1 = typ;
    e.ComboBox7 = neubau;
    e.Edit11 = baujahr;
    e.ComboBox8 = wsvo;
    TLueftungsErgebnis z;
    const TVorauswahl v = Vorauswahl(e, z);
    QCOMPARE(v.ComboBox6, kategorie);
    QCOMPARE(v.Label26.value_or(QString()), label26);
    QVERIFY(v.ComboBox6 != Ventilatorgestuetzt);
}

void TestBerechnung::wiederholteBerechnungGleich()
{
    // a second run on the same inputs gives the same texts: the nesting ends there
    TLueftungsErgebnis z;
    const TEingaben e = grundfall("77,7");
    const TBerechnung a = Berechnen(e, z);
    const TBerechnung b = Berechnen(e, z);
    QCOMPARE(a.Label27, b.Label27);
    QCOMPARE(a.Label28, b.Label28);
    QCOMPARE(a.Label74, b.Label74);
    QCOMPARE(a.Urteil.Label31, b.Urteil.Label31);
    QCOMPARE(a.Urteil.Label63, b.Urteil.Label63);
}

QTEST_APPLESS_MAIN(TestBerechnung)
#include "tst_berechnung.moc"
