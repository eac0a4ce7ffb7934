// The printed building overview as a reader gets it: a PDF of a generated
// building of 40 units, read back with poppler; and a stored line break on
// both printed documents.

#include "assessment/urteilstexte.h"
#include "building/gebaeude.h"
#include "report/ergebnisblatt.h"
#include "report/ergebnispdf.h"
#include "report/uebersichtblatt.h"
#include "popplerwerkzeuge.h"
#include "testdaten.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ventoris;

namespace {

constexpr double PunkteJeMillimeter = 72.0 / 25.4;

// Unit i of the generated building: long file names with and without blanks,
// a date of each month, both wind zones; every third unit needs a measure.
TEinheit einheit(int i)
{
    TEinheit e;
    e.gelesen = true;
    e.massnahme = i % 3 == 0 ? TMassnahme::Erforderlich : TMassnahme::NichtErforderlich;
    auto &t = e.text;
    t[SpalteDatei] = i % 2 ? QStringLiteral("Wohnung_%1_Lindenhof_Nordfluegel_Dachgeschoss.lkz").arg(i)
                           : QStringLiteral("NE %1 Seitenfluegel mit Gaube.lkz").arg(i);
    t[SpalteObjekt] = QStringLiteral("Wohnung %1").arg(i);
    t[SpalteStrasse] = QStringLiteral("Lindenstraße 12");
    t[SpalteOrt] = QStringLiteral("12345 Musterstadt");
    t[SpalteDatum] = QStringLiteral("%1.%2.2005").arg(10 + i % 18).arg(1 + i % 12, 2, 10, QLatin1Char('0'));
    t[SpalteBearbeiter] = QStringLiteral("Jörg\r\nPrüfer");
    t[SpalteGebaeudetyp] = QStringLiteral("MFH als eingeschossige Nutzungseinheit");
    t[SpalteGebaeudelage] = i % 4 ? QStringLiteral("windschwach") : QStringLiteral("windstark");
    t[SpalteFlaeche] = i == 1 ? QStringLiteral("88") : i == 2 ? QStringLiteral("101,5") : QString::number(40 + i);
    t[SpalteN50] = QStringLiteral("4,5");
    t[SpalteDruckexponent] = QStringLiteral("0,667");
    t[SpalteQualitaet] = QStringLiteral("niedrig");
    t[SpalteFeuchteschutz] = i == 1 ? QStringLiteral("7,3") : i == 2 ? QStringLiteral("123,4") : QStringLiteral("30,0");
    t[SpalteReduziert] = QStringLiteral("52,5");
    t[SpalteNennlueftung] = QStringLiteral("75,0");
    t[SpalteIntensiv] = QStringLiteral("97,5");
    t[SpalteInfiltration] = e.massnahme == TMassnahme::Erforderlich ? QStringLiteral("20,2") : QStringLiteral("40,4");
    t[SpalteMassnahme] = MassnahmeText(e.massnahme);
    t[SpalteErgebnis1] = e.massnahme == TMassnahme::Erforderlich ? urteilstext::S1 : urteilstext::S2;
    t[SpalteErgebnis2] = urteilstext::S4;
    t[SpalteErgebnis3] = e.massnahme == TMassnahme::Erforderlich ? QString() : urteilstext::S5;
    return e;
}

QString seitenText(const QString &pdf, int seite)
{
    return QString::fromUtf8(poppler::Ausfuehren(
        QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(seite),
                                      QStringLiteral("-l"), QString::number(seite), pdf, QStringLiteral("-")}));
}

} // namespace

class TstUebersichtblatt : public QObject
{
    Q_OBJECT
    QTemporaryDir m_ordner;

private slots:
    void vierzigEinheiten();
    void zeilenumbruchGedruckt();
};

void TstUebersichtblatt::vierzigEinheiten()
{
    if (!poppler::Vorhanden())
        QSKIP("poppler-utils fehlen");
    // given in descending order, which the pages keep
    QVector<TEinheit> einheiten;
    for (int i = 40; i >= 1; --i)
        einheiten << einheit(i);
    const TBlatt blatt = UebersichtblattAufbauen(QStringLiteral("/haus/Lindenhof"), einheiten, SummeBilden(einheiten),
                                                 testdaten::Viertelbild(600, 150), QDate(2026, 3, 5),
                                                 QStringLiteral("windstark"));
    const QString pdf = m_ordner.filePath(QStringLiteral("uebersicht.pdf"));
    QCOMPARE(BlattPdfSchreiben(blatt, pdf, QPageLayout::Landscape, QStringLiteral("Gebäudeübersicht")), std::nullopt);

    const int seiten = poppler::Info(pdf, QStringLiteral("Pages")).toInt();
    QStringList text;
    for (int s = 1; s <= seiten; ++s)
        text << seitenText(pdf, s);
    QVERIFY2(seiten >= 2 && text.last().contains(QStringLiteral("Feuchteschutz und Infiltration je Nutzungseinheit")),
             qPrintable(text.last()));
    // at most three pages of table, then the chart
    QVERIFY2(seiten <= 4, qPrintable(QString::number(seiten)));
    QString tabelle;
    for (int s = 1; s <= seiten; ++s) {
        QVERIFY(text[s - 1].contains(QStringLiteral("Seite %1 von %2").arg(s).arg(seiten)));
        // what every unit shares, and the filter, in each page's head
        QVERIFY(text[s - 1].contains(QStringLiteral("Strasse, Nr.: Lindenstraße 12")));
        QVERIFY(text[s - 1].contains(QStringLiteral("Filter: „windstark“")));
        QVERIFY(text[s - 1].contains(QStringLiteral("40 Nutzungseinheiten – Lüftungstechnische Maßnahme: 13 von 40 erforderlich")));
        QCOMPARE(text[s - 1].count(QStringLiteral("Lindenstraße")), 1);
        if (s < seiten) {
            QVERIFY(QRegularExpression(QStringLiteral("Datei .* FL +RL +NL +IL +Inf\\. +Maßnahme")).match(text[s - 1]).hasMatch());
            tabelle += text[s - 1];
        }
    }
    // every file name whole on one line, in the order given; every date whole
    qsizetype vorher = -1;
    for (const TEinheit &e : einheiten) {
        const qsizetype an = tabelle.indexOf(e.text[SpalteDatei]);
        QVERIFY2(an > vorher, qPrintable(e.text[SpalteDatei]));
        vorher = an;
        QVERIFY2(tabelle.contains(e.text[SpalteDatum]), qPrintable(e.text[SpalteDatum]));
    }
    // 88 + 101,5 + (43 + ... + 80) m², 7,3 + 123,4 + 38 * 30 FL, 13 * 20,2 + 27 * 40,4 Inf.
    QVERIFY(tabelle.contains(QRegularExpression(QStringLiteral(
        "Summe +40 Nutzungseinheiten +2526,5 +1270,7 +2100,0 +3000,0 +3900,0 +1353,4 +13 von 40 erforderlich"))));
    // no word split by an added hyphen: the only word ending in one is the
    // verdict sentence's own "Nenn- und reduzierter Lüftung"
    const QVector<poppler::TWort> woerter = poppler::Woerter(pdf);
    for (const poppler::TWort &w : woerter)
        QVERIFY2(!w.text.endsWith(QLatin1Char('-')) || w.text == QLatin1String("Nenn-"), qPrintable(w.text));
    QVERIFY(!tabelle.contains(QStringLiteral("JörgPrüfer")));
    // the short heads explained in the footer
    for (const char *eintrag : {"FL Feuchteschutz", "RL reduzierte Lüftung", "NL Nennlüftung", "IL Intensivlüftung",
                                "Inf. Infiltration"})
        QVERIFY2(tabelle.contains(QString::fromUtf8(eintrag)), eintrag);

    // figures on the decimal comma: "7,3" under "123,4"; "88" ends where the
    // comma of "101,5" starts, the width of ",5" (0,834 em of a 2,686 mm em,
    // 3 mm cell) = 6,35 pt further left
    auto wort = [&](const QString &t) {
        const auto it = std::find_if(woerter.cbegin(), woerter.cend(), [&](const poppler::TWort &w) { return w.text == t; });
        return it == woerter.cend() ? poppler::TWort{} : *it;
    };
    QVERIFY(qAbs(wort(QStringLiteral("7,3")).xMax - wort(QStringLiteral("123,4")).xMax) < 0.5);
    QVERIFY(qAbs(wort(QStringLiteral("101,5")).xMax - wort(QStringLiteral("88")).xMax - 6.35) < 1.0);
    QVERIFY(wort(QStringLiteral("88")).xMax > 150 * PunkteJeMillimeter);

    // the chart is drawn, not a picture: the logos are the only images
    QCOMPARE(poppler::Bilder(pdf).size(), seiten);
}

// A line break stored in a text prints as a break or a blank; the words
// never run together. Both printed documents.
void TstUebersichtblatt::zeilenumbruchGedruckt()
{
    if (!poppler::Vorhanden())
        QSKIP("poppler-utils fehlen");
    TBlattDaten daten = testdaten::Bewertungsfall();
    daten.Edit7 = QStringLiteral("Jörg\r\nPrüfer");
    daten.Edit2 = QStringLiteral("Haus\nLinde");
    const QString ergebnis = m_ordner.filePath(QStringLiteral("ergebnis.pdf"));
    QCOMPARE(ErgebnisPdfSchreiben(ErgebnisblattAufbauen(daten), ergebnis), std::nullopt);
    const QString blatt = QString::fromUtf8(poppler::Ausfuehren(QStringLiteral("pdftotext"), {ergebnis, QStringLiteral("-")}));
    QVERIFY2(blatt.contains(QStringLiteral("Jörg Prüfer")) && blatt.contains(QStringLiteral("Haus Linde")), qPrintable(blatt));

    QVector<TEinheit> einheiten{einheit(1), einheit(2)};
    einheiten[0].text[SpalteObjekt] = QStringLiteral("Haus\nLinde");
    einheiten[1].text[SpalteObjekt] = QStringLiteral("Haus\u2028Eiche");
    const QString uebersicht = m_ordner.filePath(QStringLiteral("zwei.pdf"));
    QCOMPARE(BlattPdfSchreiben(UebersichtblattAufbauen(QStringLiteral("/haus"), einheiten, SummeBilden(einheiten),
                                                       QImage(), QDate(2026, 3, 5)),
                               uebersicht, QPageLayout::Landscape, QStringLiteral("Gebäudeübersicht")),
             std::nullopt);
    const QString text = seitenText(uebersicht, 1);
    for (const char *verklebt : {"HausLinde", "HausEiche", "JörgPrüfer"})
        QVERIFY2(!text.contains(QString::fromUtf8(verklebt)), verklebt);
    for (const char *wort : {"Linde", "Eiche", "Jörg", "Prüfer"})
        QVERIFY2(text.contains(QString::fromUtf8(wort)), wort);
}

QTEST_MAIN(TstUebersichtblatt)
#include "tst_uebersichtblatt.moc"
