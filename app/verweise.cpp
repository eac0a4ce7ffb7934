// The main window's openers of the reference windows and its outside links.
#include "app/steuerelemente.h"
#include "app/tform1.h"

#include "reference/adressen.h"
#include "reference/hinweise.h"
#include "reference/information.h"
#include "reference/konzept.h"
#include "reference/programminfo.h"
#include "reference/ueberlassung.h"
#include "reference/wind.h"
#include "report/logofenster.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QUrl>

using namespace ventoris;

namespace {

// The addresses are kept without a scheme, as shown on the start page; the
// desktop needs one to pick the browser.
void webadresseOeffnen(const char *adresse)
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("https://") + QLatin1String(adresse)));
}

template <typename Fenster> void oeffnen(Fenster *fenster)
{
    if (fenster)
        fenster->Oeffnen();
}

} // namespace

void TForm1::Button2Click() { oeffnen(HinweiseForm); }
void TForm1::Button3Click() { oeffnen(Windeinstufung); }
void TForm1::Button4Click() { oeffnen(Form6); }
void TForm1::berlassungsbedingungen3Click() { oeffnen(Form2); }
void TForm1::InformationenzurDIN194661Click() { oeffnen(Form3); }
void TForm1::Info1Click() { oeffnen(Form4); }
void TForm1::Logoeinbindung1Click() { oeffnen(Form5); }

void TForm1::Button5Click() { webadresseOeffnen(VerlagWebadresse); }
void TForm1::Button6Click() { webadresseOeffnen(EntwicklerWebadresse); }
void TForm1::Image1Click() { Button6->click(); }
void TForm1::Image2Click() { Button5->click(); }

void TForm1::Kontakt1Click()
{
    // The link is written as the publisher gives it, one blank after the colon.
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto: ") + QLatin1String(VerlagEmail)));
}

void TForm1::verweiseVerbinden()
{
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Image1, &TBild::Click, this, &TForm1::Image1Click);
    connect(Image2, &TBild::Click, this, &TForm1::Image2Click);
    connect(Kontakt1, &QAction::triggered, this, &TForm1::Kontakt1Click);
    connect(berlassungsbedingungen3, &QAction::triggered, this, &TForm1::berlassungsbedingungen3Click);
    connect(InformationenzurDIN194661, &QAction::triggered, this, &TForm1::InformationenzurDIN194661Click);
    connect(Info1, &QAction::triggered, this, &TForm1::Info1Click);
    connect(Logoeinbindung1, &QAction::triggered, this, &TForm1::Logoeinbindung1Click);
}
