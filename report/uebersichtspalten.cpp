#include "report/uebersichtspalten.h"

#include "report/blattzeichnen.h"
#include "report/textumbruch.h"

#include <algorithm>
#include <cmath>

namespace ventoris {

namespace {

using A = TAusrichtung;

// The printed columns from left to right. A column for another text of the
// unit is one more line here.
constexpr bool Kopf = true, Zeile = false;      // inDenKopf
constexpr bool Kuerzbar = true, Ganz = false;   // kuerzbar
constexpr TDruckspalte Druckspalten[] = {
    {SpalteDatei, "Datei", "", 650, A::Links, Zeile, Ganz, ""},
    {SpalteObjekt, "Objekt", "", 450, A::Links, Kopf, Kuerzbar, ""},
    {SpalteStrasse, "Strasse, Nr.", "", 400, A::Links, Kopf, Kuerzbar, ""},
    {SpalteOrt, "PLZ, Ort", "", 400, A::Links, Kopf, Kuerzbar, ""},
    {SpalteDatum, "Datum", "", 250, A::Links, Kopf, Ganz, ""},
    {SpalteBearbeiter, "Bearbeiter", "", 350, A::Links, Kopf, Kuerzbar, ""},
    {SpalteGebaeudetyp, "Gebäudetyp", "", 330, A::Links, Kopf, Kuerzbar, ""},
    {SpalteGebaeudelage, "Lage", "", 250, A::Links, Kopf, Ganz, ""},
    {SpalteFlaeche, "ANE", "m²", 250, A::Komma, Zeile, Ganz, "ANE Fläche der Nutzungseinheit"},
    {SpalteN50, "n50", "1/h", 250, A::Komma, Kopf, Ganz, "n50 Luftdichtheit"},
    {SpalteDruckexponent, "n", "", 250, A::Komma, Kopf, Ganz, "n Druckexponent"},
    {SpalteQualitaet, "WS", "", 250, A::Links, Kopf, Ganz, "WS Qualität Wärmeschutz"},
    {SpalteFeuchteschutz, "FL", "m³/h", 250, A::Komma, Zeile, Ganz, "FL Feuchteschutz"},
    {SpalteReduziert, "RL", "m³/h", 250, A::Komma, Zeile, Ganz, "RL reduzierte Lüftung"},
    {SpalteNennlueftung, "NL", "m³/h", 250, A::Komma, Zeile, Ganz, "NL Nennlüftung"},
    {SpalteIntensiv, "IL", "m³/h", 250, A::Komma, Zeile, Ganz, "IL Intensivlüftung"},
    {SpalteInfiltration, "Inf.", "m³/h", 250, A::Komma, Zeile, Ganz, "Inf. Infiltration"},
    {FeldUrteil, "Maßnahme", "", 450, A::Links, Zeile, Ganz, ""},
    {FeldSaetze, "Sätze", "", 250, A::Links, Zeile, Ganz, "Sätze Nummern der Ergebnissätze am Ende der Tabelle"},
    {FeldBilanz, "Bilanz", "", 420, A::Links, Zeile, Ganz,
     "Bilanz System · ALD zu bestellen, zu deckender Volumenstrom · Summe Abluft (Abl., m³/h)"},
    {SpalteHinweis, "Hinweis", "", 500, A::Links, Kopf, Kuerzbar, ""},
};

// The balance in two lines: the system in a word and the ALDs to order,
// then the flow to supply and the exhaust rooms' sum.
QString bilanzText(const TEinheit &e)
{
    const QString punkt = QStringLiteral("\u00A0·\u00A0");
    QString system = e.text[SpalteSystem];
    system = system.mid(system.indexOf(QLatin1Char(':')) + 1).trimmed();
    QStringList oben, unten;
    if (!system.isEmpty())
        oben << system;
    if (!e.text[SpalteAldAnzahl].isEmpty())
        oben << e.text[SpalteAldAnzahl] + QStringLiteral("\u00A0ALD");
    if (!e.text[SpalteZuDecken].isEmpty())
        unten << e.text[SpalteZuDecken] + QStringLiteral("\u00A0m³/h");
    if (!e.text[SpalteAbluftSumme].isEmpty())
        unten << QStringLiteral("Abl.\u00A0") + e.text[SpalteAbluftSumme];
    QStringList zeilen;
    for (const QStringList &teile : {oben, unten})
        if (!teile.isEmpty())
            zeilen << teile.join(punkt);
    return zeilen.join(QLatin1Char('\n'));
}

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

// Where a figure is split for alignment: its whole part, then the comma and the decimals.
std::pair<QString, QString> ganzUndBruch(const QString &zahl)
{
    const qsizetype komma = zahl.indexOf(QLatin1Char(','));
    return komma < 0 ? std::pair{zahl, QString()} : std::pair{zahl.left(komma), zahl.mid(komma)};
}

// Widths a column needs, without the cells' edges: the narrowest that splits
// no word, the narrowest in which (nearly) every text fits its lines, and the
// natural one that needs no break.
struct TBedarf {
    qreal mindest = 0;
    qreal zeilen = 0;
    qreal natur = 0;
    qreal bruch = 0; // Komma columns: the widest comma and decimals
};

// What a column needs for its head and its cells in the table's fonts.
TBedarf spaltenBedarf(const TDruckTabelle &t, const TGesetzteSpalte &s, const QVector<TEinheit> &einheiten,
                      const TEinheit &summe)
{
    const TDruckspalte &d = *s.art;
    TBedarf b;
    const QString kopf = utf8(d.kopf), einheit = utf8(d.einheit);
    b.mindest = std::max(BreitestesWort(kopf, t.fett), BlattTextBreite(t.fett, einheit));
    b.natur = std::max(BlattTextBreite(t.fett, kopf), b.mindest);
    qreal ganz = 0, wort = 0, absatz = 0, zeilen = 0;
    auto messen = [&](const QString &text, TSchrift schrift) {
        if (d.ausrichtung == A::Komma) {
            const auto [g, r] = ganzUndBruch(text);
            ganz = std::max(ganz, BlattTextBreite(schrift, g));
            b.bruch = std::max(b.bruch, BlattTextBreite(schrift, r));
            return;
        }
        const qreal w = BreitestesWort(text, schrift);
        wort = std::max(wort, w);
        absatz = std::max(absatz, BreitesterAbsatz(text, schrift));
        // an estimate: the lines share the text with a fifth to spare for the breaks
        qreal summe = 0;
        for (const QString &a : Absaetze(text))
            summe += BlattTextBreite(schrift, a);
        zeilen = std::max(zeilen, std::max(w, summe * 1.2 / HoechstZeilen));
    };
    for (const TEinheit &e : einheiten)
        messen(t.Text(e, s, false), d.feld == FeldUrteil ? t.fett : t.schrift);
    messen(t.Text(summe, s, true), t.fett);
    if (d.feld == FeldUrteil) {
        // "nicht erforderlich" is read as one word
        for (const TEinheit &e : einheiten)
            wort = std::max(wort, BlattTextBreite(t.fett, MassnahmeText(e.massnahme)));
        wort += MarkeBreite + MarkeAbstand;
        absatz += MarkeBreite + MarkeAbstand;
    }
    const qreal innen = d.hoechstens - 2 * t.rand;
    if (d.ausrichtung == A::Komma) {
        b.mindest = std::max(b.mindest, std::min(ganz + b.bruch, innen));
        b.natur = std::max(b.natur, ganz + b.bruch);
    } else {
        b.mindest = std::max(b.mindest, wort);
        b.natur = std::max({b.natur, b.mindest, std::min(absatz, innen)});
    }
    // the measure and its reason are not broken further
    b.zeilen = d.feld == FeldUrteil ? b.natur : std::clamp(zeilen, b.mindest, b.natur);
    // whole units of the layout, so that the box never rounds below the text
    b.mindest = std::ceil(b.mindest);
    b.zeilen = std::ceil(b.zeilen);
    b.natur = std::ceil(b.natur);
    return b;
}

} // namespace

bool Markiert(const TEinheit &e)
{
    return e.massnahme == TMassnahme::Erforderlich;
}

TDruckTabelle::TDruckTabelle(const QVector<TEinheit> &einheiten, const TEinheit &summe, int breite)
{
    for (const TEinheit &e : einheiten)
        for (int k : {SpalteErgebnis1, SpalteErgebnis2, SpalteErgebnis3})
            if (!e.text[size_t(k)].isEmpty() && !saetze.contains(e.text[size_t(k)]))
                saetze << e.text[size_t(k)];

    for (const TDruckspalte &d : Druckspalten) {
        const TGesetzteSpalte s{&d};
        if (d.inDenKopf) {
            // rows of unreadable files have no text here and share everything
            QStringList werte;
            for (const TEinheit &e : einheiten)
                if (e.gelesen || !e.text[size_t(d.feld)].isEmpty())
                    werte << e.text[size_t(d.feld)];
            werte.removeDuplicates();
            if (werte.size() <= 1) {
                if (!werte.value(0).isEmpty())
                    gemeinsam.append({SpaltenKoepfe().value(d.feld), werte.value(0)});
                continue;
            }
        }
        const bool leer = Text(summe, s, true).isEmpty() &&
                          std::all_of(einheiten.cbegin(), einheiten.cend(),
                                      [&](const TEinheit &e) { return Text(e, s, false).isEmpty(); });
        if (!leer)
            spalten.append(s);
    }
    auslegen(einheiten, summe, breite);
}

void TDruckTabelle::auslegen(const QVector<TEinheit> &einheiten, const TEinheit &summe, int breite)
{
    QVector<TBedarf> bedarf;
    qreal mindest = 0, zeilen = 0, natur = 0, kuerzbar = 0;
    auto messen = [&] {
        bedarf.clear();
        mindest = zeilen = natur = kuerzbar = 0;
        for (const TGesetzteSpalte &s : std::as_const(spalten)) {
            bedarf << spaltenBedarf(*this, s, einheiten, summe);
            mindest += bedarf.last().mindest + 2 * rand;
            zeilen += bedarf.last().zeilen + 2 * rand;
            natur += bedarf.last().natur + 2 * rand;
            if (s.art->kuerzbar)
                kuerzbar += bedarf.last().mindest + 2 * rand;
        }
    };
    messen();
    if (zeilen > breite) {
        schrift = TSchrift::Eng;
        fett = TSchrift::EngFett;
        zeile = 28;
        rand = 6;
        messen();
    }

    // Natural widths where they fit. Else every column gives up the same share
    // of what it has beyond the width for its lines; where that is too much,
    // beyond its narrowest, so that no word is cut. Where even that is too
    // wide, the descriptive texts give up room to the figures, dates and file
    // names, and their longest words end in "…"; as a last resort, all do.
    const qreal rest = kuerzbar - (mindest - breite); // what the descriptive texts keep
    int links = 0;
    for (qsizetype i = 0; i < spalten.size(); ++i) {
        const TBedarf &b = bedarf[i];
        const qreal eng = b.mindest + 2 * rand;
        qreal w = b.natur + 2 * rand;
        if (natur <= breite)
            w *= breite / natur; // the table fills the page's width
        else if (zeilen <= breite)
            w = b.zeilen + 2 * rand + (b.natur - b.zeilen) * (breite - zeilen) / (natur - zeilen);
        else if (mindest <= breite)
            w = eng + (b.zeilen - b.mindest) * (breite - mindest) / (zeilen - mindest);
        else if (rest > 0)
            w = spalten[i].art->kuerzbar ? eng * rest / kuerzbar : eng;
        else
            w = eng * breite / mindest;
        // rounded down, so that the columns never pass the right margin; the
        // last one takes what the rounding left
        spalten[i].links = links;
        spalten[i].breite = i == spalten.size() - 1 ? std::max(0, breite - links) : int(w);
        spalten[i].komma = spalten[i].breite - rand - b.bruch;
        links += spalten[i].breite;
    }
}

QString TDruckTabelle::Text(const TEinheit &e, const TGesetzteSpalte &s, bool summe) const
{
    switch (s.art->feld) {
    case FeldUrteil: {
        if (summe)
            return e.text[SpalteMassnahme];
        const QString grund = MassnahmeGrund(e);
        return grund.isEmpty() ? MassnahmeText(e.massnahme) : MassnahmeText(e.massnahme) + QLatin1Char('\n') + grund;
    }
    case FeldSaetze:
        return summe ? QString() : saetzeText(e);
    case FeldBilanz:
        return bilanzText(e);
    default:
        return e.text[size_t(s.art->feld)];
    }
}

QString TDruckTabelle::saetzeText(const TEinheit &e) const
{
    QStringList nummern;
    for (int k : {SpalteErgebnis1, SpalteErgebnis2, SpalteErgebnis3})
        if (!e.text[size_t(k)].isEmpty())
            nummern << QString::number(saetze.indexOf(e.text[size_t(k)]) + 1);
    // a middle dot, since "1, 4" would read as a decimal; no-break spaces keep
    // the numbers on one line
    return nummern.join(QStringLiteral("\u00A0·\u00A0"));
}

QStringList TDruckTabelle::Legende() const
{
    QStringList eintraege;
    for (const TGesetzteSpalte &s : spalten)
        if (*s.art->legende)
            eintraege << utf8(s.art->legende);
    return eintraege;
}

} // namespace ventoris
