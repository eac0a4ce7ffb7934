#pragma once

#include "report/blatt.h"
#include "report/blattdaten.h"

namespace ventoris {

// Lays out the two pages of the result sheet from the texts the main window
// shows at the moment of printing: page 1 the result sheet with the logo,
// page 2 the overview of ventilation systems. Computes nothing.
TBlatt ErgebnisblattAufbauen(const TBlattDaten &daten);

// The date of printing as the sheets show it ("dd.mm.yy").
QString Druckdatum(const TBlattDaten &daten);
// The result sheet's head and foot on page 1 of another sheet: the logo, the
// title, the object and editor data, the date and signature line and the
// footer. The space between 135 mm and 270 mm is the other sheet's own.
void BlattKopfUndFuss(TBlatt &blatt, const TBlattDaten &daten, const QString &titel);

} // namespace ventoris
