#pragma once

#include <QString>
#include <optional>

namespace ventoris {

// Ticks of the requirements list in list order: 0 "nein", 1 Schall,
// 2 Raumluftqualität (Hygiene), 3 Energieeffizienz.
struct TAnforderungen {
    bool Haken[4] = {false, false, false, false};
    bool operator==(const TAnforderungen &o) const
    {
        return Haken[0] == o.Haken[0] && Haken[1] == o.Haken[1] && Haken[2] == o.Haken[2] &&
               Haken[3] == o.Haken[3];
    }
};

// The three verdict lines. When zeigen is false there is no verdict: Label31
// and Label49 stay hidden and Label63 keeps its visibility.
struct TUrteil {
    QString Label31;
    QString Label49;
    QString Label63;
    bool zeigen = false;
};

// The sentence that names exactly the ticked requirements among items 1 to 3
// (R1 to R7); none when no requirement is ticked.
std::optional<QString> Anforderungssatz(const TAnforderungen &a);

// The verdict of a recalculation from the unrounded flows. flussGueltig is
// false when no flows were computed this run (QInf then counts as 0).
TUrteil FlussUrteil(bool flussGueltig, double QInf, double QFL, double QRL, double QNL,
                    const TAnforderungen &a);

// Keeps the requirement ticks consistent after a click: any requirement
// unticks "nein", no tick at all ticks "nein", "nein" unticks the rest.
TAnforderungen AnforderungenBereinigt(TAnforderungen a);

// The verdict that a click in the requirements list sets when a requirement is
// ticked: S6, an empty first comment and the requirement sentence.
TUrteil AnforderungsUrteil(const TAnforderungen &a);

// The verdict for windowless rooms designed under DIN 18017-3: W1, W2, and an
// empty second comment.
TUrteil FensterloseRaeumeUrteil();

} // namespace ventoris
