#include "reference/ueberlassung.h"

#include "reference/fensterhilfe.h"
#include "reference/texte.h"

#include <QPlainTextEdit>
#include <QPushButton>

TForm2::TForm2(QWidget *parent)
    : QWidget(parent)
{
    ventoris::FensterEinrichten(this, "TForm2", QStringLiteral("Überlassungsbedingungen"), 1078, 856);
    Memo2 = ventoris::TextfeldAnlegen(this, QRect(5, 5, 1057, 769), ventoris::Ueberlassungsbedingungen());
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Button1 = new QPushButton(QStringLiteral("Schließen"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(483, 790, 96, 25);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

void TForm2::Oeffnen()
{
    ventoris::FensterOeffnen(this);
}

void TForm2::Button1Click()
{
    hide();
}
