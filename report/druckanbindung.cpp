// The main window's print commands: they hand the sheet the texts, ticks and
// pictures as they stand, without recalculating.
#include "app/steuerelemente.h"
#include "app/tform1.h"

#include "reference/konzept.h"
#include "report/blattdaten.h"
#include "report/druckbefehle.h"
#include "report/logofenster.h"

#include <QLabel>
#include <QLineEdit>
#include <QPrinter>

using namespace ventoris;

TBlattDaten TForm1::BlattDaten() const
{
    TBlattDaten d;
    d.Edit2 = Edit2->text();
    d.Edit1 = Edit1->text();
    d.Edit4 = Edit4->text();
    d.Edit7 = Edit7->text();
    d.Edit3 = Edit3->text();
    d.Edit9 = Edit9->text();
    d.ComboBox1 = ComboBox1->currentText();
    d.ComboBox2 = ComboBox2->currentText();
    d.Edit6 = Edit6->text();
    d.ComboBox5 = ComboBox5->currentText();
    d.Edit8 = Edit8->text();
    d.Edit10 = Edit10->text();
    d.ComboBox6 = ComboBox6->currentText();
    d.ComboBox7 = ComboBox7->currentText();
    d.Edit11 = Edit11->text();
    d.ComboBox8 = ComboBox8->currentText();
    d.RadioGroup1 = RadioGroup1->ItemIndex();
    d.RadioGroup2 = RadioGroup2->ItemIndex();
    for (int i = 0; i < 4; ++i)
        d.Anforderung[i] = CheckListBox1->Checked(i);
    d.Label26 = Label26->text();
    d.Label27 = Label27->text();
    d.Label28 = Label28->text();
    d.Label38 = Label38->text();
    d.Label39 = Label39->text();
    d.Label74 = Label74->text();
    d.Label31 = Label31->text();
    d.Label49 = Label49->text();
    d.Label63 = Label63->text();
    d.Label30 = Label30->text();
    d.Druckdatum = QDate::currentDate();
    if (Form5)
        d.Logo = Form5->Logo();
    if (Form6)
        d.Uebersicht = Form6->Uebersicht();
    return d;
}

QPrinter &TForm1::Drucker()
{
    // Made on first use: asking the printing system for its printers would
    // slow down the start. It keeps the user's choices for the whole run.
    if (!m_drucker)
        m_drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_drucker;
}

void TForm1::Druckereinstellung1Click() { Druckereinstellung(this, Drucker()); }

void TForm1::Drucken1Click() { ErgebnisDrucken(this, Drucker(), BlattDaten()); }

void TForm1::Seitenansicht1Click() { ErgebnisSeitenansicht(this, Drucker(), BlattDaten()); }

void TForm1::PdfSpeichern1Click() { ErgebnisAlsPdfSpeichern(this, BlattDaten(), AktuellesProjekt); }

void TForm1::druckVerbinden()
{
    connect(Druckereinstellung1, &QAction::triggered, this, &TForm1::Druckereinstellung1Click);
    connect(Drucken1, &QAction::triggered, this, &TForm1::Drucken1Click);
    connect(Seitenansicht1, &QAction::triggered, this, &TForm1::Seitenansicht1Click);
    connect(PdfSpeichern1, &QAction::triggered, this, &TForm1::PdfSpeichern1Click);
}
