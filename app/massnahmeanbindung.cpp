// The main window's part of the measure's balance: its state, the menu item
// and the window, made on first use.
#include "app/tform1.h"
#include "measure/massnahmeform.h"
#include "project/massnahmestand.h"

#include <QAction>

using namespace ventoris;

void TForm1::massnahmeVerbinden()
{
    MassnahmeStand = new TMassnahmeStand(this);
    connect(Massnahme1, &QAction::triggered, this, &TForm1::Massnahme1Click);
}

void TForm1::Massnahme1Click()
{
    if (!MassnahmeForm)
        MassnahmeForm = new TMassnahmeForm(*this, *MassnahmeStand);
    MassnahmeForm->show();
    MassnahmeForm->raise();
    MassnahmeForm->activateWindow();
}
