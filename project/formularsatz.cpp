#include "project/formularsatz.h"

#include "app/steuerelemente.h"
#include "app/tform1.h"
#include "assessment/auswahltexte.h"
#include "project/projektsatz.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace ventoris {

namespace {

// The source of each field in the order of the record.
QString feldText(const TForm1 &f, int nr)
{
    switch (nr) {
    case 1: return f.Edit2->text();
    case 2: return f.Edit1->text();
    case 3: return f.Edit4->text();
    case 4: return QLocale::system().toString(f.datum->date(), QLocale::ShortFormat);
    case 5: return f.Edit7->text();
    case 6: return f.Edit3->text();
    case 7: return f.Edit9->text();
    case 8: return f.ComboBox1->currentText();
    case 9: return f.ComboBox2->currentText();
    case 10: return f.Edit6->text();
    case 11: return f.Edit5->text();
    case 12: return f.ComboBox7->currentText();
    case 13: return f.Edit11->text();
    case 14: return f.ComboBox8->currentText();
    case 15: return QString::number(f.RadioGroup1->ItemIndex());
    case 16: return QString::number(f.RadioGroup2->ItemIndex());
    case 17: {
        AnforderungsHaken haken;
        for (int i = 0; i < 4; ++i)
            haken[size_t(i)] = f.CheckListBox1->Checked(i);
        return QString::number(AnforderungsCodeAusHaken(haken));
    }
    case 18: return f.ComboBox5->currentText();
    case 19: return f.Edit8->text();
    case 20: return f.Edit10->text();
    case 21: return f.ComboBox6->currentText();
    case 22: return f.Label26->text();
    case 23: return f.Label27->text();
    case 24: return f.Label38->text();
    case 25: return f.Label39->text();
    case 26: return f.Label74->text();
    case 27: return f.Label28->text();
    case 28: return f.Label31->text();
    case 29: return f.Label49->text();
    case 30: return f.Label63->text();
    default: return QString();
    }
}

} // namespace

void FormularInSatz(const TForm1 &form, TProjektSatz &satz)
{
    for (int nr = 1; nr <= SatzFeldAnzahl; ++nr)
        satz.SetzeText(nr, feldText(form, nr));
}

void SatzInFormular(const TGelesenerSatz &satz, TForm1 &f)
{
    auto text = [&satz](int nr) { return satz.FormularText(nr).value_or(QString()); };

    // 1. object data; the date of field 4 is not read back
    TextSetzen(f.Edit2, text(1));
    TextSetzen(f.Edit1, text(2));
    TextSetzen(f.Edit4, text(3));
    TextSetzen(f.Edit7, text(5));
    TextSetzen(f.Edit3, text(6));
    TextSetzen(f.Edit9, text(7));
    // 2. building data and "Neubau ?"
    f.ComboBox1->TextSetzen(text(8));
    f.ComboBox2->TextSetzen(text(9));
    TextSetzen(f.Edit6, text(10));
    TextSetzen(f.Edit5, text(11));
    f.ComboBox7->TextSetzen(text(12));
    // 3. the year is asked unless the building is new
    const bool neubau = f.ComboBox7->currentText() == auswahl::Ja;
    for (QWidget *w : std::initializer_list<QWidget *>{f.Edit11, f.ComboBox8, f.Label21, f.Label29})
        w->setVisible(!neubau);
    // 4. year and WSVO
    TextSetzen(f.Edit11, text(13));
    f.ComboBox8->TextSetzen(text(14));
    // 5. the answers; a changed answer runs its group's reaction
    f.RadioGroup1->SetItemIndex(RadioIndexBegrenzen(SatzGanzzahlLesen(text(FeldFensterloseRaeume))));
    f.RadioGroup2->SetItemIndex(RadioIndexBegrenzen(SatzGanzzahlLesen(text(FeldWeitereAnforderungen))));
    // 6. the requirement ticks
    const AnforderungsHaken haken = HakenAusAnforderungsCode(SatzGanzzahlLesen(text(FeldAnforderungsCode)));
    for (int i = 0; i < 4; ++i)
        f.CheckListBox1->SetChecked(i, haken[size_t(i)]);
    // 7. airtightness
    f.ComboBox5->TextSetzen(text(18));
    TextSetzen(f.Edit8, text(19));
    TextSetzen(f.Edit10, text(20));
    f.ComboBox6->TextSetzen(text(21));
    // 8. the look of the airtightness group
    f.LuftdichtheitAussehen();
    // 9. the stored results and verdict, last; an old record has no intensive ventilation
    const std::pair<QLabel *, int> ergebnisse[] = {
        {f.Label26, 22}, {f.Label27, 23}, {f.Label38, 24}, {f.Label39, 25}, {f.Label74, 26},
        {f.Label28, 27}, {f.Label31, 28}, {f.Label49, 29}, {f.Label63, 30}};
    for (const auto &[label, nr] : ergebnisse)
        label->setText(text(nr));
    // 10.
    f.Label31->show();
    f.Label49->show();
    f.Label63->show();
}

} // namespace ventoris
