#pragma once

// The main window's case without widgets: the texts, choices and ticks that
// opening a project file leaves in the window, and the reactions that
// opening runs, in the window's own order. The building overview reads many
// files at once off the user-interface thread, where no window can be built;
// this image lets it show exactly what the window would show for each file.

#include "assessment/lueftungsergebnis.h"
#include "assessment/neuberechnung.h"

#include <QString>

namespace ventoris {

struct TGelesenerSatz;

class TFormularAbbild
{
public:
    // The case of a freshly started window, on its start page.
    TFormularAbbild();

    // What "Öffnen" writes into the window from a record of any layout, with
    // the reactions that these writes run.
    void Oeffnen(const TGelesenerSatz &satz);
    // The one recalculation, with the rewrites that it nests.
    void Neuberechnung();

    // inputs
    QString Edit2, Edit1, Edit4, Edit7, Edit3, Edit9;
    QString Edit6, Edit5, Edit8, Edit10, Edit11;
    QString ComboBox1, ComboBox2, ComboBox5, ComboBox6, ComboBox7, ComboBox8;
    int RadioGroup1 = -1;
    int RadioGroup2 = 1;
    TAnforderungen Anforderungen;
    // result texts and whether the verdict lines are shown
    QString Label26, Label27, Label28, Label38, Label39, Label74, Label31, Label49, Label63;
    bool Label31Sichtbar = false, Label49Sichtbar = false, Label63Sichtbar = false;

private:
    TEingaben eingaben() const;
    // an edit field's text set by the program runs the field's reaction when it differs
    void editSetzen(QString &feld, const QString &text);
    void comboBox7Change();
    void radioGroup1Setzen(int index);
    void radioGroup2Setzen(int index);
    void keineAnforderungAnhaken();
    void urteilSetzen(const TUrteil &urteil);

    TLueftungsErgebnis m_ergebnis;
};

} // namespace ventoris
