#pragma once

#include "assessment/lueftungsergebnis.h"
#include "assessment/neuberechnung.h"
#include "project/projektsatz.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;
class TAuswahlfeld;
namespace ventoris {
struct TBlattDaten;
class TGebaeudeuebersicht;
class TMassnahmeForm;
class TMassnahmeStand;
}
class TBild;
class TErgebnisfeld;
class TCheckListBox;
class TRadioGroup;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class THinweiseForm;
class TWindeinstufung;
class TZuletztGeoeffnet;

// The main window. The planning case lives in its controls; the reactions
// below keep the results and the verdict following every change.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Runs of Neuberechnung since start-up, nested ones included.
    int NeuberechnungLaeufe = 0;

    // --- routines ---
    void ProjektZuruecksetzen();
    void Neuberechnung();

    // --- reactions ---
    void Image7Click();
    void Button1Click();
    void Neu1Click();
    void Startseite2Click();
    void Beenden1Click();
    void RadioGroup1Click();
    void RadioGroup2Click();
    void CheckListBox1Click();
    void ComboBox5Change();
    void ComboBox6Change();
    void ComboBox7Change(QObject *sender);
    void ComboBox1Change(QObject *sender);
    void Edit11Change();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Image1Click();
    void Image2Click();
    void Kontakt1Click();
    void berlassungsbedingungen3Click();
    void InformationenzurDIN194661Click();
    void Info1Click();
    void Logoeinbindung1Click();
    void ffnen1Click();
    // "Öffnen" with the file already chosen: reads it into the window, or
    // shows the general error report.
    void ProjektOeffnen(const QString &pfad);
    // The same for a path in the file system's own bytes, which need not be
    // UTF-8 (from the overview or the command line).
    void ProjektOeffnen(const QByteArray &lokalerPfad);
    void Speichern1Click();
    // "Gebäudeübersicht …": asks for a folder and opens its overview.
    void Gebaeudeuebersicht1Click();
    ventoris::TGebaeudeuebersicht *GebaeudeuebersichtOeffnen(const QString &ordner);
    // "Lüftungstechnische Maßnahme …": the balance of the measure for this unit.
    void Massnahme1Click();
    void Druckereinstellung1Click();
    void Drucken1Click();
    void Seitenansicht1Click();
    void PdfSpeichern1Click();

    // What the printed sheet copies from the program, as it stands now.
    ventoris::TBlattDaten BlattDaten() const;
    // The printer of the run, with the user's set-up choices.
    QPrinter &Drucker();

    // The look of the airtightness group for the text of ComboBox5: preset
    // category shown and grey value fields, or the measured look.
    void LuftdichtheitAussehen();

    // The current project file and the one last confirmed in the save dialog.
    QString AktuellesProjekt;
    QString GespeicherteDatei;
    // The record that saving fills; it is kept for the whole run.
    ventoris::TProjektSatz Satz;

    // The secondary windows, created hidden at start-up (see FensterErzeugen).
    TForm2 *Form2 = nullptr;
    TForm3 *Form3 = nullptr;
    TForm4 *Form4 = nullptr;
    TWindeinstufung *Windeinstufung = nullptr;
    TForm5 *Form5 = nullptr;
    TForm6 *Form6 = nullptr;
    THinweiseForm *HinweiseForm = nullptr;
    // The unit's balance of the measure, and its window once it was opened.
    ventoris::TMassnahmeStand *MassnahmeStand = nullptr;
    ventoris::TMassnahmeForm *MassnahmeForm = nullptr;

    // The snapshot of the inputs that the calculation reads.
    ventoris::TEingaben Eingaben() const;

    // --- controls, named as in the window's design ---
    QFrame *Panel1, *Panel2, *Panel3, *Panel4, *Panel5, *Panel6, *Panel7, *Panel8, *Panel9,
        *Panel10, *Panel11, *Panel12, *Panel13;

    // object data
    QLineEdit *Edit2, *Edit1, *Edit4, *Edit7, *Edit3, *Edit9;
    QDateEdit *datum;
    // building data
    TAuswahlfeld *ComboBox1, *ComboBox2;
    QLineEdit *Edit6, *Edit5;
    QPushButton *Button3;
    // airtightness
    TAuswahlfeld *ComboBox5, *ComboBox6;
    QLineEdit *Edit8, *Edit10;
    QLabel *Label19, *Label62;
    QPushButton *Button2;
    // heat protection
    TAuswahlfeld *ComboBox7, *ComboBox8;
    QLineEdit *Edit11;
    QLabel *Label21, *Label29;
    // questions
    TRadioGroup *RadioGroup1, *RadioGroup2;
    QLabel *Label50, *Label57, *Label58;
    TCheckListBox *CheckListBox1;
    // results and verdict
    TErgebnisfeld *Label26, *Label27, *Label28, *Label38, *Label39, *Label74;
    QLabel *Label31, *Label49, *Label63;
    QPushButton *Button4;
    // start page
    TBild *Image1, *Image2, *Image3, *Image4, *Image5, *Image7;
    QLabel *Label13, *Label30;
    QPushButton *Button1, *Button5, *Button6, *Button7;

    // main menu
    QMenu *Programm1, *berlassungsbedingungen1;
    // "Zuletzt geöffnet" below "Öffnen", and the list it shows
    QMenu *ZuletztGeoeffnet1;
    TZuletztGeoeffnet *Zuletzt;
    QAction *Neu1, *ffnen1, *Speichern1, *Gebaeudeuebersicht1, *Massnahme1, *Druckereinstellung1, *Drucken1,
        *Seitenansicht1, *PdfSpeichern1, *Beenden1;
    QAction *Logoeinbindung1, *InformationenzurDIN194661, *Info1, *Kontakt1,
        *berlassungsbedingungen3, *Startseite2;

signals:
    // A recalculation has written its results.
    void Neuberechnet();

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void FormCreate();
    void panelsAufbauen();
    void objektdatenAufbauen();
    void abfrageAufbauen();
    void luftdichtheitAufbauen();
    void gebaeudeAufbauen();
    void anforderungenAufbauen();
    void ergebnisseAufbauen();
    void hinweiseAufbauen();
    void waermeschutzAufbauen();
    void uebersichtAufbauen();
    void urteilAufbauen();
    void startseiteAufbauen();
    void menueAufbauen();
    void reaktionenVerbinden();
    void verweiseVerbinden();
    void projektTitelSetzen();
    void druckVerbinden();
    void massnahmeVerbinden();
    void tabulatorfolgeSetzen();

    void eingabegruppenZeigen(bool an);
    void keineAnforderungAnhaken();
    void urteilSetzen(const ventoris::TUrteil &urteil);
    void waermeschutzZeigen(const ventoris::TWaermeschutzSicht &sicht);

    ventoris::TLueftungsErgebnis m_ergebnis;
    std::unique_ptr<QPrinter> m_drucker;
};

// Writes an edit field's text only when it differs, so that an unchanged text
// runs no reaction.
void TextSetzen(QLineEdit *feld, const QString &text);
