#include "reference/information.h"

#include "reference/fensterhilfe.h"
#include "reference/texte.h"

#include <QPlainTextEdit>
#include <QPushButton>

TForm3::TForm3(QWidget *parent)
    : QWidget(parent)
{
    ventoris::FensterEinrichten(this, "TForm3", QStringLiteral("Information zur DIN 1946-6"), 1024, 892);
    Memo1 = ventoris::TextfeldAnlegen(this, QRect(8, 8, 1001, 790), ventoris::DinInformation());
    Memo1->setObjectName(QStringLiteral("Memo1"));
    QFont fett = Memo1->font();
    fett.setBold(true);
    Memo1->setFont(fett);
    Button3 = new QPushButton(QStringLiteral("Schließen"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(460, 820, 96, 25);
    connect(Button3, &QPushButton::clicked, this, &TForm3::Button3Click);
}

void TForm3::Oeffnen()
{
    ventoris::FensterOeffnen(this);
}

void TForm3::Button3Click()
{
    hide();
}
