#pragma once

#include <QDate>
#include <QImage>
#include <QString>

namespace ventoris {

// Everything the printed result sheet copies from the program, as it stands at
// the moment of printing: texts of the input controls, captions of the result
// labels (hidden ones included), the answers and ticks, and the two pictures.
// The sheet computes nothing from it.
struct TBlattDaten {
    // object and editor data
    QString Edit2, Edit1, Edit4, Edit7, Edit3, Edit9;
    // building data and airtightness (texts of the choice fields' edit parts)
    QString ComboBox1, ComboBox2, Edit6, ComboBox5, Edit8, Edit10, ComboBox6;
    // heat protection
    QString ComboBox7, Edit11, ComboBox8;
    // selected index of the radio groups, -1 for none
    int RadioGroup1 = -1;
    int RadioGroup2 = -1;
    // ticks of CheckListBox1 in list order: "nein", Schall, Raumluftqualität, Energieeffizienz
    bool Anforderung[4] = {false, false, false, false};
    // captions of the result and verdict labels
    QString Label26, Label27, Label28, Label38, Label39, Label74, Label31, Label49, Label63;
    // version caption of the start page, printed in the footer
    QString Label30;
    // date of printing
    QDate Druckdatum;
    // company logo (logo window) and overview of ventilation systems (TForm6)
    QImage Logo;
    QImage Uebersicht;
};

} // namespace ventoris
