#include "assessment/urteil.h"

#include "assessment/urteilstexte.h"

namespace ventoris {

namespace {

QString satzMit(const char *namen)
{
    return QStringLiteral("Bei erhöhten Anforderungen an ") + QLatin1String(namen) +
           QStringLiteral(" ist eine ventilatorgestützte Lüftung erforderlich.");
}

} // namespace

std::optional<QString> Anforderungssatz(const TAnforderungen &a)
{
    const bool schall = a.Haken[1], hygiene = a.Haken[2], effizienz = a.Haken[3];
    // The rules are tried in this order, a later match replacing an earlier one.
    std::optional<QString> satz;
    if (schall)
        satz = satzMit("Schall");
    if (hygiene)
        satz = satzMit("Hygiene");
    if (effizienz)
        satz = satzMit("Effizienz");
    if (effizienz && hygiene)
        satz = satzMit("Hygiene, Effizienz");
    if (schall && hygiene)
        satz = satzMit("Schall, Hygiene");
    if (schall && effizienz)
        satz = satzMit("Schall, Effizienz");
    if (schall && hygiene && effizienz)
        satz = satzMit("Schall, Hygiene, Effizienz");
    return satz;
}

TUrteil FlussUrteil(bool flussGueltig, double QInf, double QFL, double QRL, double QNL,
                    const TAnforderungen &a)
{
    TUrteil u;
    const double inf = flussGueltig ? QInf : 0.0;
    if (!(inf > 0.0))
        return u;
    if (inf < QFL) {
        u.Label31 = urteilstext::S1;
    } else {
        u.Label31 = urteilstext::S2;
        u.Label63 = urteilstext::S5;
    }
    if (inf < QNL)
        u.Label49 = urteilstext::S3;
    if (inf < QRL)
        u.Label49 = urteilstext::S4;
    if (!a.Haken[0]) {
        u.Label31 = urteilstext::S6;
        u.Label49.clear();
        if (const auto satz = Anforderungssatz(a))
            u.Label63 = *satz;
    }
    u.zeigen = true;
    return u;
}

TAnforderungen AnforderungenBereinigt(TAnforderungen a)
{
    if (a.Haken[1] || a.Haken[2] || a.Haken[3])
        a.Haken[0] = false;
    if (!a.Haken[0] && !a.Haken[1] && !a.Haken[2] && !a.Haken[3])
        a.Haken[0] = true;
    if (a.Haken[0])
        a.Haken[1] = a.Haken[2] = a.Haken[3] = false;
    return a;
}

TUrteil AnforderungsUrteil(const TAnforderungen &a)
{
    TUrteil u;
    u.Label31 = urteilstext::S6;
    u.Label63 = Anforderungssatz(a).value_or(QString());
    u.zeigen = true;
    return u;
}

TUrteil FensterloseRaeumeUrteil()
{
    TUrteil u;
    u.Label31 = urteilstext::W1;
    u.Label49 = urteilstext::W2;
    u.zeigen = true;
    return u;
}

} // namespace ventoris
