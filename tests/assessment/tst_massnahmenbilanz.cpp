// The balance of the measure, worked out by hand for a unit of 50 m² in a
// windy place: FL 22,5, RL 52,5, NL 75,0 and an infiltration of 20,2 m³/h.
#include "assessment/massnahmenbilanz.h"

#include <QtTest>

using namespace ventoris;
namespace m = ventoris::massnahme;

class TestMassnahmenbilanz : public QObject
{
    Q_OBJECT

    const TMassnahmeBezug bezug{"22,5", "52,5", "75,0", "20,2", "windstark"};

private slots:
    void bilanz_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("anrechnung");
        QTest::addColumn<QString>("ald");
        QTest::addColumn<QString>("stufe");
        QTest::addColumn<QString>("zuDecken");
        QTest::addColumn<QString>("jeSeite");
        QTest::addColumn<QString>("anzahl");
        QTest::addColumn<QString>("falsch"); // i: credit, a: ALD

        // 22,5 - 20,2 = 2,3 through ALDs of 1: 3 on each facade, 6 to order
        QTest::newRow("Querlüftung") << m::Querlueftung << "" << "1" << "22,5" << "2,3" << "3" << "6" << "";
        // 52,5 - 20,2 = 32,3 through ALDs of 10: 4
        QTest::newRow("Schachtlüftung") << m::Schachtlueftung << "" << "10" << "52,5" << "32,3" << "4" << "4" << "";
        // 75,0 - 20,2 = 54,8 = exactly 2 x 27,4
        QTest::newRow("Abluft, genau zwei") << m::Abluft << "" << "27,4" << "75,0" << "54,8" << "2" << "2" << "";
        // 75,0 - 14,8 = 60,2, just above 2 x 30
        QTest::newRow("Zuluft, Anrechnung geändert") << m::Zuluft << "14.8" << "30" << "75,0" << "60,2" << "3"
                                                     << "3" << "";
        QTest::newRow("Zu- und Abluft, ohne ALD") << m::ZuUndAbluft << "" << "30" << "75,0" << "54,8" << "" << ""
                                                  << "";
        QTest::newRow("mehr Infiltration als nötig") << m::Querlueftung << "30" << "5" << "22,5" << "0,0" << "0"
                                                     << "0" << "";
        QTest::newRow("kein Produkt") << m::Abluft << "" << "" << "75,0" << "54,8" << "" << "" << "";
        QTest::newRow("Nennstrom null") << m::Abluft << "" << "0" << "75,0" << "54,8" << "–" << "–" << "a";
        QTest::newRow("Nennstrom Buchstaben") << m::Abluft << "" << "zehn" << "75,0" << "54,8" << "–" << "–" << "a";
        QTest::newRow("negative Anrechnung") << m::Abluft << "-5" << "10" << "75,0" << "–" << "–" << "–" << "i";
        QTest::newRow("unbekanntes System") << "Fensterlüftung" << "" << "10" << "–" << "–" << "" << "" << "";
    }

    void bilanz()
    {
        QFETCH(QString, system);
        QFETCH(QString, anrechnung);
        QFETCH(QString, ald);
        QFETCH(QString, stufe);
        QFETCH(QString, zuDecken);
        QFETCH(QString, jeSeite);
        QFETCH(QString, anzahl);
        QFETCH(QString, falsch);
        TMassnahmeEingaben e;
        e.system = system;
        e.angerechneteInfiltration = anrechnung;
        e.aldVolumenstrom = ald;
        const TMassnahmeBilanz b = MassnahmeBilanzieren(e, bezug);
        QCOMPARE(b.stufeWert, stufe);
        QCOMPARE(b.zuDecken, zuDecken);
        QCOMPARE(b.aldJeSeite, jeSeite);
        QCOMPARE(b.aldAnzahl, anzahl);
        QCOMPARE(b.infiltrationFalsch, falsch.contains('i'));
        QCOMPARE(b.aldFalsch, falsch.contains('a'));
    }

    // The design pressure's defaults, and the exhaust rooms beside NL.
    void vorgabenUndAbluft()
    {
        TMassnahmeEingaben e;
        e.system = m::Querlueftung;
        QCOMPARE(MassnahmeBilanzieren(e, bezug).druckdifferenzVorgabe, QStringLiteral("4"));
        TMassnahmeBezug schwach = bezug;
        schwach.ComboBox2 = QStringLiteral("windschwach");
        QCOMPARE(MassnahmeBilanzieren(e, schwach).druckdifferenzVorgabe, QStringLiteral("2"));
        QCOMPARE(MassnahmeBilanzieren(e, schwach).druckdifferenzQuelle, QStringLiteral("Annahme aus Herstellerunterlagen"));
        e.system = m::Zuluft;
        QCOMPARE(MassnahmeBilanzieren(e, bezug).druckdifferenzVorgabe, QStringLiteral("8"));
        // no public figure for a shaft: the user gives it
        e.system = m::Schachtlueftung;
        QCOMPARE(MassnahmeBilanzieren(e, bezug).druckdifferenzVorgabe, QString());

        e.abluftraeume = {{"Küche", "Küche", "45"}, {"Bad OG", "Bad", "45"}, {"WC", "WC", "25,5"}};
        QCOMPARE(MassnahmeBilanzieren(e, bezug).abluftSumme, QStringLiteral("115,5"));
        e.abluftraeume.append({"Abstellraum", "WC", "viel"});
        const TMassnahmeBilanz b = MassnahmeBilanzieren(e, bezug);
        QCOMPARE(b.abluftSumme, QStringLiteral("–"));
        QCOMPARE(b.raumFalsch, (QVector<bool>{false, false, false, true}));
        // the defaults that the kinds bring
        QCOMPARE(m::AbluftArtZu(QStringLiteral("Küche"))->volumenstrom, 45.0);
        QCOMPARE(m::AbluftArtZu(QStringLiteral("Hauswirtschaftsraum"))->volumenstrom, 25.0);
        QCOMPARE(m::AbluftArtZu(QStringLiteral("Bad, fensterlos, bedarfsgeführt"))->volumenstrom, 60.0);
        QCOMPARE(m::AbluftArtZu(QStringLiteral("Bad, fensterlos, dauernd"))->volumenstrom, 40.0);
        QCOMPARE(m::AbluftArtZu(QStringLiteral("WC, fensterlos, bedarfsgeführt"))->volumenstrom, 30.0);
    }
};

QTEST_APPLESS_MAIN(TestMassnahmenbilanz)
#include "tst_massnahmenbilanz.moc"
