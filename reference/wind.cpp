#include "reference/wind.h"

#include "reference/fensterhilfe.h"
#include "reference/windgebiete.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

TWindeinstufung::TWindeinstufung(QWidget *parent)
    : QWidget(parent)
{
    ventoris::FensterEinrichten(this, "TWindeinstufung", QStringLiteral("Windeinstufung"), 1000, 776);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setGeometry(8, 8, 977, 729);

    Label1 = new QLabel(QStringLiteral("Windstarke Landkreise/Orte in Deutschland "
                                       "(Nicht genannte Landkreise/Orte sind windschwach)"),
                        Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont fett = Label1->font();
    fett.setBold(true);
    fett.setPixelSize(19);
    Label1->setFont(fett);
    Label1->setGeometry(40, 16, 896, 24);

    Spalte1 = ventoris::TextfeldAnlegen(Panel1, QRect(32, 48, 220, 673), ventoris::WindlisteZeilen(1));
    Spalte2 = ventoris::TextfeldAnlegen(Panel1, QRect(264, 48, 220, 673), ventoris::WindlisteZeilen(2));
    Spalte3 = ventoris::TextfeldAnlegen(Panel1, QRect(496, 48, 220, 673), ventoris::WindlisteZeilen(3));
    Memo1 = ventoris::TextfeldAnlegen(Panel1, QRect(728, 48, 220, 497), ventoris::WindlisteZeilen(4));
    Memo1->setObjectName(QStringLiteral("Memo1"));

    Button1 = new QPushButton(QStringLiteral("Schliessen"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(792, 600, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TWindeinstufung::Button1Click);
}

void TWindeinstufung::Oeffnen()
{
    ventoris::FensterOeffnen(this);
}

void TWindeinstufung::Button1Click()
{
    hide();
}
