#pragma once

#include "assessment/massnahmenbilanz.h"
#include "report/blatt.h"
#include "report/blattdaten.h"

namespace ventoris {

// The one-page "Maßnahmenblatt" (A4 portrait): the result sheet's head with
// the logo and the unit's data, the inputs of the balance with every
// assumption marked, its results, the exhaust rooms and the fixed note.
// Computes nothing but lays out what it is given.
// The unit's name for captions and sheets: its file's name without the
// extension, else its object designation, else "neue Nutzungseinheit".
QString MassnahmeEinheitName(const QString &projektdatei, const QString &objekt);

TBlatt MassnahmenblattAufbauen(const TBlattDaten &einheit, const TMassnahmeEingaben &eingaben,
                               const TMassnahmeBilanz &bilanz, const QString &einheitName);

} // namespace ventoris
