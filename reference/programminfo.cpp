#include "reference/programminfo.h"

#include "reference/adressen.h"
#include "reference/bildfeld.h"
#include "reference/bilder.h"
#include "reference/fensterhilfe.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel *Beschriftung(QWidget *eltern, const char *name, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, eltern);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(x, y, 280, 18);
    return label;
}

} // namespace

TForm4::TForm4(QWidget *parent)
    : QWidget(parent)
{
    ventoris::FensterEinrichten(this, "TForm4", QString::fromUtf8(ventoris::EntwicklerName), 603, 265);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setGeometry(8, 8, 577, 217);

    Label1 = Beschriftung(Panel1, "Label1", QStringLiteral("Programm Ventoris DIN 1946-6"), 16, 14);
    QFont gross = Label1->font();
    gross.setPointSize(10);
    gross.setBold(true);
    Label1->setFont(gross);
    Label1->setGeometry(16, 14, 280, 20);
    Label6 = Beschriftung(Panel1, "Label6", QStringLiteral("Version"), 16, 40);
    Label6->setGeometry(16, 40, 110, 18);
    Label7 = Beschriftung(Panel1, "Label7", QString(), 130, 40);
    Label7->setGeometry(130, 40, 150, 18);
    Label2 = Beschriftung(Panel1, "Label2",
                          QStringLiteral("Alle Rechte liegen bei %1").arg(QString::fromUtf8(ventoris::EntwicklerName)),
                          16, 74);
    Label3 = Beschriftung(Panel1, "Label3", QString::fromUtf8(ventoris::RechteinhaberFirma), 16, 94);
    Label4 = Beschriftung(Panel1, "Label4", QString::fromUtf8(ventoris::RechteinhaberStrasse), 16, 114);
    Label5 = Beschriftung(Panel1, "Label5", QString::fromUtf8(ventoris::RechteinhaberOrt), 16, 134);
    Label9 = Beschriftung(Panel1, "Label9", QString::fromUtf8(ventoris::EntwicklerWebadresse), 16, 158);
    Label8 = Beschriftung(Panel1, "Label8", QStringLiteral("Bilder: Tessarix, Aerolis e.V."), 16, 188);

    Image1 = new TBildfeld(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(312, 14, 249, 105);
    Image1->setBildQuelle(&ventoris::Entwicklerlogo);

    Button1 = new QPushButton(QStringLiteral("Schliessen"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(312, 130, 249, 25);
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
}

void TForm4::Oeffnen()
{
    Label6->setText(QString::fromUtf8(ventoris::VersionText));
    ventoris::FensterOeffnen(this);
}

void TForm4::Button1Click()
{
    hide();
}
