// The main window's openers of the reference windows and its outside links.
#include "app/start.h"
#include "app/steuerelemente.h"
#include "tests/app/bedienung.h"
#include "reference/hinweise.h"
#include "reference/information.h"
#include "reference/konzept.h"
#include "reference/programminfo.h"
#include "reference/ueberlassung.h"
#include "reference/wind.h"
#include "report/logofenster.h"

#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

// Collects the addresses that the program hands to the desktop.
class Adressfaenger : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> adressen;
public slots:
    void oeffnen(const QUrl &url) { adressen << url; }
};

class TestVerweise : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TForm1> f;
    Adressfaenger faenger;

private slots:
    void initTestCase()
    {
        for (const char *schema : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(schema, &faenger, "oeffnen");
    }
    void cleanupTestCase()
    {
        for (const char *schema : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(schema);
    }
    void init()
    {
        f = ProgrammStarten();
        faenger.adressen.clear();
    }
    void cleanup() { f.reset(); }

    void fensterInStartreihenfolge();
    void oeffner_data();
    void oeffner();
    void nichtModalUndEinmal();
    void webadressen();
    void mailverweis();
};

void TestVerweise::fensterInStartreihenfolge()
{
    QStringList namen;
    for (QObject *kind : f->children())
        if (auto *w = qobject_cast<QWidget *>(kind); w && w->isWindow())
            namen << w->objectName();
    QCOMPARE(namen, (QStringList{"TForm2", "TForm3", "TForm4", "TWindeinstufung", "TForm5", "TForm6",
                                 "THinweiseForm"}));
    for (QWidget *w : std::initializer_list<QWidget *>{f->Form2, f->Form3, f->Form4, f->Windeinstufung,
                                                        f->Form5, f->Form6, f->HinweiseForm})
        QVERIFY2(w->isHidden(), qPrintable(w->objectName()));
}

void TestVerweise::oeffner_data()
{
    QTest::addColumn<QString>("ausloeser");
    QTest::addColumn<QString>("fenster");
    QTest::newRow("Überlassungsbedingungen") << "berlassungsbedingungen3" << "TForm2";
    QTest::newRow("DIN 1946-6") << "InformationenzurDIN194661" << "TForm3";
    QTest::newRow("Info") << "Info1" << "TForm4";
    QTest::newRow("Logo") << "Logoeinbindung1" << "TForm5";
    QTest::newRow("Windgebiete") << "Button3" << "TWindeinstufung";
    QTest::newRow("Lüftungssysteme") << "Button4" << "TForm6";
    QTest::newRow("Hinweise n50") << "Button2" << "THinweiseForm";
}

void TestVerweise::oeffner()
{
    QFETCH(QString, ausloeser);
    QFETCH(QString, fenster);
    auto *w = f->findChild<QWidget *>(fenster);
    QVERIFY(w);
    QVERIFY(!w->isVisible());
    if (auto *a = f->findChild<QAction *>(ausloeser)) {
        a->trigger();
    } else {
        QTest::mouseClick(f->Image7, Qt::LeftButton);
        KnopfKlicken(f->RadioGroup1, 1);
        auto *knopf = f->findChild<QPushButton *>(ausloeser);
        QVERIFY(knopf);
        QTest::mouseClick(knopf, Qt::LeftButton);
    }
    QVERIFY(w->isVisible());
    QVERIFY(w->isWindow());
    QCOMPARE(w->windowModality(), Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestVerweise::nichtModalUndEinmal()
{
    f->InformationenzurDIN194661->trigger();
    f->InformationenzurDIN194661->trigger();
    int sichtbar = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == "TForm3")
            ++sichtbar;
    QCOMPARE(sichtbar, 1);
    // the main window stays usable beside it
    QTest::mouseClick(f->Image7, Qt::LeftButton);
    QVERIFY(f->Panel6->isHidden());
    // the wind list changes nothing in the main window
    f->Button3Click();
    auto *box = f->Windeinstufung->findChild<QPlainTextEdit *>("Memo1");
    QVERIFY(box);
    box->setFocus();
    QTest::keyClicks(box, "windstark");
    QCOMPARE(f->ComboBox2->currentText(), QStringLiteral("windschwach"));
}

void TestVerweise::webadressen()
{
    QTest::mouseClick(f->Image2, Qt::LeftButton);
    QTest::mouseClick(f->Image1, Qt::LeftButton);
    f->Button7->click();
    QCOMPARE(faenger.adressen.size(), 3);
    QCOMPARE(faenger.adressen[0], QUrl("https://www.aerolis.example"));
    QCOMPARE(faenger.adressen[1], QUrl("https://www.tessarix.example"));
    QCOMPARE(faenger.adressen[2], QUrl("https://www.aerolis.example"));
    // the hidden buttons carry the addresses as written, without a scheme
    QCOMPARE(f->Button5->text(), QStringLiteral("www.aerolis.example"));
    QCOMPARE(f->Button6->text(), QStringLiteral("www.tessarix.example"));
}

void TestVerweise::mailverweis()
{
    f->Kontakt1->trigger();
    QCOMPARE(faenger.adressen.size(), 1);
    QCOMPARE(faenger.adressen[0].scheme(), QStringLiteral("mailto"));
    QCOMPARE(faenger.adressen[0].toString(), QStringLiteral("mailto: info@aerolis.example"));
}

QTEST_MAIN(TestVerweise)
#include "tst_verweise.moc"
