#include "reference/hinweise.h"

#include "reference/bildfeld.h"
#include "reference/bilder.h"
#include "reference/fensterhilfe.h"

#include <QPushButton>

THinweiseForm::THinweiseForm(QWidget *parent)
    : QWidget(parent)
{
    ventoris::FensterEinrichten(this, "THinweiseForm",
                                QStringLiteral("Hinweise zum Vorgabewert des Auslegungsluftwechsels n50 "),
                                590, 603);
    Image1 = new TBildfeld(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(22, 16, 545, 471);
    Image1->setBildQuelle(&ventoris::Vorgabewertetabelle);
    Schliessen = new QPushButton(QStringLiteral("Schliessen"), this);
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    Schliessen->setGeometry(182, 510, 225, 25);
    connect(Schliessen, &QPushButton::clicked, this, &THinweiseForm::SchliessenClick);
}

void THinweiseForm::Oeffnen()
{
    ventoris::FensterOeffnen(this);
}

void THinweiseForm::SchliessenClick()
{
    hide();
}
