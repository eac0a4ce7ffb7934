// The list of windy districts: four text boxes with exactly the lines of the
// printed list, 188 lines in all.

#include "reference/wind.h"

#include <QLabel>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The expected lines, box by box, as the list reads.
const QStringList Kasten1 = {
        "Landkreis  Sitz",
        "",
        "Aachen  Aachen ",
        "Aachen; Stadt  Aachen ",
        "Ahrweiler  Bad Neuenahr-Ahrweiler ",
        "Alb-Donau-Kreis  Ulm ",
        "Altmarkkreis Salzwedel  Salzwedel ",
        "Alzey-Worms  Alzey ",
        "Ammerland  Westerstede ",
        "Annaberg  Annaberg-Buchholz ",
        "Aue-Schwarzenberg  Aue ",
        "Aurich  Aurich ",
        "Bad Doberan  Bad Doberan ",
        "Bad Kreuznach  Bad Kreuznach ",
        "Barnim  Eberswalde ",
        "Bautzen  Bautzen ",
        "Berchtesgadener Land  Bad Reichenhall ",
        "Bernkastel-Wittlich  Wittlich ",
        "Bielefeld; Stadt  Bielefeld ",
        "Birkenfeld  Birkenfeld ",
        "Börde  Haldensleben ",
        "Borken  Borken ",
        "Bottrop; Stadt  Bottrop ",
        "Breisgau-Hochschwarzwald  Freiburg im ",
        "Breisgau ",
        "Bremen; Stadt  Bremen ",
        "Bremerhaven; Stadt  Bremerhaven ",
        "Cloppenburg  Cloppenburg ",
        "Cochem-Zell  Cochem ",
        "Coesfeld  Coesfeld ",
        "Cuxhaven  Cuxhaven ",
        "Delitzsch  Delitzsch ",
        "Delmenhorst; Stadt  Delmenhorst ",
        "Demmin  Demmin ",
        "Diepholz  Diepholz ",
        "Dithmarschen  Heide ",
        "Döbeln  Döbeln ",
        "Donnersbergkreis  Kirchheimbolanden ",
        "Düren  Düren ",
        "Eichsfeld  Heilbad Heiligenstadt ",
        "Eifelkreis Bitburg-Prüm  Bitburg ",
        "Emden; Stadt  Emden/Ostfriesland ",
        "Emsland  Meppen ",
        "Ennepe-Ruhr-Kreis  Schwelm ",
        "Euskirchen  Euskirchen ",
        "Flensburg; Stadt  Flensburg ",
        "Frankfurt (Oder); Stadt  Frankfurt(Oder) ",
        "Freiberg  Freiberg ",
        "Freyung-Grafenau  Freyung ",
        "Friesland  Jever ",
        "Fulda  Fulda ",
};

const QStringList Kasten2 = {
        "Garmisch-Partenkirchen  ",
        "Garmisch-Partenkirchen ",
        "Gifhorn  Gifhorn ",
        "Görlitz; Stadt  Görlitz ",
        "Goslar  Goslar ",
        "Gotha  Gotha ",
        "Grafschaft Bentheim  Nordhorn ",
        "Greifswald  Greifswald ",
        "Güstrow  Güstrow ",
        "Gütersloh  Gütersloh ",
        "Hamburg; Freie und Hansestadt  Hamburg ",
        "Hameln-Pyrmont  Hameln ",
        "Hamm; Stadt  Hamm ",
        "Harburg  Winsen/Luhe ",
        "Harz  Halberstadt ",
        "Havelland  Rathenow ",
        "Heinsberg  Heinsberg ",
        "Helmstedt  Helmstedt ",
        "Herford  Herford ",
        "Herzogtum Lauenburg  Ratzeburg ",
        "Hildesheim  Hildesheim ",
        "Hochsauerlandkreis  Meschede ",
        "Hof  Hof ",
        "Hof; Stadt  Hof ",
        "Höxter  Höxter ",
        "Ilm-Kreis  Arnstadt ",
        "Kempten (Allgäu); Stadt  Kempten (Allgäu) ",
        "Kiel; Landeshauptstadt  Kiel ",
        "Kleve  Kleve ",
        "Kusel  Kusel ",
        "Leer  Leer/Ostfriesland ",
        "Lippe  Detmold ",
        "Löbau-Zittau  Zittau ",
        "Lörrach  Lörrach ",
        "Lübeck; Hansestadt  Lübeck ",
        "Lüchow-Dannenberg  Lüchow; Wendland ",
        "Ludwigslust  Ludwigslust ",
        "Lüneburg  Lüneburg ",
        "Mainz-Bingen  Ingelheim ",
        "Märkischer Kreis  Lüdenscheid ",
        "Märkisch-Oderland  Seelow ",
        "Mayen-Koblenz  Koblenz ",
        "Mecklenburg-Strelitz  Neustrelitz ",
        "Meißen  Meißen ",
        "Mettmann  Mettmann ",
        "Miesbach  Miesbach ",
        "Minden-Lübbecke  Minden ",
        "Mittlerer Erzgebirgskreis  Marienberg ",
        "Mittweida  Mittweida ",
        "Mönchengladbach; Stadt  ",
        "Münster; Stadt  Münster ",
};

const QStringList Kasten3 = {
        "Müritz  Waren (Müritz) ",
        "Neubrandenburg  Neubrandenburg ",
        "Neumünster; Stadt  Neumünster ",
        "Nienburg (Weser)  Nienburg/Weser ",
        "Nordfriesland  Husum ",
        "Nordvorpommern  Grimmen ",
        "Nordwestmecklenburg  Grevesmühlen ",
        "Oberallgäu  Sonthofen ",
        "Oberbergischer Kreis  Gummersbach ",
        "Oberhavel  Oranienburg ",
        "Oldenburg  Wildeshausen ",
        "Oldenburg (Oldenburg); Stadt  ",
        "Oldenburg/Oldenburg ",
        "Olpe  Olpe ",
        "Osnabrück  Osnabrück ",
        "Osnabrück; Stadt  Osnabrück ",
        "Ostallgäu  Marktoberdorf ",
        "Osterholz  Osterholz-Scharmbeck ",
        "Ostholstein  Eutin ",
        "Ostprignitz-Ruppin  Neuruppin ",
        "Ostvorpommern  Anklam ",
        "Paderborn  Paderborn ",
        "Parchim  Parchim ",
        "Peine  Peine ",
        "Pinneberg  Pinneberg ",
        "Plön  Plön ",
        "Prignitz  Perleberg ",
        "Recklinghausen  Recklinghausen ",
        "Regen  Regen ",
        "Region Hannover  Hannover ",
        "Rendsburg-Eckernförde  Rendsburg ",
        "Reutlingen  Reutlingen ",
        "Rhein-Erft-Kreis  Bergheim ",
        "Rhein-Hunsrück-Kreis  Simmern/Hunsrück ",
        "Rhein-Kreis Neuss  Neuss ",
        "Riesa-Großenhain  Großenhain ",
        "Rostock  Rostock ",
        "Rotenburg (Wümme)  Rotenburg/Wümme ",
        "Rügen  Bergen auf Rügen ",
        "Saalekreis  Merseburg ",
        "Sächsische Schweiz  Pirna ",
        "Salzgitter; Stadt  Salzgitter ",
        "Salzlandkreis  Bernburg (Saale) ",
        "Schaumburg  Stadthagen ",
        "Schleswig-Flensburg  Schleswig ",
        "Schmalkalden-Meiningen  Meiningen ",
        "Schwalm-Eder-Kreis  Homberg (Efze) ",
        "Schwerin  Schwerin ",
        "Segeberg  Bad Segeberg ",
        "Siegen-Wittgenstein  Siegen ",
        "Soest  Soest ",
};

const QStringList Kasten4 = {
        "Soltau-Fallingbostel  Fallingbostel ",
        "Sonneberg  Sonneberg ",
        "St. Wendel  St. Wendel; Kreisstadt ",
        "Stade  Stade ",
        "Steinburg  Itzehoe ",
        "Steinfurt  Steinfurt ",
        "Stendal  Stendal ",
        "Stollberg  Stollberg ",
        "Stormarn  Bad Oldesloe ",
        "Stralsund  Stralsund ",
        "Tirschenreuth  Tirschenreuth ",
        "Trier-Saarburg  Trier ",
        "Uckermark  Prenzlau ",
        "Uecker-Randow  Pasewalk ",
        "Uelzen  Uelzen ",
        "Unna  Unna ",
        "Unstrut-Hainich-Kreis  Mühlhausen ",
        "Vechta  Vechta ",
        "Verden  Verden/Aller ",
        "Viersen  Viersen ",
        "Vogelsbergkreis  Lauterbach ",
        "Vogtlandkreis  Plauen ",
        "Vulkaneifel  Daun ",
        "Waldeck-Frankenberg  Korbach ",
        "Waldshut  Waldshut-Tiengen ",
        "Warendorf  Warendorf ",
        "Weißeritzkreis  Dippoldiswalde ",
        "Wesel  Wesel ",
        "Wesermarsch  Brake/Unterweser ",
        "Westerwaldkreis  Montabaur ",
        "Wilhelmshaven; Stadt  Wilhelmshaven ",
        "Wismar  Wismar ",
        "Wittmund  Wittmund ",
        "Wolfenbüttel  Wolfenbüttel ",
        "Wunsiedel i. Fichtelgebirge  Wunsiedel ",
};

} // namespace

class TstWindeinstufung : public QObject
{
    Q_OBJECT

private:
    static QStringList Zeilen(const QPlainTextEdit *kasten)
    {
        return kasten->toPlainText().split(QLatin1Char('\n'));
    }

    static QList<QPlainTextEdit *> Kaesten(const TWindeinstufung &fenster)
    {
        return {fenster.Spalte1, fenster.Spalte2, fenster.Spalte3, fenster.Memo1};
    }

private slots:
    void kaestenEnthaltenDieListe_data()
    {
        QTest::addColumn<int>("kasten");
        QTest::addColumn<QStringList>("erwartet");
        QTest::addColumn<int>("zeilen");
        QTest::newRow("Kasten 1") << 0 << Kasten1 << 51;
        QTest::newRow("Kasten 2") << 1 << Kasten2 << 51;
        QTest::newRow("Kasten 3") << 2 << Kasten3 << 51;
        QTest::newRow("Kasten 4") << 3 << Kasten4 << 35;
    }

    void kaestenEnthaltenDieListe()
    {
        QFETCH(int, kasten);
        QFETCH(QStringList, erwartet);
        QFETCH(int, zeilen);
        TWindeinstufung fenster;
        const QStringList ist = Zeilen(Kaesten(fenster).at(kasten));
        QCOMPARE(ist.size(), zeilen);
        QCOMPARE(erwartet.size(), zeilen);
        for (int i = 0; i < zeilen; ++i)
            QCOMPARE(ist.at(i), erwartet.at(i));
    }

    void zusammen188Zeilenund183Eintraege()
    {
        TWindeinstufung fenster;
        int zeilen = 0;
        int eintraege = 0;
        for (QPlainTextEdit *k : Kaesten(fenster)) {
            const QStringList z = Zeilen(k);
            zeilen += z.size();
            // An entry line holds the district, two blanks and the seat.
            for (const QString &zeile : z)
                if (zeile.contains(QStringLiteral("  ")) && zeile != QStringLiteral("Landkreis  Sitz"))
                    ++eintraege;
        }
        QCOMPARE(zeilen, 188);
        QCOMPARE(eintraege, 183);
    }

    void sonderzeilen()
    {
        TWindeinstufung fenster;
        const QStringList k1 = Zeilen(fenster.Spalte1);
        const QStringList k2 = Zeilen(fenster.Spalte2);
        const QStringList k3 = Zeilen(fenster.Spalte3);
        QCOMPARE(k1.at(0), QStringLiteral("Landkreis  Sitz"));
        QCOMPARE(k1.at(1), QString());
        QCOMPARE(k1.at(2), QStringLiteral("Aachen  Aachen "));
        const int breisgau = k1.indexOf(QStringLiteral("Breisgau-Hochschwarzwald  Freiburg im "));
        QVERIFY(breisgau > 0);
        QCOMPARE(k1.at(breisgau + 1), QStringLiteral("Breisgau "));
        QCOMPARE(k1.last(), QStringLiteral("Fulda  Fulda "));
        // Garmisch-Partenkirchen opens box 2, its seat on the next line.
        QCOMPARE(k2.at(0), QStringLiteral("Garmisch-Partenkirchen  "));
        QCOMPARE(k2.at(1), QStringLiteral("Garmisch-Partenkirchen "));
        const int mg = k2.indexOf(QStringLiteral("Mönchengladbach; Stadt  "));
        QVERIFY(mg > 0);
        QCOMPARE(k2.at(mg + 1), QStringLiteral("Münster; Stadt  Münster "));
        QCOMPARE(k2.last(), QStringLiteral("Münster; Stadt  Münster "));
        const int ol = k3.indexOf(QStringLiteral("Oldenburg (Oldenburg); Stadt  "));
        QVERIFY(ol > 0);
        QCOMPARE(k3.at(ol + 1), QStringLiteral("Oldenburg/Oldenburg "));
        QCOMPARE(k3.first(), QStringLiteral("Müritz  Waren (Müritz) "));
        QCOMPARE(k3.last(), QStringLiteral("Soest  Soest "));
        const QStringList k4 = Zeilen(fenster.Memo1);
        QCOMPARE(k4.first(), QStringLiteral("Soltau-Fallingbostel  Fallingbostel "));
        QCOMPARE(k4.last(), QStringLiteral("Wunsiedel i. Fichtelgebirge  Wunsiedel "));
    }

    void jedeEintragszeileEndetMitEinemBlank()
    {
        TWindeinstufung fenster;
        for (QPlainTextEdit *k : Kaesten(fenster)) {
            for (const QString &zeile : Zeilen(k)) {
                if (zeile.isEmpty() || zeile == QStringLiteral("Landkreis  Sitz"))
                    continue;
                QVERIFY2(zeile.endsWith(QLatin1Char(' ')), qPrintable(zeile));
                QVERIFY2(!zeile.endsWith(QStringLiteral("   ")), qPrintable(zeile));
            }
        }
    }

    void fensterAufbau()
    {
        TWindeinstufung fenster;
        QCOMPARE(fenster.objectName(), QStringLiteral("TWindeinstufung"));
        QCOMPARE(fenster.windowTitle(), QStringLiteral("Windeinstufung"));
        QCOMPARE(fenster.size(), QSize(1000, 776));
        QCOMPARE(fenster.Panel1->geometry(), QRect(8, 8, 977, 729));
        QCOMPARE(fenster.Label1->text(),
                 QStringLiteral("Windstarke Landkreise/Orte in Deutschland (Nicht genannte Landkreise/Orte sind windschwach)"));
        QVERIFY(fenster.Label1->font().bold());
        QCOMPARE(fenster.Spalte1->geometry(), QRect(32, 48, 220, 673));
        QCOMPARE(fenster.Spalte2->geometry(), QRect(264, 48, 220, 673));
        QCOMPARE(fenster.Spalte3->geometry(), QRect(496, 48, 220, 673));
        QCOMPARE(fenster.Memo1->geometry(), QRect(728, 48, 220, 497));
        QCOMPARE(fenster.Memo1->objectName(), QStringLiteral("Memo1"));
        QCOMPARE(fenster.Button1->geometry(), QRect(792, 600, 75, 25));
        QCOMPARE(fenster.Button1->text(), QStringLiteral("Schliessen"));
        // The heading fits its label.
        QVERIFY(QFontMetrics(fenster.Label1->font()).horizontalAdvance(fenster.Label1->text()) <= 896);
    }

    void tippenAendertNurDenEigenenKasten()
    {
        QWidget haupt;
        auto *fenster = new TWindeinstufung(&haupt);
        fenster->Oeffnen();
        const QStringList vorher2 = Zeilen(fenster->Spalte2);
        const QStringList vorher4 = Zeilen(fenster->Memo1);
        fenster->Spalte1->setFocus();
        QTest::keyClick(fenster->Spalte1, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(fenster->Spalte1, Qt::Key_Return);
        QTest::keyClicks(fenster->Spalte1, QStringLiteral("Musterkreis  Musterstadt "));
        QCOMPARE(Zeilen(fenster->Spalte1).size(), 52);
        QCOMPARE(Zeilen(fenster->Spalte1).last(), QStringLiteral("Musterkreis  Musterstadt "));
        QCOMPARE(Zeilen(fenster->Spalte2), vorher2);
        QCOMPARE(Zeilen(fenster->Memo1), vorher4);
        // A second window, as after a restart, shows the list unchanged.
        TWindeinstufung neu;
        QCOMPARE(Zeilen(neu.Spalte1), Kasten1);
    }
};

QTEST_MAIN(TstWindeinstufung)
#include "tst_windeinstufung.moc"
