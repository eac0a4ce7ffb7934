#include "reference/konzept.h"

#include "reference/bildfeld.h"
#include "reference/bilder.h"
#include "reference/fensterhilfe.h"

#include <QPushButton>

TForm6::TForm6(QWidget *parent)
    : QWidget(parent)
{
    ventoris::FensterEinrichten(this, "TForm6", QStringLiteral("Lüftungssysteme"), 972, 753);
    Image1 = new TBildfeld(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 8, 947, 670);
    Image1->setBildQuelle(&ventoris::Uebersichtsbild);
    Button1 = new QPushButton(QStringLiteral("Schliessen"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(349, 690, 265, 25);
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
}

void TForm6::Oeffnen()
{
    ventoris::FensterOeffnen(this);
}

QImage TForm6::Uebersicht() const
{
    return Image1->bild();
}

void TForm6::Button1Click()
{
    hide();
}
