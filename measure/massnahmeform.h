#pragma once

#include "assessment/massnahmenbilanz.h"
#include "report/blatt.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TForm1;

namespace ventoris {

class TMassnahmeStand;

// "Lüftungstechnische Maßnahme": the balance of the measure for the unit in
// the main window, following its inputs live. What the user enters here goes
// into the unit's balance (TMassnahmeStand) at once.
class TMassnahmeForm : public QWidget
{
    Q_OBJECT
public:
    TMassnahmeForm(TForm1 &hauptfenster, TMassnahmeStand &stand);

    // The balance as it stands, for the sheet.
    TMassnahmeBilanz Bilanz() const;
    // The one-page sheet of the balance.
    TBlatt Blatt() const;

    QComboBox *SystemWahl = nullptr;
    QLabel *Stufe = nullptr, *StufeWert = nullptr, *InfiltrationBerechnet = nullptr, *ZuDecken = nullptr;
    QLineEdit *Infiltration = nullptr, *AldVolumenstrom = nullptr, *Druckdifferenz = nullptr;
    QLabel *DruckQuelle = nullptr, *AldJeSeite = nullptr, *AldAnzahl = nullptr;
    QTableWidget *Raeume = nullptr;
    QPushButton *RaumHinzu = nullptr, *RaumWeg = nullptr;
    QLabel *AbluftSumme = nullptr, *Nennlueftung = nullptr, *DateiHinweis = nullptr;
    QPushButton *Speichern = nullptr, *Drucken = nullptr, *Seitenansicht = nullptr, *PdfSpeichern = nullptr;

private:
    void aufbauen();
    void verbinden();
    // controls from the balance, then the results
    void laden();
    // the balance from the controls
    TMassnahmeEingaben eingaben() const;
    void geaendert();
    void zeigen();
    void raumAnfuegen(const TMassnahmeEingaben::TRaum &raum);
    void speichern();
    void drucken();

    TForm1 &m_haupt;
    TMassnahmeStand &m_stand;
    bool m_laedt = false;
};

} // namespace ventoris
