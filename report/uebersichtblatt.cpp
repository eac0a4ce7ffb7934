#include "report/uebersichtblatt.h"

#include "report/blattzeichnen.h"
#include "report/textumbruch.h"
#include "report/uebersichtdiagramm.h"
#include "report/uebersichtspalten.h"

namespace ventoris {

namespace {

// A4 landscape in 0.1 mm, with a margin of 10 mm all round.
constexpr int Breite = 2970, Hoehe = 2100, Rand = 100;
constexpr int Innen = Breite - 2 * Rand;
constexpr int KopfLinks = 800;
// Line pitch of the table's font, and the space above and below a row's lines.
constexpr int Zeile = 34, ZeilenRand = 8;
constexpr int FussOben = Hoehe - Rand - 30;
constexpr int FussZeile = 34;
constexpr int Haarlinie = 2;

class TSetzer
{
public:
    explicit TSetzer(TBlatt &blatt) : m_blatt(blatt) {}

    void text(int seite, int links, int oben, TSchrift schrift, const QString &t)
    {
        if (!t.isEmpty())
            m_blatt.texte.append({seite, links, oben, schrift, t});
    }
    void linie(int seite, int oben) { m_blatt.linien.append({seite, Rand, oben, Breite - Rand, oben}); }
    void haarlinie(int seite, int oben)
    {
        m_blatt.flaechen.append({seite, Rand, oben, Breite - Rand, oben + Haarlinie, TFuellung::Hellgrau});
    }
    void marke(int seite, int links, int oben, TSchrift schrift)
    {
        // a square in the middle of the text's line
        const int y = oben + (ZellenHoehe(schrift) - MarkeBreite) / 2;
        m_blatt.flaechen.append({seite, links, y, links + MarkeBreite, y + MarkeBreite, TFuellung::Schwarz});
    }

private:
    TBlatt &m_blatt;
};

// One row of the table: the lines of each cell, each with its font and its
// start from the cell's left edge.
struct TZellenZeile {
    QString text;
    TSchrift schrift;
    int links;
};
using TZelle = QVector<TZellenZeile>;
struct TReihe {
    QVector<TZelle> zellen;
    bool marke = false;
    int zeile = Zeile; // line pitch
    int hoehe() const
    {
        qsizetype n = 1;
        for (const TZelle &z : zellen)
            n = std::max(n, z.size());
        return int(n) * zeile + 2 * ZeilenRand;
    }
};

TReihe reiheSetzen(const TDruckTabelle &tabelle, const TEinheit &e, bool summe)
{
    TReihe r;
    r.marke = !summe && Markiert(e);
    r.zeile = tabelle.zeile;
    const TSchrift grund = summe ? tabelle.fett : tabelle.schrift;
    for (const TGesetzteSpalte &s : tabelle.spalten) {
        TZelle z;
        const QString text = tabelle.Text(e, s, summe);
        const qreal breite = BlattTextBreite(grund, text);
        if (s.art->ausrichtung == TAusrichtung::Komma && breite <= s.breite - 2 * tabelle.rand) {
            const qsizetype komma = text.indexOf(QLatin1Char(','));
            const qreal ganz = BlattTextBreite(grund, komma < 0 ? text : text.left(komma));
            // on the comma where the box allows, else flush right
            const qreal links = std::min(s.komma - ganz, s.breite - tabelle.rand - breite);
            z.append({text, grund, int(std::max<qreal>(tabelle.rand, links))});
            r.zellen.append(z);
            continue;
        }
        const bool urteil = s.art->feld == FeldUrteil && !summe;
        const int links = tabelle.rand + (urteil ? MarkeBreite + MarkeAbstand : 0);
        const int innen = s.breite - tabelle.rand - links;
        const QStringList absaetze = Absaetze(text);
        for (qsizetype i = 0; i < absaetze.size() && z.size() < HoechstZeilen; ++i) {
            // the measure's own words are bold where it is needed
            const TSchrift schrift = urteil && i == 0 && r.marke ? tabelle.fett : grund;
            const int frei = HoechstZeilen - int(z.size());
            QStringList zeilen = Umbrechen(absaetze[i], schrift, innen, frei);
            // a paragraph left out for want of room is shown as cut
            if (int(zeilen.size()) == frei && i + 1 < absaetze.size() && !zeilen.last().endsWith(QChar(0x2026)))
                zeilen.last() = Kuerzen(zeilen.last() + QChar(0x2026), schrift, innen);
            for (const QString &zeile : zeilen)
                z.append({zeile, schrift, links});
        }
        r.zellen.append(z);
    }
    return r;
}

void reiheZeichnen(TSetzer &s, const TDruckTabelle &tabelle, const TReihe &r, int seite, int oben)
{
    for (qsizetype k = 0; k < r.zellen.size(); ++k) {
        const TGesetzteSpalte &spalte = tabelle.spalten[k];
        const TZelle &z = r.zellen[k];
        for (qsizetype i = 0; i < z.size(); ++i)
            s.text(seite, Rand + spalte.links + z[i].links, oben + ZeilenRand + int(i) * r.zeile, z[i].schrift,
                   z[i].text);
        if (r.marke && spalte.art->feld == FeldUrteil)
            s.marke(seite, Rand + spalte.links + tabelle.rand, oben + ZeilenRand, tabelle.schrift);
    }
}

// The head row: each short head, its unit beneath; figures' heads flush right.
TReihe kopfSetzen(const TDruckTabelle &tabelle)
{
    TReihe r;
    r.zeile = tabelle.zeile;
    for (const TGesetzteSpalte &s : tabelle.spalten) {
        TZelle z;
        QStringList zeilen = Umbrechen(QString::fromUtf8(s.art->kopf), tabelle.fett, s.breite - 2 * tabelle.rand, 2);
        if (*s.art->einheit)
            zeilen << QString::fromUtf8(s.art->einheit);
        for (const QString &zeile : zeilen) {
            const bool rechts = s.art->ausrichtung == TAusrichtung::Komma;
            const int links = rechts ? int(s.breite - tabelle.rand - BlattTextBreite(tabelle.fett, zeile)) : tabelle.rand;
            z.append({zeile, tabelle.fett, links});
        }
        r.zellen.append(z);
    }
    return r;
}

// The page head, the same on every page: logo, title, folder, date and filter,
// the number of units and of needed measures, and what all units share.
class TSeitenkopf
{
public:
    TSeitenkopf(const QString &ordner, const QDate &datum, const QString &filter, const TEinheit &summe,
                const TDruckTabelle &tabelle)
    {
        m_ordner = QStringLiteral("Ordner: ") + ordner;
        m_stand = QStringLiteral("Stand: ") + datum.toString(QStringLiteral("dd.MM.yyyy"));
        if (!filter.isEmpty())
            m_stand += QStringLiteral("      Filter: „") + filter + QStringLiteral("“");
        m_zahl = summe.text[SpalteObjekt] + QStringLiteral(" – Lüftungstechnische Maßnahme: ") +
                 summe.text[SpalteMassnahme];
        // what all units share, in three columns of "Name: Text"
        const int spalte = Innen / 3;
        int oben = GemeinsamOben;
        int reiheHoehe = 0;
        for (qsizetype i = 0; i < tabelle.gemeinsam.size(); ++i) {
            if (i % 3 == 0) {
                oben += reiheHoehe;
                reiheHoehe = 0;
            }
            const auto &[name, wert] = tabelle.gemeinsam[i];
            const QString marke = name + QStringLiteral(": ");
            const int links = Rand + int(i % 3) * spalte;
            const int einzug = int(BlattTextBreite(TSchrift::TabelleFett, marke));
            m_gemeinsam.append({1, links, oben, TSchrift::TabelleFett, Kuerzen(marke, TSchrift::TabelleFett, spalte - 40)});
            const QStringList zeilen = Umbrechen(wert, TSchrift::Tabelle, spalte - 40 - einzug, 2);
            for (qsizetype z = 0; z < zeilen.size(); ++z)
                m_gemeinsam.append({1, links + einzug, oben + int(z) * Zeile, TSchrift::Tabelle, zeilen[z]});
            reiheHoehe = std::max(reiheHoehe, int(std::max<qsizetype>(1, zeilen.size())) * Zeile);
        }
        m_unten = oben + reiheHoehe + 25;
    }

    // where the page's content starts
    int Unten() const { return m_unten; }

    void Zeichnen(TBlatt &blatt, TSetzer &s, int seite, const QImage &logo) const
    {
        blatt.bilder.append({seite, Rand, Rand, Rand + 600, Rand + 150, logo});
        const int rechts = Breite - Rand - KopfLinks;
        s.text(seite, KopfLinks, Rand, TSchrift::Titel, QStringLiteral("Gebäudeübersicht"));
        s.text(seite, KopfLinks, Rand + 75, TSchrift::Text, Kuerzen(m_ordner, TSchrift::Text, rechts));
        s.text(seite, KopfLinks, Rand + 120, TSchrift::Text, Kuerzen(m_stand, TSchrift::Text, rechts));
        s.text(seite, Rand, Rand + 175, TSchrift::Abschnitt, Kuerzen(m_zahl, TSchrift::Abschnitt, Innen));
        for (TBlattText t : m_gemeinsam) {
            t.seite = seite;
            blatt.texte.append(t);
        }
    }

private:
    static constexpr int GemeinsamOben = Rand + 230;
    QString m_ordner, m_stand, m_zahl;
    QVector<TBlattText> m_gemeinsam;
    int m_unten = GemeinsamOben;
};

// The legend in the footer: the mark, then the short heads in full; lines
// break between entries.
QStringList legendeSetzen(const TDruckTabelle &tabelle)
{
    QStringList eintraege{QStringLiteral("Lüftungstechnische Maßnahme erforderlich")};
    eintraege << tabelle.Legende();
    const QString trenner = QStringLiteral("  ·  ");
    const int breite = Innen - 450 - MarkeBreite - MarkeAbstand;
    QStringList zeilen;
    for (const QString &eintrag : eintraege) {
        if (!zeilen.isEmpty() && BlattTextBreite(TSchrift::Fusszeile, zeilen.last() + trenner + eintrag) <= breite)
            zeilen.last() += trenner + eintrag;
        else
            zeilen << Kuerzen(eintrag, TSchrift::Fusszeile, breite);
    }
    return zeilen;
}

} // namespace

TBlatt UebersichtblattAufbauen(const QString &ordner, const QVector<TEinheit> &einheiten, const TEinheit &summe,
                               const QImage &logo, const QDate &datum, const QString &filter)
{
    TBlatt blatt;
    TSetzer s(blatt);
    const TDruckTabelle tabelle(einheiten, summe, Innen);
    const TSeitenkopf seitenkopf(ordner, datum, filter, summe, tabelle);
    const QStringList legende = legendeSetzen(tabelle);
    const int legendeOben = FussOben - int(legende.size() - 1) * FussZeile;
    const int tabelleOben = seitenkopf.Unten();
    const int unten = legendeOben - 30;

    const TReihe kopf = kopfSetzen(tabelle);
    const int kopfHoehe = kopf.hoehe();
    auto tabellenSeite = [&] {
        const int seite = ++blatt.seiten;
        s.linie(seite, tabelleOben);
        reiheZeichnen(s, tabelle, kopf, seite, tabelleOben);
        s.linie(seite, tabelleOben + kopfHoehe);
        return tabelleOben + kopfHoehe;
    };
    int y = tabellenSeite();
    for (qsizetype i = 0; i <= einheiten.size(); ++i) {
        const bool istSumme = i == einheiten.size();
        const TReihe r = reiheSetzen(tabelle, istSumme ? summe : einheiten[i], istSumme);
        if (y + r.hoehe() > unten && y > tabelleOben + kopfHoehe)
            y = tabellenSeite();
        if (istSumme)
            s.linie(blatt.seiten, y);
        else if (y > tabelleOben + kopfHoehe)
            s.haarlinie(blatt.seiten, y);
        reiheZeichnen(s, tabelle, r, blatt.seiten, y);
        y += r.hoehe();
    }
    s.linie(blatt.seiten, y);

    // the verdict sentences in full, numbered as the table refers to them
    if (!tabelle.saetze.isEmpty()) {
        QVector<QStringList> saetze;
        int hoehe = Zeile;
        for (const QString &satz : tabelle.saetze) {
            saetze << Umbrechen(satz, TSchrift::Tabelle, Innen - 60, 3);
            hoehe += int(saetze.last().size()) * Zeile;
        }
        y += 40;
        if (y + hoehe > unten) {
            y = tabelleOben;
            ++blatt.seiten;
        }
        s.text(blatt.seiten, Rand, y, TSchrift::TabelleFett, QStringLiteral("Ergebnissätze"));
        y += Zeile;
        for (qsizetype n = 0; n < saetze.size(); ++n) {
            s.text(blatt.seiten, Rand, y, TSchrift::TabelleFett, QString::number(n + 1));
            for (const QString &zeile : saetze[n]) {
                s.text(blatt.seiten, Rand + 60, y, TSchrift::Tabelle, zeile);
                y += Zeile;
            }
        }
    }
    const int letzteTextseite = blatt.seiten;
    blatt.seiten += DiagrammAufbauen(blatt, blatt.seiten + 1, {Rand, tabelleOben, Breite - Rand, FussOben - 30},
                                     einheiten);

    for (int seite = 1; seite <= blatt.seiten; ++seite) {
        seitenkopf.Zeichnen(blatt, s, seite, logo);
        s.text(seite, Breite - Rand - 400, FussOben, TSchrift::Fusszeile,
               QStringLiteral("Seite %1 von %2").arg(seite).arg(blatt.seiten));
        if (seite > letzteTextseite)
            continue;
        s.marke(seite, Rand, legendeOben, TSchrift::Fusszeile);
        for (qsizetype i = 0; i < legende.size(); ++i)
            s.text(seite, Rand + MarkeBreite + MarkeAbstand, legendeOben + int(i) * FussZeile, TSchrift::Fusszeile,
                   legende[i]);
    }
    return blatt;
}

} // namespace ventoris
