// The snapshot of the main window's inputs that the calculation reads.
#include "app/steuerelemente.h"
#include "app/tform1.h"

#include <QLineEdit>

using namespace ventoris;

TEingaben TForm1::Eingaben() const
{
    TEingaben e;
    e.Edit6 = Edit6->text();
    e.Edit8 = Edit8->text();
    e.Edit10 = Edit10->text();
    e.Edit11 = Edit11->text();
    e.ComboBox1 = ComboBox1->currentText();
    e.ComboBox2 = ComboBox2->currentText();
    e.ComboBox5 = ComboBox5->currentText();
    e.ComboBox6 = ComboBox6->currentText();
    e.ComboBox7 = ComboBox7->currentText();
    e.ComboBox8 = ComboBox8->currentText();
    for (int i = 0; i < 4; ++i)
        e.Anforderungen.Haken[i] = CheckListBox1->Checked(i);
    return e;
}
