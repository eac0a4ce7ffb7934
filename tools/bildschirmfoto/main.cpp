// Saves pictures of the main window for the README: the start page, the work
// view with a complete case, the secondary windows and the open dialog as Qt
// draws it in German. Usage: bildschirmfoto <folder>
#include "app/start.h"
#include "app/steuerelemente.h"
#include "measure/massnahmeform.h"
#include "overview/gebaeudeuebersicht.h"
#include "project/projektsatz.h"

#include "reference/hinweise.h"
#include "reference/information.h"
#include "reference/konzept.h"
#include "reference/programminfo.h"
#include "reference/ueberlassung.h"
#include "reference/wind.h"
#include "report/ergebnispdf.h"
#include "report/logofenster.h"

#include <QApplication>
#include <QScrollBar>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QFileDialog>
#include <QTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QSignalSpy>
#include <QTemporaryDir>
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

    // the balance of the measure for that case, with its sheet
    fenster->Massnahme1->trigger();
    ventoris::TMassnahmeForm *massnahme = fenster->MassnahmeForm;
    massnahme->SystemWahl->setCurrentText(ventoris::massnahme::Querlueftung);
    QTest::keyClicks(massnahme->AldVolumenstrom, "12,5");
    for (const char *art : {"Küche", "Bad", "WC, fensterlos, bedarfsgeführt"}) {
        massnahme->RaumHinzu->click();
        const int zeile = massnahme->Raeume->rowCount() - 1;
        massnahme->Raeume->item(zeile, 0)->setText(QString::fromUtf8(art).section(QLatin1Char(','), 0, 0) + " EG");
        qobject_cast<QComboBox *>(massnahme->Raeume->cellWidget(zeile, 1))->setCurrentText(QString::fromUtf8(art));
    }
    QApplication::processEvents();
    massnahme->grab().save(ordner + "/massnahme.png");
    ventoris::BlattPdfSchreiben(massnahme->Blatt(), ordner + "/massnahmenblatt.pdf", QPageLayout::Portrait,
                                QStringLiteral("Maßnahmenblatt"));

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

    // a building of eight flats, one of them damaged
    QTemporaryDir haus;
    ventoris::TProjektSatz satz;
    const QStringList felder = {"", "Lindenweg 12", "00000 Musterstadt", "09.12.26", "A. Planer", "", "",
                                "MFH als eingeschossige Nutzungseinheit", "windschwach", "", "", "nein", "1978",
                                "nein", "1", "1", "0", "nein", "", "", "mittlerer Gebäudebestand"};
    for (int nr = 1; nr <= felder.size(); ++nr)
        satz.SetzeText(nr, felder[nr - 1]);
    const char *flaechen[] = {"54,5", "72", "88,3", "61", "95", "120,5", "47"};
    for (int i = 0; i < 7; ++i) {
        satz.SetzeText(1, QStringLiteral("Wohnung %1").arg(i + 1));
        satz.SetzeText(10, QLatin1String(flaechen[i]));
        satz.SetzeText(21, i % 3 == 0 ? QStringLiteral("freie Lüftung bei Modernisierung als eingeschossige NE")
                                      : QStringLiteral("mittlerer Gebäudebestand"));
        QFile datei(haus.filePath(QStringLiteral("Wohnung_%1.lkz").arg(i + 1)));
        datei.open(QIODevice::WriteOnly);
        datei.write(satz.Bytes());
    }
    // the balance of the measure beside three of them
    for (int i : {2, 4, 6}) {
        QFile bilanz(haus.filePath(QStringLiteral("Wohnung_%1.massnahme").arg(i)));
        bilanz.open(QIODevice::WriteOnly);
        bilanz.write(R"({"format": "ventoris-massnahme", "version": 1, "system": "ventilatorgestützt: Abluft",
                         "ald": {"volumenstrom": 15}, "abluftraeume": [{"raum": "Küche", "art": "Küche",
                         "volumenstrom": 45}, {"raum": "Bad", "art": "Bad", "volumenstrom": 45}]})");
    }
    QFile kaputt(haus.filePath(QStringLiteral("Wohnung_8.lkz")));
    kaputt.open(QIODevice::WriteOnly);
    kaputt.write(QByteArray(812, 'x'));
    kaputt.close();
    ventoris::TGebaeudeuebersicht *uebersicht = fenster->GebaeudeuebersichtOeffnen(haus.path());
    QSignalSpy gelesen(uebersicht, &ventoris::TGebaeudeuebersicht::Gelesen);
    if (!gelesen.wait(5000))
        return 1;
    // the unit and its verdict lead; the address columns are hidden here (as
    // the header's menu does, but not remembered), so that the figures follow
    uebersicht->resize(1270, 420);
    for (int k = ventoris::SpalteStrasse; k <= ventoris::SpalteGebaeudelage; ++k)
        uebersicht->Tabelle->setColumnHidden(k, true);
    QApplication::processEvents();
    uebersicht->grab().save(ordner + "/gebaeudeuebersicht.png");
    // scrolled to its last columns, the balance of the measures
    uebersicht->Tabelle->horizontalScrollBar()->setValue(uebersicht->Tabelle->horizontalScrollBar()->maximum());
    QApplication::processEvents();
    uebersicht->grab().save(ordner + "/gebaeudeuebersicht-bilanz.png");
    return 0;
}
