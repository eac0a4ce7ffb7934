#include "app/start.h"

#include "app/dateiablage.h"
#include "app/einstellungen.h"
#include "app/meldungsfilter.h"
#include "app/zugaenglichkeit.h"
#include "reference/hinweise.h"
#include "reference/information.h"
#include "reference/konzept.h"
#include "reference/programminfo.h"
#include "reference/ueberlassung.h"
#include "reference/wind.h"
#include "report/logofenster.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Qt's own texts in German, whatever the system's language: the file, print
// and preview dialogs, the fields' context menus, the key names in the menu.
// Loaded once per application; without the catalogue they stay English.
void QtDeutschLaden()
{
    QCoreApplication *app = QCoreApplication::instance();
    const QString name = QStringLiteral("qtbase_de");
    if (!app || app->findChild<QTranslator *>(name, Qt::FindDirectChildrenOnly))
        return;
    auto *katalog = new QTranslator(app);
    katalog->setObjectName(name);
    if (katalog->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(katalog);
}

} // namespace

std::unique_ptr<TForm1> FensterErzeugen()
{
    // The menu stays inside the window, as designed; this also spares the start
    // the search for a global menu bar of the desktop.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    MeldungsfilterEinrichten();
    ZugaenglichkeitEinrichten();
    ventoris::ProgrammNamenSetzen();
    QtDeutschLaden();
    auto f = std::make_unique<TForm1>();
    // The secondary windows live as long as the main window; they are its
    // children but separate, non-modal windows.
    f->Form2 = new TForm2(f.get());
    f->Form3 = new TForm3(f.get());
    f->Form4 = new TForm4(f.get());
    f->Windeinstufung = new TWindeinstufung(f.get());
    f->Form5 = new TForm5(f.get());
    f->Form5->Projektdatei = [haupt = f.get()] { return haupt->AktuellesProjekt; };
    f->Form6 = new TForm6(f.get());
    f->HinweiseForm = new THinweiseForm(f.get());
    DateiablageEinrichten(*f);
    return f;
}
