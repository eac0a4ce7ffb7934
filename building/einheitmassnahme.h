#pragma once

// The overview's columns of the measure's balance: system, flow to supply,
// number of ALDs to order and the sum of the exhaust flows, from the unit's
// sidecar file; empty where the unit has none.

#include "building/einheit.h"

#include <QStringList>
#include <QVector>

namespace ventoris {

class TFormularAbbild;

// Fills the balance's columns of a unit read into 'f'; a sidecar that cannot
// be used adds its note.
void MassnahmeSpaltenFuellen(TEinheit &e, const TFormularAbbild &f, QStringList &hinweise);

// The total of the balance's figures: the flows as the sums of their shown
// one-decimal texts, the ALDs to order as a whole number; empty where no unit
// has a figure.
void MassnahmeSummeBilden(TEinheit &summe, const QVector<TEinheit> &einheiten);

} // namespace ventoris
