#include "report/uebersichtblatt.h"

#include "report/blattzeichnen.h"

namespace ventoris {

namespace {

// A4 landscape in 0.1 mm, with a margin of 10 mm all round.
constexpr int Breite = 2970, Hoehe = 2100, Rand = 100;
constexpr int TabelleOben = 300;
// Each row holds up to five lines of the table's font.
constexpr int Zeilen = 5, Abstand = 5;
constexpr int ZeilenHoehe = Zeilen * 20 + 2 * Abstand;
constexpr int FussOben = Hoehe - Rand - 30;

// Column widths in 0.1 mm; they fill the 277 mm between the margins.
constexpr int Spaltenbreiten[SpaltenAnzahl] = {160, 190, 140, 140, 95, 110, 190, 100, 75, 60, 80,
                                               80,  80,  80,  80,  80, 80,  130, 215, 215, 215, 175};

// The text broken into lines of at most 'breite', at blanks where it can, else
// inside a word; more than 'zeilen' lines end in "…".
QStringList umbrechen(const QString &text, TSchrift s, qreal breite, int zeilen)
{
    QStringList ergebnis;
    QString zeile;
    auto passt = [&](const QString &t) { return BlattTextBreite(s, t) <= breite; };
    const QStringList woerter = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString wort : woerter) {
        const QString mit = zeile.isEmpty() ? wort : zeile + QLatin1Char(' ') + wort;
        if (passt(mit)) {
            zeile = mit;
            continue;
        }
        if (!zeile.isEmpty())
            ergebnis << zeile;
        // a word wider than the column is cut where it must be
        while (!passt(wort)) {
            int n = int(wort.size()) - 1;
            while (n > 1 && !passt(wort.left(n) + QLatin1Char('-')))
                --n;
            ergebnis << wort.left(n) + QLatin1Char('-');
            wort = wort.mid(n);
        }
        zeile = wort;
    }
    if (!zeile.isEmpty())
        ergebnis << zeile;
    if (ergebnis.size() > zeilen) {
        ergebnis = ergebnis.mid(0, zeilen);
        QString &letzte = ergebnis.last();
        while (!letzte.isEmpty() && !passt(letzte + QChar(0x2026)))
            letzte.chop(1);
        letzte += QChar(0x2026);
    }
    return ergebnis;
}

class TSeiten
{
public:
    TSeiten(TBlatt &blatt) : m_blatt(blatt) {}

    void zeile(int seite, int oben, const QStringList &zellen, TSchrift schrift)
    {
        int links = Rand;
        for (int k = 0; k < SpaltenAnzahl; ++k) {
            const QStringList teile = umbrechen(zellen.value(k), schrift, Spaltenbreiten[k] - 2 * Abstand, Zeilen);
            for (int i = 0; i < teile.size(); ++i)
                m_blatt.texte.append({seite, links + Abstand, oben + Abstand + i * 20, schrift, teile[i]});
            links += Spaltenbreiten[k];
        }
        m_blatt.linien.append({seite, Rand, oben + ZeilenHoehe, Breite - Rand, oben + ZeilenHoehe});
    }

    void text(int seite, int links, int oben, TSchrift schrift, const QString &t)
    {
        m_blatt.texte.append({seite, links, oben, schrift, t});
    }

private:
    TBlatt &m_blatt;
};

} // namespace

int UebersichtZeilenJeSeite()
{
    return (FussOben - Abstand - (TabelleOben + ZeilenHoehe)) / ZeilenHoehe;
}

TBlatt UebersichtblattAufbauen(const QString &ordner, const QVector<TEinheit> &einheiten,
                               const TEinheit &summe, const QImage &logo, const QDate &datum,
                               const QString &filter)
{
    TBlatt blatt;
    const int jeSeite = UebersichtZeilenJeSeite();
    const int zeilen = int(einheiten.size()) + 1;
    blatt.seiten = (zeilen + jeSeite - 1) / jeSeite;
    TSeiten s(blatt);
    const int kopfLinks = 800;
    const QString ordnerZeile = umbrechen(QStringLiteral("Ordner: ") + ordner, TSchrift::Text,
                                          Breite - Rand - kopfLinks, 1)
                                    .value(0);
    for (int seite = 1; seite <= blatt.seiten; ++seite) {
        blatt.bilder.append({seite, Rand, Rand, Rand + 600, Rand + 150, logo});
        s.text(seite, kopfLinks, Rand, TSchrift::Titel, QStringLiteral("Gebäudeübersicht"));
        s.text(seite, kopfLinks, Rand + 80, TSchrift::Text, ordnerZeile);
        s.text(seite, kopfLinks, Rand + 130, TSchrift::Text,
               QStringLiteral("Stand: ") + datum.toString(QStringLiteral("dd.MM.yyyy")));
        if (!filter.isEmpty())
            s.text(seite, kopfLinks + 600, Rand + 130, TSchrift::Text,
                   umbrechen(QStringLiteral("Filter: „%1“").arg(filter), TSchrift::Text,
                             Breite - Rand - kopfLinks - 600, 1)
                       .value(0));
        blatt.linien.append({seite, Rand, TabelleOben, Breite - Rand, TabelleOben});
        s.zeile(seite, TabelleOben, SpaltenKoepfe(), TSchrift::TabelleFett);
        s.text(seite, Breite - Rand - 400, FussOben, TSchrift::Fusszeile,
               QStringLiteral("Seite %1 von %2").arg(seite).arg(blatt.seiten));
    }
    for (int i = 0; i < zeilen; ++i) {
        const TEinheit &e = i < einheiten.size() ? einheiten[i] : summe;
        const bool fett = i == einheiten.size() || e.massnahme == TMassnahme::Erforderlich;
        const int oben = TabelleOben + ZeilenHoehe * (1 + i % jeSeite);
        s.zeile(1 + i / jeSeite, oben, QStringList(e.text.begin(), e.text.end()),
                fett ? TSchrift::TabelleFett : TSchrift::Tabelle);
    }
    return blatt;
}

} // namespace ventoris
