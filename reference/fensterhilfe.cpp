#include "reference/fensterhilfe.h"

#include "reference/einpassung.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QTextOption>
#include <QWidget>

namespace ventoris {

void FensterEinrichten(QWidget *fenster, const char *name, const QString &titel,
                       int breite, int hoehe)
{
    fenster->setObjectName(QString::fromLatin1(name));
    fenster->setWindowFlag(Qt::Window, true);
    fenster->setWindowModality(Qt::NonModal);
    fenster->setWindowTitle(titel);
    // The windows were laid out for the small dialog font of 8 points; Arial
    // comes closest and keeps the designed boxes large enough for their text.
    fenster->setFont(QFont(QStringLiteral("Arial"), 8));
    fenster->resize(breite, hoehe);
    EinpassenEinrichten(fenster, QSize(breite, hoehe));
}

void FensterOeffnen(QWidget *fenster)
{
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

QPlainTextEdit *TextfeldAnlegen(QWidget *eltern, const QRect &lage,
                                const QStringList &zeilen)
{
    auto *feld = new QPlainTextEdit(eltern);
    feld->setGeometry(lage);
    feld->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    feld->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    feld->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    feld->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    feld->setTabStopDistance(28);
    feld->setPlainText(zeilen.join(QLatin1Char('\n')));
    return feld;
}

} // namespace ventoris
