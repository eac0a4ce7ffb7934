#pragma once

#include "report/blatt.h"
#include "report/blattdaten.h"

namespace ventoris {

// Lays out the two pages of the result sheet from the texts the main window
// shows at the moment of printing: page 1 the result sheet with the logo,
// page 2 the overview of ventilation systems. Computes nothing.
TBlatt ErgebnisblattAufbauen(const TBlattDaten &daten);

} // namespace ventoris
