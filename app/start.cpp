#include "app/start.h"

#include "app/dateiablage.h"
#include "app/zugaenglichkeit.h"
#include "reference/hinweise.h"
#include "reference/information.h"
#include "reference/konzept.h"
#include "reference/programminfo.h"
#include "reference/ueberlassung.h"
#include "reference/wind.h"
#include "report/logofenster.h"

#include <QCoreApplication>

std::unique_ptr<TForm1> FensterErzeugen()
{
    // The menu stays inside the window, as designed; this also spares the start
    // the search for a global menu bar of the desktop.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    ZugaenglichkeitEinrichten();
    auto f = std::make_unique<TForm1>();
    // The secondary windows live as long as the main window; they are its
    // children but separate, non-modal windows.
    f->Form2 = new TForm2(f.get());
    f->Form3 = new TForm3(f.get());
    f->Form4 = new TForm4(f.get());
    f->Windeinstufung = new TWindeinstufung(f.get());
    f->Form5 = new TForm5(f.get());
    f->Form6 = new TForm6(f.get());
    f->HinweiseForm = new THinweiseForm(f.get());
    DateiablageEinrichten(*f);
    return f;
}
