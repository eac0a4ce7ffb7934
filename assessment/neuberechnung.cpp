#include "assessment/neuberechnung.h"

#include "assessment/auswahltexte.h"
#include "assessment/zahlen.h"

#include <cmath>

namespace ventoris {

namespace {

using namespace auswahl;

const QString Hoch = QStringLiteral("hoch");
const QString Niedrig = QStringLiteral("niedrig");

TWaermeschutzSicht waermeschutzSicht(const TEingaben &e, qint64 baujahr)
{
    if (e.ComboBox7 == Ja)
        return {false, false};
    return {true, baujahr <= 1994};
}

void qualitaetSetzen(TLueftungsErgebnis &z, const QString &qualitaet)
{
    z.QualitaetWS = qualitaet;
    z.FaktorWS = qualitaet == Hoch ? 0.3 : 0.4;
}

void waermeschutz(const TEingaben &e, TLueftungsErgebnis &z)
{
    if (e.ComboBox7 == Ja) {
        qualitaetSetzen(z, Hoch);
        return;
    }
    if (GanzzahlLesen(e.Edit11) > 1994)
        qualitaetSetzen(z, Hoch);
    else if (e.ComboBox8 == Ja)
        qualitaetSetzen(z, Hoch);
    else if (e.ComboBox8 == Nein)
        qualitaetSetzen(z, Niedrig);
}

void gebaeude(const TEingaben &e, TLueftungsErgebnis &z)
{
    const bool eingeschossig = e.ComboBox1 == EfhEingeschossig || e.ComboBox1 == MfhEingeschossig;
    const bool mehrgeschossig = e.ComboBox1 == EfhMehrgeschossig || e.ComboBox1 == MfhMehrgeschossig;
    if (!eingeschossig && !mehrgeschossig)
        return;
    z.FaktorWirk = 0.5;
    if (e.ComboBox2 == Windschwach)
        z.DeltaP = eingeschossig ? 2 : 5;
    else if (e.ComboBox2 == Windstark)
        z.DeltaP = eingeschossig ? 4 : 7;
}

std::optional<double> vorgabeN50(const QString &kategorie)
{
    if (kategorie == Ventilatorgestuetzt)
        return 1.0;
    if (kategorie == FreieLueftungNeubau || kategorie == ModernisierungEingeschossig)
        return 1.5;
    if (kategorie == ModernisierungMehrgeschossig)
        return 2.0;
    if (kategorie == MittlererBestand)
        return 4.5;
    return std::nullopt;
}

// Modernisation category of a building type; none for an unknown type.
std::optional<QString> modernisierungskategorie(const QString &typ)
{
    if (typ == MfhEingeschossig || typ == EfhEingeschossig)
        return ModernisierungEingeschossig;
    if (typ == EfhMehrgeschossig || typ == MfhMehrgeschossig)
        return ModernisierungMehrgeschossig;
    return std::nullopt;
}

double nichtNegativ(double x) { return x < 0.0 ? 0.0 : x; }

} // namespace

TBerechnung Berechnen(const TEingaben &e, TLueftungsErgebnis &z)
{
    TBerechnung b;
    const qint64 baujahr = e.ComboBox7 == Ja ? 0 : GanzzahlLesen(e.Edit11);
    b.Waermeschutz = waermeschutzSicht(e, baujahr);
    waermeschutz(e, z);
    if (!z.QualitaetWS.isEmpty())
        b.Label26 = z.QualitaetWS;

    gebaeude(e, z);

    if (e.ComboBox5 == Nein) {
        if (const auto n50 = vorgabeN50(e.ComboBox6))
            z.N50 = *n50;
        if (std::isfinite(z.N50))
            b.Edit8Vorgabe = MitEinerNachkommastelle(z.N50);
        z.Druckexponent = 2.0 / 3.0;
        b.Edit10Vorgabe = QStringLiteral("0,667");
    } else {
        z.N50 = DezimalLesen(e.Edit8);
        z.Druckexponent = DezimalLesen(e.Edit10);
    }

    z.FlaecheNE = DezimalLesen(e.Edit6);
    z.N50 = nichtNegativ(z.N50);
    z.Druckexponent = nichtNegativ(z.Druckexponent);
    z.FlaecheNE = nichtNegativ(z.FlaecheNE);

    bool fluesse = false;
    if (z.FlaecheNE > 0.0) {
        const double A = z.FlaecheNE;
        const double a = A > 30.0 ? A : 30.0;
        const double a2 = A * A > 900.0 ? A * A : 900.0;
        const double B = (a * 1.15 + a2 * (-0.001)) + 20.0;
        const double QNL = B;
        const double QFL = B * z.FaktorWS;
        const double QRL = B * 0.7;
        const double QIL = B * 1.3;
        const double basis = double(z.DeltaP) / 50.0;
        const double QInf = std::pow(basis, z.Druckexponent) * (z.FaktorWirk * A * 2.5 * z.N50);
        // A number so large that a flow is no longer finite has no result: the
        // fields keep their texts and there is no verdict.
        fluesse = std::isfinite(QNL) && std::isfinite(QFL) && std::isfinite(QRL) &&
                  std::isfinite(QIL) && std::isfinite(QInf);
        if (fluesse) {
            z.QNL = QNL;
            z.QFL = QFL;
            z.QRL = QRL;
            z.QIL = QIL;
            z.QInf = QInf;
            b.FluesseGeschrieben = true;
            b.Label27 = MitEinerNachkommastelle(QFL);
            b.Label28 = MitEinerNachkommastelle(QInf);
            b.Label38 = MitEinerNachkommastelle(QRL);
            b.Label39 = MitEinerNachkommastelle(QNL);
            b.Label74 = MitEinerNachkommastelle(QIL);
        }
    }
    b.Urteil = FlussUrteil(fluesse, z.QInf, z.QFL, z.QRL, z.QNL, e.Anforderungen);
    return b;
}

TVorauswahl Vorauswahl(const TEingaben &e, TLueftungsErgebnis &z)
{
    TVorauswahl v;
    v.ComboBox6 = MittlererBestand;
    if (e.ComboBox7 == Ja) {
        v.Waermeschutz = {false, false};
        v.Label26 = Hoch;
        z.QualitaetWS = Hoch;
        z.FaktorWS = 0.3;
        v.ComboBox6 = FreieLueftungNeubau;
        return v;
    }
    const qint64 baujahr = GanzzahlLesen(e.Edit11);
    v.Waermeschutz = waermeschutzSicht(e, baujahr);
    const QString modernisiert = modernisierungskategorie(e.ComboBox1).value_or(MittlererBestand);
    if (baujahr > 1994) {
        v.Label26 = Hoch;
        z.QualitaetWS = Hoch;
        z.FaktorWS = 0.3;
        v.ComboBox6 = modernisiert;
    } else if (e.ComboBox8 == Ja) {
        v.Label26 = Hoch;
        z.QualitaetWS = Hoch;
        v.ComboBox6 = modernisiert;
    } else if (e.ComboBox8 == Nein) {
        v.Label26 = Niedrig;
        z.QualitaetWS = Niedrig;
    }
    return v;
}

} // namespace ventoris
