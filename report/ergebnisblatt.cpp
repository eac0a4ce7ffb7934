#include "report/ergebnisblatt.h"

#include "reference/adressen.h"

namespace ventoris {

namespace {

// Positions are written in millimetres times ten, as the layout tables give them.
constexpr int LinksSpalte = 150;
constexpr int LinksWert = 550;
constexpr int GebaeudeWert = 750;
constexpr int GebaeudeEinheit = 850;
constexpr int RechtsSpalte = 1050;
constexpr int RechtsWert = 1750;
constexpr int RechtsEinheit = 1850;

const QString KategorieEingeschossig =
    QStringLiteral("freie Lüftung bei Modernisierung als eingeschossige NE");
const QString KategorieMehrgeschossig =
    QStringLiteral("freie Lüftung bei Modernisierung als mehrgeschossige NE");

class TSeite1
{
public:
    explicit TSeite1(TBlatt &blatt) : m_blatt(blatt) {}

    // An empty text is left out; the label beside it is a text of its own.
    void text(int oben, int links, TSchrift schrift, const QString &text)
    {
        if (!text.isEmpty())
            m_blatt.texte.append({1, links, oben, schrift, text});
    }
    void abschnitt(int oben, int links, const QString &t) { text(oben, links, TSchrift::Abschnitt, t); }
    void zeile(int oben, int links, const QString &t) { text(oben, links, TSchrift::Text, t); }

private:
    TBlatt &m_blatt;
};

QString JaNein(bool ja)
{
    return ja ? QStringLiteral("ja") : QStringLiteral("nein");
}

void Objektdaten(TSeite1 &s, const TBlattDaten &d, const QString &datum,
                 const QString &titel = QStringLiteral("Bewertung lüftungstechnischer Maßnahmen nach DIN 1946-6 Kap. 4.2"))
{
    s.text(700, LinksSpalte, TSchrift::Titel, titel);
    s.abschnitt(800, LinksSpalte, QStringLiteral("Objektdaten:"));
    s.zeile(850, LinksSpalte, QStringLiteral("Objektbezeichnung: "));
    s.zeile(850, LinksWert, d.Edit2);
    s.zeile(900, LinksSpalte, QStringLiteral("Strasse, Nr: "));
    s.zeile(900, LinksWert, d.Edit1);
    s.zeile(950, LinksSpalte, QStringLiteral("PLZ, Ort: "));
    s.zeile(950, LinksWert, d.Edit4);
    s.abschnitt(1050, LinksSpalte, QStringLiteral("Bearbeiterdaten:"));
    s.zeile(1100, LinksSpalte, QStringLiteral("Bearbeiter: "));
    s.zeile(1100, LinksWert, d.Edit7);
    s.zeile(1150, LinksSpalte, QStringLiteral("Firmenname: "));
    s.zeile(1150, LinksWert, d.Edit3);
    s.zeile(1200, LinksSpalte, QStringLiteral("Firmenadresse: "));
    s.zeile(1200, LinksWert, d.Edit9);
    s.zeile(1250, LinksSpalte, QStringLiteral("Bearbeitungsdatum: "));
    s.zeile(1250, LinksWert, datum);
}

void GebaeudeUndLuftdichtheit(TSeite1 &s, const TBlattDaten &d)
{
    s.abschnitt(1350, LinksSpalte, QStringLiteral("Gebäudedaten:"));
    s.zeile(1400, LinksSpalte, QStringLiteral("Gebäudetyp: "));
    s.zeile(1450, LinksSpalte, d.ComboBox1);
    s.zeile(1500, LinksSpalte, QStringLiteral("Gebäudelage: "));
    s.zeile(1500, GebaeudeWert, d.ComboBox2);
    s.zeile(1550, LinksSpalte, QStringLiteral("Fläche Nutzungseinheit: "));
    if (d.Edit6.isEmpty()) {
        s.zeile(1550, GebaeudeWert, QStringLiteral("keine Eingabe"));
    } else {
        s.zeile(1550, GebaeudeWert, d.Edit6);
        s.zeile(1550, GebaeudeEinheit, QStringLiteral("m²"));
    }

    s.abschnitt(1800, LinksSpalte, QStringLiteral("Luftdichtheit:"));
    s.zeile(1850, LinksSpalte, QStringLiteral("Messwert Luftdichtheit vorhanden: "));
    s.zeile(1850, GebaeudeWert, d.ComboBox5);
    s.zeile(1900, LinksSpalte, QStringLiteral("n50: "));
    s.zeile(1900, GebaeudeWert, d.Edit8);
    s.zeile(1900, GebaeudeEinheit, QStringLiteral(" 1/h"));
    s.zeile(1950, LinksSpalte, QStringLiteral("Druckexponent n: "));
    s.zeile(1950, GebaeudeWert, d.Edit10);

    if (d.ComboBox5 != QLatin1String("nein"))
        return;
    s.zeile(2000, LinksSpalte, QStringLiteral("Vorgabewert(Kategorie) Auslegungsluftwechsel: "));
    // The two long modernisation categories would run into the right column,
    // so they are broken after "Modernisierung".
    if (d.ComboBox6 == KategorieEingeschossig) {
        s.zeile(2050, LinksSpalte, QStringLiteral("freie Lüftung bei Modernisierung"));
        s.zeile(2100, LinksSpalte, QStringLiteral(" als eingeschossige NE"));
    } else if (d.ComboBox6 == KategorieMehrgeschossig) {
        s.zeile(2050, LinksSpalte, QStringLiteral("freie Lüftung bei Modernisierung"));
        s.zeile(2100, LinksSpalte, QStringLiteral(" als mehrgeschossige NE"));
    } else {
        s.zeile(2050, LinksSpalte, d.ComboBox6);
    }
}

void WaermeschutzUndErgebnisse(TSeite1 &s, const TBlattDaten &d)
{
    const int x = RechtsSpalte;
    s.abschnitt(1350, x, QStringLiteral("Abfrage Verfahren DIN 18017-3:"));
    s.zeile(1400, x, QStringLiteral("fensterloser Raum: "));
    s.zeile(1400, RechtsWert, JaNein(d.RadioGroup1 == 0));
    s.zeile(1450, x, QStringLiteral("Anforderungen an die Nutzungseinheit: "));
    s.zeile(1450, RechtsWert, JaNein(d.RadioGroup2 == 0));

    s.abschnitt(1550, x, QStringLiteral("Wärmeschutzstandard:"));
    s.zeile(1600, x, QStringLiteral("Neubauniveau: "));
    s.zeile(1600, RechtsWert, d.ComboBox7);
    if (d.ComboBox7 == QLatin1String("nein")) {
        s.zeile(1650, x, QStringLiteral("Baujahr: "));
        s.zeile(1650, RechtsWert, d.Edit11);
        s.zeile(1700, x, QStringLiteral("Sanierung nach WSVO: "));
        s.zeile(1700, RechtsWert, d.ComboBox8);
    }

    s.abschnitt(1800, x, QStringLiteral("Ergebnisse:"));
    s.zeile(1850, x, QStringLiteral("Qualität Wärmeschutz nach DIN 1946-6: "));
    s.zeile(1850, RechtsWert, d.Label26);
    s.zeile(1900, x, QStringLiteral("wirksame Lüftung zur Infiltration: "));
    s.zeile(1900, RechtsWert, d.Label28);
    s.zeile(1900, RechtsEinheit, QStringLiteral("m³/h "));
    s.zeile(1950, x, QStringLiteral("Lüftungsstufen: "));
    s.zeile(2000, x, QStringLiteral("notwendige Lüftung zum Feuchteschutz: "));
    s.zeile(2000, RechtsWert, d.Label27);
    s.zeile(2000, RechtsEinheit, QStringLiteral("m³/h"));
    s.zeile(2050, x, QStringLiteral("reduzierte Lüftung:"));
    s.zeile(2050, RechtsWert, d.Label38);
    s.zeile(2050, RechtsEinheit, QStringLiteral("m³/h"));
    s.zeile(2100, x, QStringLiteral("Nennlüftung: "));
    s.zeile(2100, RechtsWert, d.Label39);
    s.zeile(2100, RechtsEinheit, QStringLiteral("m³/h"));
    s.zeile(2150, x, QStringLiteral("Intensivlüftung: "));
    s.zeile(2150, RechtsWert, d.Label74);
    s.zeile(2150, RechtsEinheit, QStringLiteral("m³/h"));
}

void Din18017Block(TSeite1 &s)
{
    s.abschnitt(1600, LinksSpalte, QStringLiteral("Auslegung erfolgt nach DIN 18017-3"));
    s.abschnitt(1750, LinksSpalte, QStringLiteral("Lüftung von Bädern und Toilettenräumen"));
    s.abschnitt(1800, LinksSpalte, QStringLiteral("ohne Außenfenster, mit Ventilatoren"));
}

void Unterschrift(TSeite1 &s, const TBlattDaten &d, const QString &datum)
{
    s.zeile(2750, LinksSpalte, QStringLiteral("Datum: ") + datum);
    s.zeile(2750, RechtsSpalte, QStringLiteral("Unterschrift:__________________________________"));
    s.text(2800, LinksSpalte, TSchrift::Fusszeile,
           QLatin1String(Produktname) + QStringLiteral(" Lüftungskonzept ") + QLatin1String(VerlagName)
               + QLatin1Char(' ') + QLatin1String(VerlagWebadresse) + QLatin1Char(' ') + d.Label30);
}

void Schlussteil(TSeite1 &s, const TBlattDaten &d, const QString &datum)
{
    s.abschnitt(2200, LinksSpalte, QStringLiteral("Zusätzliche Anforderungen an Schall, Hygiene, Effizienz:"));
    // List order of the ticks: "nein", Schall, Raumluftqualität, Energieeffizienz;
    // the sheet lists energy efficiency before air quality.
    if (d.Anforderung[0])
        s.zeile(2250, LinksSpalte, QStringLiteral("keine zusätzlichen Anforderungen gewählt"));
    if (d.Anforderung[1])
        s.zeile(2250, LinksSpalte, QStringLiteral("erhöhte Schallschutzanforderungen"));
    if (d.Anforderung[3])
        s.zeile(2300, LinksSpalte, QStringLiteral("erhöhte Energieeffizienz"));
    if (d.Anforderung[2])
        s.zeile(2350, LinksSpalte, QStringLiteral("erhöhte Anforderungen der Raumluftqualität"));

    s.abschnitt(2450, LinksSpalte, QStringLiteral("Zusammenfassung/Schlussfolgerung:"));
    s.zeile(2500, LinksSpalte, d.Label31);
    s.zeile(2550, LinksSpalte, d.Label49);
    s.zeile(2600, LinksSpalte, d.Label63);

    Unterschrift(s, d, datum);
}

} // namespace

int ZellenHoehe(TSchrift schrift)
{
    switch (schrift) {
    case TSchrift::Titel:
        return 60;
    case TSchrift::Abschnitt:
    case TSchrift::Text:
        return 40;
    case TSchrift::Fusszeile:
        return 30;
    case TSchrift::Tabelle:
    case TSchrift::TabelleFett:
        return 30;
    case TSchrift::Eng:
    case TSchrift::EngFett:
        return 24;
    }
    return 40;
}

bool IstFett(TSchrift schrift)
{
    return schrift == TSchrift::Titel || schrift == TSchrift::Abschnitt || schrift == TSchrift::TabelleFett ||
           schrift == TSchrift::EngFett;
}

QString Druckdatum(const TBlattDaten &daten)
{
    const QDate tag = daten.Druckdatum.isValid() ? daten.Druckdatum : QDate::currentDate();
    return tag.toString(QStringLiteral("dd.MM.yy"));
}

void BlattKopfUndFuss(TBlatt &blatt, const TBlattDaten &daten, const QString &titel)
{
    blatt.bilder.append({1, 150, 150, 1650, 450, daten.Logo});
    TSeite1 s(blatt);
    Objektdaten(s, daten, Druckdatum(daten), titel);
    Unterschrift(s, daten, Druckdatum(daten));
}

TBlatt ErgebnisblattAufbauen(const TBlattDaten &daten)
{
    TBlatt blatt;
    blatt.seiten = 2;
    const QString datum = Druckdatum(daten);

    blatt.bilder.append({1, 150, 150, 1650, 450, daten.Logo});

    TSeite1 s(blatt);
    Objektdaten(s, daten, datum);
    // Windowless rooms without further requirements are designed under DIN 18017-3;
    // so is a case in which the question was not answered yet.
    const bool bewertung = daten.RadioGroup1 == 1 || (daten.RadioGroup1 == 0 && daten.RadioGroup2 == 0);
    if (bewertung) {
        GebaeudeUndLuftdichtheit(s, daten);
        WaermeschutzUndErgebnisse(s, daten);
    } else {
        Din18017Block(s);
    }
    Schlussteil(s, daten, datum);

    blatt.bilder.append({2, 50, 150, 1944, 1540, daten.Uebersicht});
    return blatt;
}

} // namespace ventoris
