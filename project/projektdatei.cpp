#include "project/projektdatei.h"

#include "project/dateilesen.h"
#include "project/dauerhaftschreiben.h"

#include <QFile>

namespace ventoris {

namespace {

// Newest layout first: the longest record that the bytes fill wins.
constexpr SatzLayout erkennungsFolge[] = {SatzLayout::TProjektSatz, SatzLayout::TProjektSatz1130,
                                          SatzLayout::TProjektSatz1109};

} // namespace

std::optional<TGelesenerSatz> SatzErkennen(const QByteArray &inhalt)
{
    for (SatzLayout layout : erkennungsFolge) {
        const int laenge = SatzLaenge(layout);
        if (inhalt.size() >= laenge)
            return TGelesenerSatz{layout, inhalt.left(laenge)};
    }
    return std::nullopt;
}

SatzLeseErgebnis SatzLesen(const QString &pfad)
{
    return SatzLesen(QFile::encodeName(pfad));
}

SatzLeseErgebnis SatzLesen(const QByteArray &lokalerPfad)
{
    // Read access is all that opening needs, so a read-only file opens too.
    // One open and one read of up to 1160 bytes give the same layout as
    // reopening the file for 1160, 1130 and 1109 bytes in turn.
    const TDateiAnfang anfang = DateiAnfangLesen(lokalerPfad, SatzLaenge(SatzLayout::TProjektSatz));
    if (!anfang.offen)
        return {std::nullopt, DateiFehler::ausErrno(anfang.fehler)};
    if (std::optional<TGelesenerSatz> satz = SatzErkennen(anfang.inhalt))
        return {std::move(satz), {}, anfang.groesse};
    if (anfang.fehler != 0)
        return {std::nullopt, DateiFehler::ausErrno(anfang.fehler), anfang.groesse};
    return {std::nullopt, DateiFehler::ausCode(FehlerDateiende), anfang.groesse};
}

std::optional<DateiFehler> SatzSchreiben(const QString &pfad, const QByteArray &satz)
{
    return DauerhaftSchreiben(pfad, satz);
}

} // namespace ventoris
