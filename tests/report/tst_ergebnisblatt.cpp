// Layout of the result sheet as data: every text at its page, place and font,
// for each branch of the sheet's conditions.

#include "report/ergebnisblatt.h"
#include "testdaten.h"

#include <QtTest>

using namespace ventoris;

Q_DECLARE_METATYPE(ventoris::TSchrift)

namespace {

using TZeile = std::tuple<int, int, int, QString>; // oben, links, schrift, text

QList<TZeile> Seite1(const TBlatt &blatt)
{
    QList<TZeile> zeilen;
    for (const TBlattText &t : blatt.texte) {
        if (t.seite == 1)
            zeilen.append({t.oben, t.links, int(t.schrift), t.text});
    }
    std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
}

// Texts of page 1 whose top lies in [von, bis] and whose left edge is 'links' (or any, for -1).
QStringList TexteZwischen(const TBlatt &blatt, int von, int bis, int links = -1)
{
    QStringList texte;
    for (const TBlattText &t : blatt.texte) {
        if (t.seite == 1 && t.oben >= von && t.oben <= bis && (links < 0 || t.links == links))
            texte.append(QStringLiteral("%1@%2:%3").arg(t.oben).arg(t.links).arg(t.text));
    }
    return texte;
}

bool Enthaelt(const TBlatt &blatt, int oben, int links, TSchrift schrift, const QString &text)
{
    return std::any_of(blatt.texte.cbegin(), blatt.texte.cend(), [&](const TBlattText &t) {
        return t.seite == 1 && t.oben == oben && t.links == links && t.schrift == schrift && t.text == text;
    });
}

bool KommtVor(const TBlatt &blatt, const QString &text)
{
    return std::any_of(blatt.texte.cbegin(), blatt.texte.cend(),
                       [&](const TBlattText &t) { return t.text == text; });
}

constexpr int T = int(TSchrift::Titel);
constexpr int A = int(TSchrift::Abschnitt);
constexpr int K = int(TSchrift::Text);
constexpr int F = int(TSchrift::Fusszeile);

// Page 1 of testdaten::Bewertungsfall(), row by row from the layout tables.
QList<TZeile> ErwartetBewertungsfall()
{
    QList<TZeile> z = {
        {700, 150, T, "Bewertung lüftungstechnischer Maßnahmen nach DIN 1946-6 Kap. 4.2"},
        {800, 150, A, "Objektdaten:"},
        {850, 150, K, "Objektbezeichnung: "}, {850, 550, K, "Wohnanlage Lindenhof"},
        {900, 150, K, "Strasse, Nr: "}, {900, 550, K, "Lindenstraße 12"},
        {950, 150, K, "PLZ, Ort: "}, {950, 550, K, "12345 Musterstadt"},
        {1050, 150, A, "Bearbeiterdaten:"},
        {1100, 150, K, "Bearbeiter: "}, {1100, 550, K, "Jürgen Müller"},
        {1150, 150, K, "Firmenname: "}, {1150, 550, K, "Müller Haustechnik"},
        {1200, 150, K, "Firmenadresse: "}, {1200, 550, K, "Gewerbering 4"},
        {1250, 150, K, "Bearbeitungsdatum: "}, {1250, 550, K, "05.03.24"},
        {1350, 150, A, "Gebäudedaten:"},
        {1400, 150, K, "Gebäudetyp: "},
        {1450, 150, K, "MFH als eingeschossige Nutzungseinheit"},
        {1500, 150, K, "Gebäudelage: "}, {1500, 750, K, "windstark"},
        {1550, 150, K, "Fläche Nutzungseinheit: "}, {1550, 750, K, "100"}, {1550, 850, K, "m²"},
        {1800, 150, A, "Luftdichtheit:"},
        {1850, 150, K, "Messwert Luftdichtheit vorhanden: "}, {1850, 750, K, "nein"},
        {1900, 150, K, "n50: "}, {1900, 750, K, "4,5"}, {1900, 850, K, " 1/h"},
        {1950, 150, K, "Druckexponent n: "}, {1950, 750, K, "0,667"},
        {2000, 150, K, "Vorgabewert(Kategorie) Auslegungsluftwechsel: "},
        {2050, 150, K, "mittlerer Gebäudebestand"},
        {1350, 1050, A, "Abfrage Verfahren DIN 18017-3:"},
        {1400, 1050, K, "fensterloser Raum: "}, {1400, 1750, K, "nein"},
        {1450, 1050, K, "Anforderungen an die Nutzungseinheit: "}, {1450, 1750, K, "nein"},
        {1550, 1050, A, "Wärmeschutzstandard:"},
        {1600, 1050, K, "Neubauniveau: "}, {1600, 1750, K, "nein"},
        {1650, 1050, K, "Baujahr: "}, {1650, 1750, K, "1980"},
        {1700, 1050, K, "Sanierung nach WSVO: "}, {1700, 1750, K, "nein"},
        {1800, 1050, A, "Ergebnisse:"},
        {1850, 1050, K, "Qualität Wärmeschutz nach DIN 1946-6: "}, {1850, 1750, K, "niedrig"},
        {1900, 1050, K, "wirksame Lüftung zur Infiltration: "}, {1900, 1750, K, "65,8"}, {1900, 1850, K, "m³/h "},
        {1950, 1050, K, "Lüftungsstufen: "},
        {2000, 1050, K, "notwendige Lüftung zum Feuchteschutz: "}, {2000, 1750, K, "50,0"}, {2000, 1850, K, "m³/h"},
        {2050, 1050, K, "reduzierte Lüftung:"}, {2050, 1750, K, "72,0"}, {2050, 1850, K, "m³/h"},
        {2100, 1050, K, "Nennlüftung: "}, {2100, 1750, K, "103,0"}, {2100, 1850, K, "m³/h"},
        {2150, 1050, K, "Intensivlüftung: "}, {2150, 1750, K, "134,0"}, {2150, 1850, K, "m³/h"},
        {2200, 150, A, "Zusätzliche Anforderungen an Schall, Hygiene, Effizienz:"},
        {2250, 150, K, "keine zusätzlichen Anforderungen gewählt"},
        {2450, 150, A, "Zusammenfassung/Schlussfolgerung:"},
        {2500, 150, K, "Lüftungstechnische Maßnahmen sind nicht erforderlich."},
        {2550, 150, K, "Erster Kommentar"},
        {2600, 150, K, "Zweiter Kommentar"},
        {2750, 150, K, "Datum: 05.03.24"},
        {2750, 1050, K, "Unterschrift:__________________________________"},
        {2800, 150, F, "Ventoris Lüftungskonzept Aerolis e.V. www.aerolis.example Version 1.0.0.11"},
    };
    std::sort(z.begin(), z.end());
    return z;
}

} // namespace

class TstErgebnisblatt : public QObject
{
    Q_OBJECT

private slots:
    void schriftEinstellungen();
    void bewertungsfallVollstaendig();
    void startzustandVollstaendig();
    void blockWahl_data();
    void blockWahl();
    void flaecheOhneEingabe();
    void neubauOhneBaujahr();
    void messwertOhneKategorie_data();
    void messwertOhneKategorie();
    void kategorieZeilen_data();
    void kategorieZeilen();
    void anforderungen_data();
    void anforderungen();
    void langesUrteilBleibtGanz();
    void leereEingabenOhneText();
    void bilderUndSeiten();
};

void TstErgebnisblatt::schriftEinstellungen()
{
    QCOMPARE(ZellenHoehe(TSchrift::Titel), 60);
    QCOMPARE(ZellenHoehe(TSchrift::Abschnitt), 40);
    QCOMPARE(ZellenHoehe(TSchrift::Text), 40);
    QCOMPARE(ZellenHoehe(TSchrift::Fusszeile), 30);
    QVERIFY(IstFett(TSchrift::Titel));
    QVERIFY(IstFett(TSchrift::Abschnitt));
    QVERIFY(!IstFett(TSchrift::Text));
    QVERIFY(!IstFett(TSchrift::Fusszeile));
}

void TstErgebnisblatt::bewertungsfallVollstaendig()
{
    const TBlatt blatt = ErgebnisblattAufbauen(testdaten::Bewertungsfall());
    const QList<TZeile> ist = Seite1(blatt);
    const QList<TZeile> soll = ErwartetBewertungsfall();
    for (const TZeile &z : soll) {
        if (!ist.contains(z))
            QFAIL(qPrintable(QStringLiteral("fehlt: %1@%2 %3").arg(std::get<0>(z)).arg(std::get<1>(z)).arg(std::get<3>(z))));
    }
    for (const TZeile &z : ist) {
        if (!soll.contains(z))
            QFAIL(qPrintable(QStringLiteral("zu viel: %1@%2 %3").arg(std::get<0>(z)).arg(std::get<1>(z)).arg(std::get<3>(z))));
    }
    QCOMPARE(ist.size(), soll.size());
}

void TstErgebnisblatt::startzustandVollstaendig()
{
    // Printing straight after start: no answer in RadioGroup1, so the DIN 18017-3
    // block, and the placeholder captions of the verdict lines.
    const TBlatt blatt = ErgebnisblattAufbauen(testdaten::Startzustand());
    QList<TZeile> soll = {
        {700, 150, T, "Bewertung lüftungstechnischer Maßnahmen nach DIN 1946-6 Kap. 4.2"},
        {800, 150, A, "Objektdaten:"},
        {850, 150, K, "Objektbezeichnung: "}, {850, 550, K, "123456789123456789123456789"},
        {900, 150, K, "Strasse, Nr: "},
        {950, 150, K, "PLZ, Ort: "},
        {1050, 150, A, "Bearbeiterdaten:"},
        {1100, 150, K, "Bearbeiter: "},
        {1150, 150, K, "Firmenname: "},
        {1200, 150, K, "Firmenadresse: "},
        {1250, 150, K, "Bearbeitungsdatum: "}, {1250, 550, K, "31.12.24"},
        {1600, 150, A, "Auslegung erfolgt nach DIN 18017-3"},
        {1750, 150, A, "Lüftung von Bädern und Toilettenräumen"},
        {1800, 150, A, "ohne Außenfenster, mit Ventilatoren"},
        {2200, 150, A, "Zusätzliche Anforderungen an Schall, Hygiene, Effizienz:"},
        {2450, 150, A, "Zusammenfassung/Schlussfolgerung:"},
        {2500, 150, K, "Ergebnis"},
        {2550, 150, K, "Kommentar1"},
        {2600, 150, K, "Kommentar2"},
        {2750, 150, K, "Datum: 31.12.24"},
        {2750, 1050, K, "Unterschrift:__________________________________"},
        {2800, 150, F, "Ventoris Lüftungskonzept Aerolis e.V. www.aerolis.example Version 1.0.0.11"},
    };
    std::sort(soll.begin(), soll.end());
    QCOMPARE(Seite1(blatt), soll);
}

void TstErgebnisblatt::blockWahl_data()
{
    QTest::addColumn<int>("radio1");
    QTest::addColumn<int>("radio2");
    QTest::addColumn<bool>("bewertung");
    QTest::addColumn<QString>("fensterlos");
    QTest::addColumn<QString>("anforderungen");

    QTest::newRow("keine Wahl") << -1 << 1 << false << "" << "";
    QTest::newRow("keine Wahl, Anforderungen ja") << -1 << 0 << false << "" << "";
    QTest::newRow("fensterlos ja, Anforderungen nein") << 0 << 1 << false << "" << "";
    QTest::newRow("fensterlos ja, Anforderungen ohne Wahl") << 0 << -1 << false << "" << "";
    QTest::newRow("fensterlos ja, Anforderungen ja") << 0 << 0 << true << "ja" << "ja";
    QTest::newRow("fensterlos nein") << 1 << 1 << true << "nein" << "nein";
    QTest::newRow("fensterlos nein, Anforderungen ja") << 1 << 0 << true << "nein" << "ja";
}

void TstErgebnisblatt::blockWahl()
{
    QFETCH(int, radio1);
    QFETCH(int, radio2);
    QFETCH(bool, bewertung);
    QFETCH(QString, fensterlos);
    QFETCH(QString, anforderungen);

    TBlattDaten d = testdaten::Bewertungsfall();
    d.RadioGroup1 = radio1;
    d.RadioGroup2 = radio2;
    const TBlatt blatt = ErgebnisblattAufbauen(d);

    QCOMPARE(Enthaelt(blatt, 1350, 150, TSchrift::Abschnitt, "Gebäudedaten:"), bewertung);
    QCOMPARE(Enthaelt(blatt, 1350, 1050, TSchrift::Abschnitt, "Abfrage Verfahren DIN 18017-3:"), bewertung);
    QCOMPARE(Enthaelt(blatt, 2150, 1050, TSchrift::Text, "Intensivlüftung: "), bewertung);
    QCOMPARE(Enthaelt(blatt, 1600, 150, TSchrift::Abschnitt, "Auslegung erfolgt nach DIN 18017-3"), !bewertung);
    QCOMPARE(Enthaelt(blatt, 1750, 150, TSchrift::Abschnitt, "Lüftung von Bädern und Toilettenräumen"), !bewertung);
    QCOMPARE(Enthaelt(blatt, 1800, 150, TSchrift::Abschnitt, "ohne Außenfenster, mit Ventilatoren"), !bewertung);
    if (bewertung) {
        QCOMPARE(TexteZwischen(blatt, 1400, 1400, 1750), QStringList{"1400@1750:" + fensterlos});
        QCOMPARE(TexteZwischen(blatt, 1450, 1450, 1750), QStringList{"1450@1750:" + anforderungen});
    } else {
        // nothing of the middle block but the three DIN 18017-3 lines
        QCOMPARE(TexteZwischen(blatt, 1300, 2199).size(), 3);
    }
    // the parts around the middle block never change
    QVERIFY(Enthaelt(blatt, 1250, 150, TSchrift::Text, "Bearbeitungsdatum: "));
    QVERIFY(Enthaelt(blatt, 2200, 150, TSchrift::Abschnitt, "Zusätzliche Anforderungen an Schall, Hygiene, Effizienz:"));
}

void TstErgebnisblatt::flaecheOhneEingabe()
{
    TBlattDaten d = testdaten::Bewertungsfall();
    d.Edit6.clear();
    const TBlatt blatt = ErgebnisblattAufbauen(d);
    QCOMPARE(TexteZwischen(blatt, 1550, 1550, 150), QStringList{"1550@150:Fläche Nutzungseinheit: "});
    QCOMPARE(TexteZwischen(blatt, 1550, 1550, 750), QStringList{"1550@750:keine Eingabe"});
    QCOMPARE(TexteZwischen(blatt, 1550, 1550, 850), QStringList());
    QVERIFY(!KommtVor(blatt, "m²"));
}

void TstErgebnisblatt::neubauOhneBaujahr()
{
    TBlattDaten d = testdaten::Bewertungsfall();
    d.ComboBox7 = QStringLiteral("ja");
    const TBlatt blatt = ErgebnisblattAufbauen(d);
    QVERIFY(Enthaelt(blatt, 1600, 1750, TSchrift::Text, "ja"));
    QCOMPARE(TexteZwischen(blatt, 1650, 1700), QStringList());
    QVERIFY(!KommtVor(blatt, "Baujahr: "));
    QVERIFY(!KommtVor(blatt, "Sanierung nach WSVO: "));

    // a typed text that is neither "ja" nor "nein" matches no rule
    d.ComboBox7 = QStringLiteral("Nein");
    QCOMPARE(TexteZwischen(ErgebnisblattAufbauen(d), 1650, 1700), QStringList());
}

void TstErgebnisblatt::messwertOhneKategorie_data()
{
    QTest::addColumn<QString>("kategorie");
    QTest::newRow("Neubau") << "freie Lüftung Neubau";
    QTest::newRow("eingeschossig") << "freie Lüftung bei Modernisierung als eingeschossige NE";
    QTest::newRow("mehrgeschossig") << "freie Lüftung bei Modernisierung als mehrgeschossige NE";
}

void TstErgebnisblatt::messwertOhneKategorie()
{
    QFETCH(QString, kategorie);
    TBlattDaten d = testdaten::Bewertungsfall();
    d.ComboBox5 = QStringLiteral("ja");
    d.ComboBox6 = kategorie;
    const TBlatt blatt = ErgebnisblattAufbauen(d);
    QVERIFY(Enthaelt(blatt, 1850, 750, TSchrift::Text, "ja"));
    QCOMPARE(TexteZwischen(blatt, 2000, 2100, 150), QStringList());
    QVERIFY(!KommtVor(blatt, "Vorgabewert(Kategorie) Auslegungsluftwechsel: "));
}

void TstErgebnisblatt::kategorieZeilen_data()
{
    QTest::addColumn<QString>("kategorie");
    QTest::addColumn<QStringList>("zeilen");
    const QString kopf = QStringLiteral("2000@150:Vorgabewert(Kategorie) Auslegungsluftwechsel: ");
    QTest::newRow("eingeschossig") << "freie Lüftung bei Modernisierung als eingeschossige NE"
                                   << QStringList{kopf, "2050@150:freie Lüftung bei Modernisierung",
                                                  "2100@150: als eingeschossige NE"};
    QTest::newRow("mehrgeschossig") << "freie Lüftung bei Modernisierung als mehrgeschossige NE"
                                    << QStringList{kopf, "2050@150:freie Lüftung bei Modernisierung",
                                                   "2100@150: als mehrgeschossige NE"};
    QTest::newRow("ventilatorgestützt") << "ventilatorgestützte Lüftung"
                                        << QStringList{kopf, "2050@150:ventilatorgestützte Lüftung"};
    QTest::newRow("andere Schreibweise") << "Freie Lüftung bei Modernisierung als mehrgeschossige NE"
                                         << QStringList{kopf, "2050@150:Freie Lüftung bei Modernisierung als mehrgeschossige NE"};
    QTest::newRow("leer") << "" << QStringList{kopf};
}

void TstErgebnisblatt::kategorieZeilen()
{
    QFETCH(QString, kategorie);
    QFETCH(QStringList, zeilen);
    TBlattDaten d = testdaten::Bewertungsfall();
    d.ComboBox6 = kategorie;
    QCOMPARE(TexteZwischen(ErgebnisblattAufbauen(d), 2000, 2100, 150), zeilen);
}

void TstErgebnisblatt::anforderungen_data()
{
    QTest::addColumn<QList<bool>>("haken");
    QTest::addColumn<QStringList>("zeilen");
    QTest::newRow("keine") << QList<bool>{false, false, false, false} << QStringList();
    QTest::newRow("nein") << QList<bool>{true, false, false, false}
                          << QStringList{"2250@150:keine zusätzlichen Anforderungen gewählt"};
    QTest::newRow("Schall") << QList<bool>{false, true, false, false}
                            << QStringList{"2250@150:erhöhte Schallschutzanforderungen"};
    QTest::newRow("Raumluftqualität") << QList<bool>{false, false, true, false}
                                      << QStringList{"2350@150:erhöhte Anforderungen der Raumluftqualität"};
    QTest::newRow("Energieeffizienz") << QList<bool>{false, false, false, true}
                                      << QStringList{"2300@150:erhöhte Energieeffizienz"};
    QTest::newRow("alle drei") << QList<bool>{false, true, true, true}
                               << QStringList{"2250@150:erhöhte Schallschutzanforderungen",
                                              "2300@150:erhöhte Energieeffizienz",
                                              "2350@150:erhöhte Anforderungen der Raumluftqualität"};
}

void TstErgebnisblatt::anforderungen()
{
    QFETCH(QList<bool>, haken);
    QFETCH(QStringList, zeilen);
    TBlattDaten d = testdaten::Bewertungsfall();
    for (int i = 0; i < 4; ++i)
        d.Anforderung[i] = haken.at(i);
    const TBlatt blatt = ErgebnisblattAufbauen(d);
    QVERIFY(Enthaelt(blatt, 2200, 150, TSchrift::Abschnitt, "Zusätzliche Anforderungen an Schall, Hygiene, Effizienz:"));
    QStringList ist = TexteZwischen(blatt, 2201, 2449);
    ist.sort();
    QCOMPARE(ist, zeilen);
}

void TstErgebnisblatt::langesUrteilBleibtGanz()
{
    TBlattDaten d = testdaten::Bewertungsfall();
    const QString lang = QStringLiteral("Lüftungstechnische Maßnahmen sind erforderlich, ").repeated(8)
                         + QStringLiteral("Ende.");
    d.Label31 = lang;
    const TBlatt blatt = ErgebnisblattAufbauen(d);
    QCOMPARE(TexteZwischen(blatt, 2500, 2500), QStringList{"2500@150:" + lang});
    QCOMPARE(TexteZwischen(blatt, 2501, 2549), QStringList());
}

void TstErgebnisblatt::leereEingabenOhneText()
{
    TBlattDaten d = testdaten::Bewertungsfall();
    d.Edit2.clear();
    d.Edit1.clear();
    d.Edit8.clear();
    d.Edit11.clear();
    d.Label28.clear();
    d.Label49.clear();
    const TBlatt blatt = ErgebnisblattAufbauen(d);
    for (const TBlattText &t : blatt.texte)
        QVERIFY2(!t.text.isEmpty(), qPrintable(QStringLiteral("leerer Text bei %1/%2").arg(t.links).arg(t.oben)));
    QCOMPARE(TexteZwischen(blatt, 850, 900), (QStringList{"850@150:Objektbezeichnung: ", "900@150:Strasse, Nr: "}));
    QCOMPARE(TexteZwischen(blatt, 1900, 1900, 750), QStringList());
    QVERIFY(Enthaelt(blatt, 1900, 850, TSchrift::Text, " 1/h"));
    QCOMPARE(TexteZwischen(blatt, 1650, 1650), QStringList{"1650@1050:Baujahr: "});
    QCOMPARE(TexteZwischen(blatt, 1900, 1900, 1750), QStringList());
    QVERIFY(Enthaelt(blatt, 1900, 1850, TSchrift::Text, "m³/h "));
    QCOMPARE(TexteZwischen(blatt, 2550, 2550), QStringList());
}

void TstErgebnisblatt::bilderUndSeiten()
{
    const TBlattDaten d = testdaten::Bewertungsfall();
    const TBlatt blatt = ErgebnisblattAufbauen(d);
    QCOMPARE(blatt.seiten, 2);
    QCOMPARE(blatt.bilder.size(), 2);
    const TBlattBild &logo = blatt.bilder.at(0);
    QCOMPARE((QList<int>{logo.seite, logo.links, logo.oben, logo.rechts, logo.unten}),
             (QList<int>{1, 150, 150, 1650, 450}));
    QVERIFY(logo.bild == d.Logo);
    const TBlattBild &uebersicht = blatt.bilder.at(1);
    QCOMPARE((QList<int>{uebersicht.seite, uebersicht.links, uebersicht.oben, uebersicht.rechts, uebersicht.unten}),
             (QList<int>{2, 50, 150, 1944, 1540}));
    QVERIFY(uebersicht.bild == d.Uebersicht);
    // page 2 carries nothing but the picture, also for the DIN 18017-3 block
    TBlattDaten din = d;
    din.RadioGroup1 = -1;
    const TBlatt dinBlatt = ErgebnisblattAufbauen(din);
    QCOMPARE(dinBlatt.seiten, 2);
    QVERIFY(std::none_of(dinBlatt.texte.cbegin(), dinBlatt.texte.cend(), [](const TBlattText &t) { return t.seite != 1; }));
    QVERIFY(std::any_of(dinBlatt.bilder.cbegin(), dinBlatt.bilder.cend(), [](const TBlattBild &b) { return b.seite == 2; }));
}

QTEST_GUILESS_MAIN(TstErgebnisblatt)
#include "tst_ergebnisblatt.moc"
