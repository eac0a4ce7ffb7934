#include "report/massnahmenblatt.h"

#include "report/ergebnisblatt.h"

#include <QFileInfo>

namespace ventoris {

namespace {

constexpr int Links = 150, Wert = 750, Rechts = 1050, RechtsWert = 1500;
// the exhaust rooms' table
constexpr int RaumArt = 650, RaumStrom = 1250, RaumQuelle = 1400;
constexpr int TabelleOben = 2220, TabelleZeile = 35, TabelleUnten = 2590;

class TSeite
{
public:
    explicit TSeite(TBlatt &blatt) : m_blatt(blatt) {}
    void text(int oben, int links, const QString &t, TSchrift s = TSchrift::Text)
    {
        if (!t.isEmpty())
            m_blatt.texte.append({1, links, oben, s, t});
    }
    void abschnitt(int oben, const QString &t) { text(oben, Links, t, TSchrift::Abschnitt); }
    void paar(int oben, int links, int wert, const QString &name, const QString &w)
    {
        text(oben, links, name);
        text(oben, wert, w);
    }
    void klein(int oben, int links, const QString &t) { text(oben, links, t, TSchrift::Fusszeile); }
    void linie(int oben) { m_blatt.linien.append({1, Links, oben, 1944, oben}); }

private:
    TBlatt &m_blatt;
};

// A figure with its unit; a missing one as "–".
QString mitEinheit(const QString &wert, const QString &einheit)
{
    const QString strich = QStringLiteral("–");
    return wert.isEmpty() || wert == strich ? strich : wert + QLatin1Char(' ') + einheit;
}

void einheitUndStufen(TSeite &s, const TBlattDaten &d, const QString &name)
{
    s.abschnitt(1350, QStringLiteral("Nutzungseinheit und Lüftungsstufen:"));
    s.paar(1400, Links, 550, QStringLiteral("Nutzungseinheit: "), name);
    s.paar(1400, Rechts, RechtsWert - 150, QStringLiteral("Gebäudelage: "), d.ComboBox2);
    s.paar(1450, Links, 550, QStringLiteral("Gebäudetyp: "), d.ComboBox1);
    s.paar(1500, Links, 550, QStringLiteral("Fläche: "), mitEinheit(d.Edit6, QStringLiteral("m²")));
    s.paar(1500, Rechts, RechtsWert - 150, QStringLiteral("Infiltration: "), mitEinheit(d.Label28, QStringLiteral("m³/h")));
    s.text(1550, Links,
           QStringLiteral("FL %1   RL %2   NL %3   IL %4   (m³/h)").arg(d.Label27, d.Label38, d.Label39, d.Label74));
}

void eingabenUndErgebnisse(TSeite &s, const TMassnahmeEingaben &e, const TMassnahmeBilanz &b, const QString &nl)
{
    s.abschnitt(1630, QStringLiteral("Eingaben (* Annahme, änderbar):"));
    s.paar(1680, Links, Wert, QStringLiteral("System: "), e.system);
    s.paar(1730, Links, Wert, QStringLiteral("Auslegungsstufe: "),
           b.stufe + QLatin1Char(' ') + mitEinheit(b.stufeWert, QStringLiteral("m³/h")));
    const bool eigeneInfiltration = !e.angerechneteInfiltration.trimmed().isEmpty();
    s.paar(1780, Links, Wert, QStringLiteral("angerechnete Infiltration *: "),
           eigeneInfiltration ? mitEinheit(e.angerechneteInfiltration, QStringLiteral("m³/h")) +
                                    QStringLiteral(" (geändert; berechnet: %1)")
                                        .arg(mitEinheit(b.infiltrationBerechnet, QStringLiteral("m³/h")))
                              : mitEinheit(b.infiltrationBerechnet, QStringLiteral("m³/h (berechnet)")));
    if (b.mitAld) {
        s.paar(1830, Links, Wert, QStringLiteral("Volumenstrom je ALD (Datenblatt): "),
               e.aldVolumenstrom.trimmed().isEmpty() ? QStringLiteral("kein Produkt gewählt")
                                                     : mitEinheit(e.aldVolumenstrom, QStringLiteral("m³/h")));
        const bool eigenerDruck = !e.druckdifferenz.trimmed().isEmpty();
        s.paar(1880, Links, Wert, QStringLiteral("Auslegungsdruckdifferenz: "),
               eigenerDruck ? e.druckdifferenz + QStringLiteral(" Pa")
               : b.druckdifferenzVorgabe.isEmpty()
                   ? QStringLiteral("nicht angegeben")
                   : b.druckdifferenzVorgabe + QStringLiteral(" Pa * (") + b.druckdifferenzQuelle + QLatin1Char(')'));
    }

    s.abschnitt(1960, QStringLiteral("Ergebnisse:"));
    s.paar(2010, Links, Wert, QStringLiteral("Zu deckender Volumenstrom: "), mitEinheit(b.zuDecken, QStringLiteral("m³/h")));
    if (b.mitAld) {
        if (b.jeFassadenseite)
            s.paar(2060, Links, Wert, QStringLiteral("ALD je Fassadenseite: "), b.aldJeSeite);
        s.paar(2060, Rechts, RechtsWert, QStringLiteral("Anzahl ALD (zu bestellen): "),
               b.aldAnzahl.isEmpty() ? QStringLiteral("–") : b.aldAnzahl);
    }
    s.paar(2110, Links, Wert, QStringLiteral("Summe Abluft: "),
           mitEinheit(b.abluftSumme.isEmpty() ? QStringLiteral("0,0") : b.abluftSumme, QStringLiteral("m³/h")));
    s.paar(2110, Rechts, RechtsWert, QStringLiteral("daneben Nennlüftung (NL): "), mitEinheit(nl, QStringLiteral("m³/h")));
}

void raeume(TSeite &s, const TMassnahmeEingaben &e)
{
    s.abschnitt(2170, QStringLiteral("Ablufträume:"));
    if (e.abluftraeume.isEmpty()) {
        s.text(2220, Links, QStringLiteral("keine angegeben"));
        return;
    }
    s.klein(TabelleOben, Links, QStringLiteral("Abluftraum"));
    s.klein(TabelleOben, RaumArt, QStringLiteral("Art"));
    s.klein(TabelleOben, RaumStrom, QStringLiteral("m³/h"));
    s.klein(TabelleOben, RaumQuelle, QStringLiteral("Herkunft des Werts"));
    s.linie(TabelleOben + TabelleZeile);
    int oben = TabelleOben + TabelleZeile + 5;
    QStringList quellen;
    for (int i = 0; i < e.abluftraeume.size(); ++i, oben += TabelleZeile) {
        if (oben + 2 * TabelleZeile > TabelleUnten) {
            s.klein(oben, Links, QStringLiteral("… und %1 weitere (in der Summe enthalten)").arg(e.abluftraeume.size() - i));
            oben += TabelleZeile;
            break;
        }
        const TMassnahmeEingaben::TRaum &r = e.abluftraeume[i];
        const massnahme::TAbluftArt *art = massnahme::AbluftArtZu(r.art);
        const std::optional<double> wert = MassnahmenzahlLesen(r.volumenstrom);
        s.klein(oben, Links, r.raum);
        s.klein(oben, RaumArt, r.art);
        s.klein(oben, RaumStrom, r.volumenstrom);
        const bool vorgabe = art && wert && *wert == art->volumenstrom;
        s.klein(oben, RaumQuelle, vorgabe ? QStringLiteral("Vorgabe ") + art->quelle.section(QLatin1Char(','), 0, 0)
                                          : QStringLiteral("eigener Wert"));
        if (vorgabe && !quellen.contains(art->quelle))
            quellen << art->quelle;
    }
    if (!quellen.isEmpty())
        s.klein(oben + 10, Links, QStringLiteral("Vorgaben nach ") + quellen.join(QStringLiteral("; ")));
}

} // namespace

QString MassnahmeEinheitName(const QString &projektdatei, const QString &objekt)
{
    if (!projektdatei.isEmpty())
        return QFileInfo(projektdatei).completeBaseName();
    if (!objekt.trimmed().isEmpty())
        return objekt.trimmed();
    return QStringLiteral("neue Nutzungseinheit");
}

TBlatt MassnahmenblattAufbauen(const TBlattDaten &einheit, const TMassnahmeEingaben &eingaben,
                               const TMassnahmeBilanz &bilanz, const QString &einheitName)
{
    TBlatt blatt;
    blatt.seiten = 1;
    BlattKopfUndFuss(blatt, einheit, QStringLiteral("Maßnahmenblatt: Bilanz der lüftungstechnischen Maßnahme"));
    TSeite s(blatt);
    einheitUndStufen(s, einheit, einheitName);
    eingabenUndErgebnisse(s, eingaben, bilanz, bilanz.nennlueftung);
    raeume(s, eingaben);
    // the fixed note, in two lines
    const QString hinweis = massnahme::Hinweis;
    const qsizetype teil = hinweis.indexOf(QStringLiteral("Annahmen"));
    s.text(2620, Links, hinweis.left(teil).trimmed(), TSchrift::Abschnitt);
    s.text(2670, Links, hinweis.mid(teil), TSchrift::Text);
    return blatt;
}

} // namespace ventoris
