#include "report/uebersichtdiagramm.h"

#include "assessment/zahlen.h"
#include "report/blattzeichnen.h"
#include "report/textumbruch.h"
#include "report/uebersichtspalten.h"

#include <cmath>

namespace ventoris {

namespace {

constexpr int PanelAbstand = 100;
constexpr int KleinsterAbstand = 60, GroessterAbstand = 90; // from one unit to the next
constexpr int Gitterlinie = 2;
constexpr int TextHoehe = 30; // cell height of the table's font

// A flow as its column shows it; nothing where it is empty or no finite figure.
double fluss(const TEinheit &e, int spalte)
{
    const QString &text = e.text[size_t(spalte)];
    if (!e.gelesen || text.isEmpty())
        return -1;
    const double wert = DezimalLesen(text);
    return std::isfinite(wert) ? std::max(0.0, wert) : -1;
}

// A step of 1, 2, 2,5 or 5 times a power of ten that divides the scale into
// at most five parts.
double teilung(double groesster)
{
    const double roh = groesster / 5;
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (double f : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (f * zehner >= roh)
            return f * zehner;
    return 10 * zehner;
}

QString zahl(double wert)
{
    return QString::number(wert, 'g', 10).replace(QLatin1Char('.'), QLatin1Char(','));
}

class TDiagramm
{
public:
    TDiagramm(TBlatt &blatt, const QVector<TEinheit> &einheiten) : m_blatt(blatt), m_einheiten(einheiten)
    {
        double groesster = 0;
        for (const TEinheit &e : einheiten)
            groesster = std::max({groesster, fluss(e, SpalteFeuchteschutz), fluss(e, SpalteInfiltration)});
        m_schritt = groesster > 0 ? teilung(groesster) : 10;
        m_ende = std::max(1.0, std::ceil(groesster / m_schritt)) * m_schritt;
    }

    void Legende(int seite, int links, int oben)
    {
        text(seite, links, oben, TSchrift::Abschnitt, QStringLiteral("Feuchteschutz und Infiltration je Nutzungseinheit"));
        const int y = oben + 55;
        int x = links;
        auto eintrag = [&](TFuellung f, const QString &t) {
            flaeche(seite, x, y + 5, x + 80, y + TextHoehe - 5, f);
            text(seite, x + 100, y, TSchrift::Tabelle, t);
            x += 100 + int(BlattTextBreite(TSchrift::Tabelle, t)) + 80;
        };
        eintrag(TFuellung::Schwarz, QStringLiteral("FL Feuchteschutz, notwendiger Volumenstrom"));
        eintrag(TFuellung::Schraffiert, QStringLiteral("Inf. Infiltration"));
        const int m = y + (TextHoehe - MarkeBreite) / 2;
        flaeche(seite, x, m, x + MarkeBreite, m + MarkeBreite, TFuellung::Schwarz);
        text(seite, x + MarkeBreite + MarkeAbstand, y, TSchrift::TabelleFett,
             QStringLiteral("Lüftungstechnische Maßnahme erforderlich"));
    }

    // The units [von, bis) in one panel, one above the other.
    void Panel(int seite, const TKasten &k, int von, int bis, int abstand)
    {
        // the file names as wide as they are, up to nearly half the panel
        const int beschriftung = std::min(beschriftungsBreite(), (k.rechts - k.links) * 45 / 100);
        const int x0 = k.links + beschriftung + 30;
        const int x1 = k.rechts - 60;
        const int achse = k.oben + (bis - von) * abstand;
        // the grid first, so that the bars stand on it
        const QString einheit = QStringLiteral("m³/h");
        for (double w = 0; w <= m_ende + m_schritt / 2; w += m_schritt) {
            const int x = x0 + int(std::lround(w / m_ende * (x1 - x0)));
            flaeche(seite, x - Gitterlinie / 2, k.oben, x + Gitterlinie / 2, achse, TFuellung::Hellgrau);
            const QString t = zahl(w);
            text(seite, x - int(BlattTextBreite(TSchrift::Tabelle, t) / 2), achse + 15, TSchrift::Tabelle, t);
        }
        text(seite, x0 - 30 - int(BlattTextBreite(TSchrift::Tabelle, einheit)), achse + 15, TSchrift::Tabelle, einheit);
        m_blatt.linien.append({seite, x0, k.oben, x0, achse});
        m_blatt.linien.append({seite, x0, achse, x1, achse});

        const int balken = abstand * 34 / 100;
        for (int i = von; i < bis; ++i) {
            const TEinheit &e = m_einheiten[i];
            const int mitte = k.oben + (i - von) * abstand + abstand / 2;
            const bool marke = Markiert(e);
            int links = k.links;
            if (marke) {
                const int m = mitte - MarkeBreite / 2;
                flaeche(seite, links, m, links + MarkeBreite, m + MarkeBreite, TFuellung::Schwarz);
            }
            links += MarkeBreite + MarkeAbstand;
            const TSchrift schrift = marke ? TSchrift::TabelleFett : TSchrift::Tabelle;
            text(seite, links, mitte - TextHoehe / 2, schrift,
                 Kuerzen(e.text[SpalteDatei], schrift, beschriftung - MarkeBreite - MarkeAbstand));
            const double fl = fluss(e, SpalteFeuchteschutz), inf = fluss(e, SpalteInfiltration);
            if (fl < 0 && inf < 0) {
                text(seite, x0 + 20, mitte - TextHoehe / 2, TSchrift::Tabelle,
                     Kuerzen(e.gelesen ? QStringLiteral("keine Werte") : e.text[SpalteHinweis], TSchrift::Tabelle,
                             x1 - x0 - 40));
                continue;
            }
            auto laenge = [&](double w) { return int(std::lround(w / m_ende * (x1 - x0))); };
            if (fl > 0)
                flaeche(seite, x0, mitte - balken, x0 + laenge(fl), mitte, TFuellung::Schwarz);
            if (inf > 0)
                flaeche(seite, x0, mitte, x0 + laenge(inf), mitte + balken, TFuellung::Schraffiert);
        }
    }

private:
    int beschriftungsBreite()
    {
        if (m_beschriftung == 0) {
            qreal breiteste = 0;
            for (const TEinheit &e : m_einheiten)
                breiteste = std::max(breiteste, BlattTextBreite(Markiert(e) ? TSchrift::TabelleFett : TSchrift::Tabelle,
                                                                e.text[SpalteDatei]));
            m_beschriftung = int(breiteste) + MarkeBreite + MarkeAbstand + 1;
        }
        return m_beschriftung;
    }
    void text(int seite, int links, int oben, TSchrift schrift, const QString &t)
    {
        if (!t.isEmpty())
            m_blatt.texte.append({seite, links, oben, schrift, t});
    }
    void flaeche(int seite, int l, int o, int r, int u, TFuellung f) { m_blatt.flaechen.append({seite, l, o, r, u, f}); }

    TBlatt &m_blatt;
    const QVector<TEinheit> &m_einheiten;
    double m_schritt = 10, m_ende = 10;
    int m_beschriftung = 0;
};

} // namespace

int DiagrammAufbauen(TBlatt &blatt, int ersteSeite, const TKasten &kasten, const QVector<TEinheit> &einheiten)
{
    if (einheiten.isEmpty())
        return 0;
    TDiagramm diagramm(blatt, einheiten);
    const int oben = kasten.oben + 150;
    const int hoehe = kasten.unten - 60 - oben;
    const int jePanel = std::max(1, hoehe / KleinsterAbstand);
    const int n = int(einheiten.size());
    // the units shared evenly by the pages, and one spacing on all of them
    const int seiten = (n + 2 * jePanel - 1) / (2 * jePanel);
    const int jeSeite = (n + seiten - 1) / seiten;
    const bool zweiPanels = jeSeite > jePanel / 2; // few units fill one panel across the page
    const int reihen = zweiPanels ? (jeSeite + 1) / 2 : jeSeite;
    const int abstand = std::min(GroessterAbstand, hoehe / reihen);
    const int panelBreite = (kasten.rechts - kasten.links - PanelAbstand) / 2;
    for (int p = 0; p < seiten; ++p) {
        const int seite = ersteSeite + p;
        diagramm.Legende(seite, kasten.links, kasten.oben);
        const int von = p * jeSeite;
        const int bis = std::min(n, von + jeSeite);
        if (!zweiPanels) {
            diagramm.Panel(seite, {kasten.links, oben, kasten.rechts, kasten.unten}, von, bis, abstand);
            continue;
        }
        const int mitte = std::min(bis, von + reihen);
        diagramm.Panel(seite, {kasten.links, oben, kasten.links + panelBreite, kasten.unten}, von, mitte, abstand);
        if (mitte < bis)
            diagramm.Panel(seite, {kasten.rechts - panelBreite, oben, kasten.rechts, kasten.unten}, mitte, bis, abstand);
    }
    return seiten;
}

} // namespace ventoris
