#pragma once

#include "building/einheit.h"
#include "report/blatt.h"

#include <QVector>

namespace ventoris {

// A box on a page, in 0.1 mm.
struct TKasten {
    int links = 0;
    int oben = 0;
    int rechts = 0;
    int unten = 0;
};

// The chart of the printed overview: for each unit, in the order given, a
// solid bar of the flow for moisture protection (FL) above a hatched bar of
// the infiltration flow, so that a unit whose hatched bar falls short of its
// solid one shows at a glance; units that need a measure carry the table's
// mark. One scale with figures for all pages; as many pages as the units need,
// from 'ersteSeite' on, each within 'kasten'. Returns the number of pages.
int DiagrammAufbauen(TBlatt &blatt, int ersteSeite, const TKasten &kasten, const QVector<TEinheit> &einheiten);

} // namespace ventoris
