#pragma once

#include <QString>

namespace ventoris {

// The one calculation state of the program. The derived coefficients start at 0
// and persist from one recalculation to the next: each is overwritten only when
// its governing input holds one of the listed texts.
struct TLueftungsErgebnis {
    // derived coefficients
    double FaktorWS = 0.0;      // heat protection: 0.3 "hoch", 0.4 "niedrig"
    double FaktorWirk = 0.0;    // effectiveness of infiltration
    int DeltaP = 0;             // design pressure difference in Pa
    double N50 = 0.0;           // air change rate at 50 Pa, 1/h
    double Druckexponent = 0.0; // pressure exponent n
    double FlaecheNE = 0.0;     // floor area of the unit, m²

    // results
    QString QualitaetWS; // "hoch" or "niedrig", never cleared once written
    double QFL = 0.0;
    double QRL = 0.0;
    double QNL = 0.0;
    double QIL = 0.0;
    double QInf = 0.0;
};

} // namespace ventoris
