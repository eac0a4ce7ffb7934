// The verdict lines: flow verdict, requirement sentences, tick rules.
#include "assessment/auswahltexte.h"
#include "assessment/neuberechnung.h"
#include "assessment/urteil.h"

#include <QtTest>

using namespace ventoris;
using namespace ventoris::auswahl;

namespace {

const QString S1 = QStringLiteral("Lüftungstechnische Maßnahme zur Sicherstellung des Außenluftvolumenstroms für den Feuchteschutz erforderlich!");
const QString S2 = QStringLiteral("Keine zusätzliche Maßnahme zur Sicherstellung des Außenluftvolumenstroms für den Feuchteschutz erforderlich.");
const QString S3 = QStringLiteral("Sicherstellung des notwendigen Außenluftvolumenstroms der Nennlüftung erforderlich.");
const QString S4 = QStringLiteral("Sicherstellung des notwendigen Außenluftvolumenstroms von Nenn- und reduzierter Lüftung notwendig.");
const QString S5 = QStringLiteral("Sicherstellung des Außenluftvolumenstroms der Nutzungsstufen muss durch aktives Öffnen der Fenster erfolgen.");
const QString S6 = QStringLiteral("Lüftungstechnische Maßnahme ist erforderlich !");
const QString W1 = QStringLiteral("Lüftungstechnische Maßnahme (z.B. Forderung dauernd wirksamer Abluftvolumenströme) ist ausreichend,");
const QString W2 = QStringLiteral("wenn Lüftung zum Feuchteschutz erreicht wird bei Durchströmung aller Räume");
const QString R1 = QStringLiteral("Bei erhöhten Anforderungen an Schall ist eine ventilatorgestützte Lüftung erforderlich.");
const QString R2 = QStringLiteral("Bei erhöhten Anforderungen an Hygiene ist eine ventilatorgestützte Lüftung erforderlich.");
const QString R3 = QStringLiteral("Bei erhöhten Anforderungen an Effizienz ist eine ventilatorgestützte Lüftung erforderlich.");
const QString R4 = QStringLiteral("Bei erhöhten Anforderungen an Hygiene, Effizienz ist eine ventilatorgestützte Lüftung erforderlich.");
const QString R5 = QStringLiteral("Bei erhöhten Anforderungen an Schall, Hygiene ist eine ventilatorgestützte Lüftung erforderlich.");
const QString R6 = QStringLiteral("Bei erhöhten Anforderungen an Schall, Effizienz ist eine ventilatorgestützte Lüftung erforderlich.");
const QString R7 = QStringLiteral("Bei erhöhten Anforderungen an Schall, Hygiene, Effizienz ist eine ventilatorgestützte Lüftung erforderlich.");

TAnforderungen haken(bool nein, bool schall, bool hygiene, bool effizienz)
{
    TAnforderungen a;
    a.Haken[0] = nein;
    a.Haken[1] = schall;
    a.Haken[2] = hygiene;
    a.Haken[3] = effizienz;
    return a;
}

TEingaben fall(const QString &flaeche, const QString &typ, const QString &lage, const QString &neubau,
               const QString &wsvo, const QString &kategorie)
{
    TEingaben e;
    e.Edit6 = flaeche;
    e.ComboBox1 = typ;
    e.ComboBox2 = lage;
    e.ComboBox5 = Nein;
    e.ComboBox6 = kategorie;
    e.ComboBox7 = neubau;
    e.ComboBox8 = wsvo;
    e.Anforderungen.Haken[0] = true;
    return e;
}

} // namespace

class TestUrteil : public QObject
{
    Q_OBJECT

private slots:
    void zeilenDerTabelle_data();
    void zeilenDerTabelle();
    void beispielfaelle_data();
    void beispielfaelle();
    void grenzenGleichheit_data();
    void grenzenGleichheit();
    void anforderungssatz_data();
    void anforderungssatz();
    void anforderungUeberschreibtFlussurteil();
    void anforderungOhneSatzBehaeltS5();
    void bereinigen_data();
    void bereinigen();
    void festeUrteile();
};

void TestUrteil::zeilenDerTabelle_data()
{
    QTest::addColumn<double>("inf");
    QTest::addColumn<bool>("zeigen");
    QTest::addColumn<QString>("l31");
    QTest::addColumn<QString>("l49");
    QTest::addColumn<QString>("l63");
    // QFL 10, QRL 20, QNL 30
    QTest::newRow("null") << 0.0 << false << "" << "" << "";
    QTest::newRow("negativ") << -5.0 << false << "" << "" << "";
    QTest::newRow("unter FL") << 5.0 << true << S1 << S4 << "";
    QTest::newRow("gleich FL") << 10.0 << true << S2 << S4 << S5;
    QTest::newRow("zwischen FL und RL") << 15.0 << true << S2 << S4 << S5;
    QTest::newRow("gleich RL") << 20.0 << true << S2 << S3 << S5;
    QTest::newRow("zwischen RL und NL") << 25.0 << true << S2 << S3 << S5;
    QTest::newRow("gleich NL") << 30.0 << true << S2 << "" << S5;
    QTest::newRow("ueber NL") << 99.0 << true << S2 << "" << S5;
}

void TestUrteil::zeilenDerTabelle()
{
    QFETCH(double, inf);
    QFETCH(bool, zeigen);
    QFETCH(QString, l31);
    QFETCH(QString, l49);
    QFETCH(QString, l63);
    const TUrteil u = FlussUrteil(true, inf, 10.0, 20.0, 30.0, haken(true, false, false, false));
    QCOMPARE(u.zeigen, zeigen);
    QCOMPARE(u.Label31, l31);
    QCOMPARE(u.Label49, l49);
    QCOMPARE(u.Label63, l63);
    // without computed flows there is never a verdict
    QVERIFY(!FlussUrteil(false, inf, 10.0, 20.0, 30.0, haken(true, false, false, false)).zeigen);
}

void TestUrteil::beispielfaelle_data()
{
    QTest::addColumn<QString>("flaeche");
    QTest::addColumn<QString>("typ");
    QTest::addColumn<QString>("lage");
    QTest::addColumn<QString>("neubau");
    QTest::addColumn<QString>("kategorie");
    QTest::addColumn<QStringList>("zeilen");
    QTest::newRow("grundfall") << "100" << EfhMehrgeschossig << Windschwach << Ja
                               << FreieLueftungNeubau << QStringList{S2, S4, S5};
    QTest::newRow("60 mfh") << "60" << MfhEingeschossig << Windschwach << Ja << FreieLueftungNeubau
                            << QStringList{S1, S4, ""};
    QTest::newRow("niedrig bestand") << "100" << EfhMehrgeschossig << Windschwach << Nein
                                     << MittlererBestand << QStringList{S2, S3, S5};
    QTest::newRow("150 windstark") << "150" << EfhMehrgeschossig << Windstark << Nein
                                   << MittlererBestand << QStringList{S2, "", S5};
}

void TestUrteil::beispielfaelle()
{
    QFETCH(QString, flaeche);
    QFETCH(QString, typ);
    QFETCH(QString, lage);
    QFETCH(QString, neubau);
    QFETCH(QString, kategorie);
    QFETCH(QStringList, zeilen);
    // "nein" for a new building with an empty year and WSVO "nein" gives quality "niedrig"
    TLueftungsErgebnis z;
    const TBerechnung b = Berechnen(fall(flaeche, typ, lage, neubau, Nein, kategorie), z);
    QVERIFY(b.Urteil.zeigen);
    QCOMPARE(b.Urteil.Label31, zeilen[0]);
    QCOMPARE(b.Urteil.Label49, zeilen[1]);
    QCOMPARE(b.Urteil.Label63, zeilen[2]);
}

void TestUrteil::grenzenGleichheit_data()
{
    // Measured mode with an empty exponent: QInf = 0.5*100*2.5*n50 = 125*n50,
    // computed in the same double steps as 125*FaktorWS, 125*0.7 and 125 itself.
    QTest::addColumn<QString>("n50");
    QTest::addColumn<QStringList>("zeilen");
    QTest::newRow("QInf gleich QFL") << "0,3" << QStringList{S2, S4, S5};
    QTest::newRow("QInf gleich QRL") << "0,7" << QStringList{S2, S3, S5};
    QTest::newRow("QInf gleich QNL") << "1" << QStringList{S2, "", S5};
    QTest::newRow("knapp unter QFL") << "0,2999" << QStringList{S1, S4, ""};
}

void TestUrteil::grenzenGleichheit()
{
    QFETCH(QString, n50);
    QFETCH(QStringList, zeilen);
    TEingaben e = fall("100", EfhMehrgeschossig, Windschwach, Ja, Ja, FreieLueftungNeubau);
    e.ComboBox5 = Ja;
    e.Edit8 = n50;
    e.Edit10 = "";
    TLueftungsErgebnis z;
    const TBerechnung b = Berechnen(e, z);
    QCOMPARE(b.Urteil.Label31, zeilen[0]);
    QCOMPARE(b.Urteil.Label49, zeilen[1]);
    QCOMPARE(b.Urteil.Label63, zeilen[2]);
}

void TestUrteil::anforderungssatz_data()
{
    QTest::addColumn<bool>("schall");
    QTest::addColumn<bool>("hygiene");
    QTest::addColumn<bool>("effizienz");
    QTest::addColumn<QString>("satz");
    QTest::newRow("R1") << true << false << false << R1;
    QTest::newRow("R2") << false << true << false << R2;
    QTest::newRow("R3") << false << false << true << R3;
    QTest::newRow("R4") << false << true << true << R4;
    QTest::newRow("R5") << true << true << false << R5;
    QTest::newRow("R6") << true << false << true << R6;
    QTest::newRow("R7") << true << true << true << R7;
}

void TestUrteil::anforderungssatz()
{
    QFETCH(bool, schall);
    QFETCH(bool, hygiene);
    QFETCH(bool, effizienz);
    QFETCH(QString, satz);
    QCOMPARE(Anforderungssatz(haken(false, schall, hygiene, effizienz)).value_or("?"), satz);
    const TUrteil u = AnforderungsUrteil(haken(false, schall, hygiene, effizienz));
    QCOMPARE(u.Label31, S6);
    QCOMPARE(u.Label49, QString());
    QCOMPARE(u.Label63, satz);
    QVERIFY(u.zeigen);
}

void TestUrteil::anforderungUeberschreibtFlussurteil()
{
    const TUrteil u = FlussUrteil(true, 5.0, 10.0, 20.0, 30.0, haken(false, true, false, true));
    QCOMPARE(u.Label31, S6);
    QCOMPARE(u.Label49, QString());
    QCOMPARE(u.Label63, R6);
    // with no flows, no verdict at all, requirement or not
    QVERIFY(!FlussUrteil(true, 0.0, 10.0, 20.0, 30.0, haken(false, true, false, true)).zeigen);
    QVERIFY(!Anforderungssatz(haken(true, false, false, false)));
}

void TestUrteil::anforderungOhneSatzBehaeltS5()
{
    // "nein" unticked and no requirement: S6, and Label63 keeps what the flows gave
    const TUrteil u = FlussUrteil(true, 15.0, 10.0, 20.0, 30.0, haken(false, false, false, false));
    QCOMPARE(u.Label31, S6);
    QCOMPARE(u.Label49, QString());
    QCOMPARE(u.Label63, S5);
}

void TestUrteil::bereinigen_data()
{
    QTest::addColumn<QString>("vorher");
    QTest::addColumn<QString>("nachher");
    // ticks as four characters: x ticked, . not
    QTest::newRow("keiner -> nein") << "...." << "x...";
    QTest::newRow("nein bleibt") << "x..." << "x...";
    QTest::newRow("anforderung entfernt nein") << "xx.." << ".x..";
    QTest::newRow("nein zu anforderung wird zurueckgenommen") << "x.x." << "..x.";
    QTest::newRow("drei") << ".xxx" << ".xxx";
    QTest::newRow("alle") << "xxxx" << ".xxx";
}

void TestUrteil::bereinigen()
{
    QFETCH(QString, vorher);
    QFETCH(QString, nachher);
    auto lesen = [](const QString &s) {
        return haken(s[0] == 'x', s[1] == 'x', s[2] == 'x', s[3] == 'x');
    };
    QVERIFY(AnforderungenBereinigt(lesen(vorher)) == lesen(nachher));
}

void TestUrteil::festeUrteile()
{
    const TUrteil w = FensterloseRaeumeUrteil();
    QCOMPARE(w.Label31, W1);
    QCOMPARE(w.Label49, W2);
    QCOMPARE(w.Label63, QString());
    QVERIFY(w.zeigen);
}

QTEST_APPLESS_MAIN(TestUrteil)
#include "tst_urteil.moc"
