#include "assessment/massnahmenbilanz.h"

#include "assessment/auswahltexte.h"
#include "assessment/zahlen.h"

#include <QLocale>

#include <cmath>

namespace ventoris {

namespace massnahme {

QStringList Systeme()
{
    return {Querlueftung, Schachtlueftung, Abluft, Zuluft, ZuUndAbluft};
}

const QVector<TAbluftArt> &AbluftArten()
{
    static const QString din1946 = QStringLiteral("DIN 1946-6, ventilatorgestützte Lüftung");
    static const QString din18017 = QStringLiteral("DIN 18017-3, fensterlose Räume");
    static const QVector<TAbluftArt> arten = {
        {QStringLiteral("Küche"), 45, din1946},
        {QStringLiteral("Bad"), 45, din1946},
        {QStringLiteral("Dusche"), 45, din1946},
        {QStringLiteral("WC"), 25, din1946},
        {QStringLiteral("Hauswirtschaftsraum"), 25, din1946},
        {QStringLiteral("Bad, fensterlos, bedarfsgeführt"), 60, din18017},
        {QStringLiteral("Bad, fensterlos, dauernd"), 40, din18017},
        {QStringLiteral("WC, fensterlos, bedarfsgeführt"), 30, din18017},
    };
    return arten;
}

const TAbluftArt *AbluftArtZu(const QString &name)
{
    for (const TAbluftArt &art : AbluftArten())
        if (art.name == name)
            return &art;
    return nullptr;
}

} // namespace massnahme

namespace {

const QString Strich = QStringLiteral("–");
const QString Herstellerannahme = QStringLiteral("Annahme aus Herstellerunterlagen");

// A flow from the main window, which shows no figure before its first
// calculation: its text, or "–".
QString angezeigt(const QString &text)
{
    return MassnahmenzahlLesen(text) ? text : Strich;
}

} // namespace

std::optional<double> MassnahmenzahlLesen(const QString &text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double wert = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(wert) || wert < 0)
        return std::nullopt;
    return wert;
}

TMassnahmeBilanz MassnahmeBilanzieren(const TMassnahmeEingaben &e, const TMassnahmeBezug &bezug)
{
    using namespace massnahme;
    TMassnahmeBilanz b;
    b.infiltrationBerechnet = angezeigt(bezug.Label28);
    b.nennlueftung = angezeigt(bezug.Label39);
    b.systemUnbekannt = !Systeme().contains(e.system);

    // The level the system is laid out for.
    QString stufenText;
    if (e.system == Querlueftung) {
        b.stufe = QStringLiteral("Feuchteschutz (FL)");
        stufenText = bezug.Label27;
    } else if (e.system == Schachtlueftung) {
        b.stufe = QStringLiteral("reduzierte Lüftung (RL)");
        stufenText = bezug.Label38;
    } else if (!b.systemUnbekannt) {
        b.stufe = QStringLiteral("Nennlüftung (NL)");
        stufenText = bezug.Label39;
    }
    const std::optional<double> stufe = MassnahmenzahlLesen(stufenText);
    b.stufeWert = angezeigt(stufenText);

    // The credit for infiltration: the computed flow unless the user gives one.
    std::optional<double> infiltration;
    if (e.angerechneteInfiltration.trimmed().isEmpty()) {
        infiltration = MassnahmenzahlLesen(bezug.Label28);
    } else {
        infiltration = MassnahmenzahlLesen(e.angerechneteInfiltration);
        b.infiltrationFalsch = !infiltration;
    }
    std::optional<double> zuDecken;
    if (stufe && infiltration)
        zuDecken = DezimalLesen(MitEinerNachkommastelle(std::max(0.0, *stufe - *infiltration)));
    b.zuDecken = zuDecken ? MitEinerNachkommastelle(*zuDecken) : Strich;

    // Outdoor air passages, for every system but the balanced one.
    b.mitAld = !b.systemUnbekannt && e.system != ZuUndAbluft;
    b.jeFassadenseite = e.system == Querlueftung;
    if (e.system == Querlueftung) {
        b.druckdifferenzVorgabe = bezug.ComboBox2 == auswahl::Windstark ? QStringLiteral("4") : QStringLiteral("2");
        b.druckdifferenzQuelle = Herstellerannahme;
    } else if (e.system == Abluft || e.system == Zuluft) {
        b.druckdifferenzVorgabe = QStringLiteral("8");
        b.druckdifferenzQuelle = Herstellerannahme;
    }
    if (b.mitAld && !e.druckdifferenz.trimmed().isEmpty()) {
        const std::optional<double> druck = MassnahmenzahlLesen(e.druckdifferenz);
        b.druckFalsch = !druck || *druck == 0;
    }
    if (b.mitAld && !e.aldVolumenstrom.trimmed().isEmpty()) {
        const std::optional<double> je = MassnahmenzahlLesen(e.aldVolumenstrom);
        b.aldFalsch = !je || *je == 0;
        if (b.aldFalsch || !zuDecken) {
            b.aldAnzahl = b.aldJeSeite = Strich;
        } else {
            // The count of the flow as shown; a hair's breadth of rounding
            // must not add a whole ALD.
            const qint64 anzahl = qint64(std::ceil(*zuDecken / *je - 1e-9));
            b.aldJeSeite = QString::number(anzahl);
            b.aldAnzahl = QString::number(b.jeFassadenseite ? 2 * anzahl : anzahl);
        }
    }

    // The exhaust rooms, summed as entered.
    double summe = 0;
    bool summeGanz = true;
    for (const TMassnahmeEingaben::TRaum &raum : e.abluftraeume) {
        const std::optional<double> strom = MassnahmenzahlLesen(raum.volumenstrom);
        b.raumFalsch << !strom;
        if (strom)
            summe += *strom;
        else
            summeGanz = false;
    }
    b.abluftSumme = e.abluftraeume.isEmpty() ? QString() : summeGanz ? MitEinerNachkommastelle(summe) : Strich;
    return b;
}

} // namespace ventoris
