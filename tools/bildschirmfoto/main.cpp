// Saves pictures of the main window for the README: the start page, the work
// view with a complete case, the secondary windows and the open dialog as Qt
// draws it in German. Usage: bildschirmfoto <folder>
#include "app/start.h"
#include "app/steuerelemente.h"

#include "reference/hinweise.h"
#include "reference/information.h"
#include "reference/konzept.h"
#include "reference/programminfo.h"
#include "reference/ueberlassung.h"
#include "reference/wind.h"
#include "report/logofenster.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString ordner = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    auto fenster = FensterErzeugen();
    fenster->show();
    if (!QTest::qWaitForWindowExposed(fenster.get()))
        return 1;
    fenster->grab().save(ordner + "/startseite.png");

    QTest::mouseClick(fenster->Image7, Qt::LeftButton);
    QTest::mouseClick(fenster->RadioGroup1->Knopf(1), Qt::LeftButton, {}, QPoint(6, 8));
    QTest::keyClicks(fenster->Edit2, "Wohnhaus Lindenweg");
    QTest::keyClicks(fenster->Edit1, "Lindenweg 12");
    QTest::keyClicks(fenster->Edit4, "00000 Musterstadt");
    QTest::keyClicks(fenster->Edit7, "A. Planer");
    fenster->ComboBox7->setFocus();
    fenster->ComboBox7->lineEdit()->selectAll();
    QTest::keyClicks(fenster->ComboBox7, "nein");
    QTest::keyClicks(fenster->Edit11, "1978");
    QTest::keyClicks(fenster->Edit6, "112.5");
    QApplication::processEvents();
    fenster->grab().save(ordner + "/arbeitsansicht.png");

    // the secondary windows as they open
    const QList<QWidget *> nebenfenster = {fenster->Form2, fenster->Form3, fenster->Form4,
                                           fenster->Windeinstufung, fenster->Form5, fenster->Form6,
                                           fenster->HinweiseForm};
    fenster->Info1Click();
    for (QWidget *w : nebenfenster)
        w->grab().save(ordner + "/" + w->objectName() + ".png");

    QTimer::singleShot(500, [ordner] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            dialog->grab().save(ordner + "/oeffnen.png");
            dialog->reject();
        }
    });
    fenster->ffnen1->trigger();
    return 0;
}
