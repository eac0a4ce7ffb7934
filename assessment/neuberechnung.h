#pragma once

#include "assessment/lueftungsergebnis.h"
#include "assessment/urteil.h"

#include <QString>
#include <optional>

namespace ventoris {

// Snapshot of the input texts that the calculation reads.
struct TEingaben {
    QString Edit6;     // floor area A_NE
    QString Edit8;     // n50
    QString Edit10;    // pressure exponent
    QString Edit11;    // year of construction
    QString ComboBox1; // building type
    QString ComboBox2; // wind exposure
    QString ComboBox5; // measured airtightness value? ja/nein
    QString ComboBox6; // preset category
    QString ComboBox7; // new building? ja/nein
    QString ComboBox8; // refurbished to WSVO 1995? ja/nein
    TAnforderungen Anforderungen;
};

// Visibility of the heat-protection inputs.
struct TWaermeschutzSicht {
    bool Baujahr = false; // Label21, Edit11
    bool Wsvo = false;    // Label29, ComboBox8
};

// What one recalculation writes into the window.
struct TBerechnung {
    TWaermeschutzSicht Waermeschutz;
    // Label26; none while the quality has never been determined
    std::optional<QString> Label26;
    // preset mode: the texts for Edit8 and Edit10
    std::optional<QString> Edit8Vorgabe;
    std::optional<QString> Edit10Vorgabe;
    // the five flow texts, only when the flows were computed (area > 0, all finite)
    bool FluesseGeschrieben = false;
    QString Label27, Label28, Label38, Label39, Label74;
    TUrteil Urteil;
};

// One recalculation on a snapshot of the inputs; updates the persistent state.
TBerechnung Berechnen(const TEingaben &e, TLueftungsErgebnis &zustand);

// What the change of the heat-protection inputs or of the building type writes
// before it recalculates: the preselected category and the quality label.
struct TVorauswahl {
    TWaermeschutzSicht Waermeschutz;
    QString ComboBox6;
    std::optional<QString> Label26;
};

TVorauswahl Vorauswahl(const TEingaben &e, TLueftungsErgebnis &zustand);

} // namespace ventoris
