// The main window driven as a user drives it: start page, menu, questions,
// typing and ticking. The input groups themselves: tst_eingabegruppen.
#include "bedienung.h"
#include "erwartungen.h"

#include "app/start.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

class TestHauptfenster : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TForm1> f;
    void eingabenOeffnen() { EingabenOeffnen(*f); }

private slots:
    void init() { f = ProgrammStarten(); }
    void cleanup() { f.reset(); }

    void startseite();
    void startwerte();
    void menue();
    void startKnopfSetztZurueck();
    void neuWieStart();
    void startseiteZeigenBehaeltFall();
    void beendenSchliesst();
    void antwortNein();
    void grundfallGetippt();
    void punktWirdKomma();
    void antwortJa();
    void jaDannWeitereAnforderungen();
    void anforderungVorDerAntwort();
    void hakenRegeln();
    void hakenMitTastatur();
};

void TestHauptfenster::startseite()
{
    QCOMPARE(f->windowTitle(),
             QStringLiteral("Notwendigkeit lüftungstechnischer Maßnahmen nach DIN 1946-6 (Ausgabe 2009)"));
    QCOMPARE(f->size(), QSize(1009, 765));
    QVERIFY(!f->windowIcon().isNull());
    QVERIFY(f->Panel6->isVisible());
    QCOMPARE(f->Panel6->geometry(), QRect(0, 0, 985, 697));
    QCOMPARE(f->Label30->text(), QStringLiteral("Version 1.0.0.11"));
    QCOMPARE(f->Image7->pixmap().size(), QSize(143, 169));
    for (TBild *b : {f->Image1, f->Image2, f->Image3, f->Image4, f->Image5})
        QVERIFY2(!b->pixmap().isNull(), qPrintable(b->objectName()));
    for (QPushButton *b : {f->Button1, f->Button5, f->Button6, f->Button7})
        QVERIFY(!b->isVisible());
    // the work view's panels lie where the design puts them
    QCOMPARE(f->Panel1->geometry(), QRect(8, 8, 985, 697));
    QCOMPARE(f->Panel5->geometry(), QRect(624, 232, 345, 257));
    QCOMPARE(f->Panel8->geometry(), QRect(8, 608, 961, 81));
}

void TestHauptfenster::startwerte()
{
    QCOMPARE(f->Edit2->text(), QStringLiteral("123456789123456789123456789"));
    QCOMPARE(f->Edit10->text(), QStringLiteral("0,667"));
    QCOMPARE(f->datum->date(), QDate::currentDate());
    QCOMPARE(f->ComboBox1->currentText(), QStringLiteral("EFH als mehrgeschossige Nutzungseinheit"));
    QCOMPARE(f->ComboBox6->currentText(), QStringLiteral("freie Lüftung Neubau"));
    QCOMPARE(f->ComboBox5->currentText(), QStringLiteral("nein"));
    QCOMPARE(f->ComboBox7->currentText(), QStringLiteral("ja"));
    QCOMPARE(f->RadioGroup1->ItemIndex(), -1);
    QCOMPARE(f->RadioGroup2->ItemIndex(), 1);
    QCOMPARE(haken(f->CheckListBox1), QStringLiteral("...."));
    QCOMPARE(f->Label31->text(), QStringLiteral("Ergebnis"));
    QCOMPARE(f->Label63->text(), QStringLiteral("Kommentar2"));
    // behind the start page: no answer yet, every input group hidden
    QTest::mouseClick(f->Image7, Qt::LeftButton);
    f->Startseite2->trigger();
    auto neu = FensterErzeugen();
    for (QWidget *w : std::initializer_list<QWidget *>{neu->Panel2, neu->Panel3, neu->Panel4, neu->Panel5,
                                                        neu->Panel11, neu->RadioGroup2, neu->Label62})
        QVERIFY2(w->isHidden(), qPrintable(w->objectName()));
    QVERIFY(!neu->Label19->isHidden());
    QVERIFY(neu->Edit8->palette().color(QPalette::Base) != Grau);
}

void TestHauptfenster::menue()
{
    const QList<std::pair<const char *, const char *>> eintraege = {
        {"Neu1", "Neu"},
        {"ffnen1", "Öffnen"},
        {"Speichern1", "Speichern"},
        {"Druckereinstellung1", "Druckereinstellung"},
        {"Drucken1", "Ergebnis drucken"},
        {"Beenden1", "Beenden"},
        {"Logoeinbindung1", "Logoeinbindung"},
        {"InformationenzurDIN194661", "Informationen zur DIN 1946-6"},
        {"Info1", "Info zu Tessarix"},
        {"Kontakt1", "Kontakt zum LKZ"},
        {"berlassungsbedingungen3", "Überlassungsbedingungen"},
        {"Startseite2", "Startseite"}};
    for (const auto &[name, text] : eintraege) {
        auto *a = f->findChild<QAction *>(name);
        QVERIFY2(a, name);
        QCOMPARE(a->text(), QString::fromUtf8(text));
    }
    // the titles as shown, without the ampersand that marks the Alt key's letter
    QCOMPARE(f->findChild<QMenu *>("Programm1")->title().remove('&'), QStringLiteral("Datei"));
    QCOMPARE(f->findChild<QMenu *>("berlassungsbedingungen1")->title().remove('&'), QStringLiteral("?"));
    QVERIFY(f->menuBar()->actions().contains(f->Startseite2));
}

void TestHauptfenster::startKnopfSetztZurueck()
{
    QTest::mouseClick(f->Image7, Qt::LeftButton);
    QVERIFY(f->Panel6->isHidden());
    QCOMPARE(f->Edit2->text(), QString());
    // Emptying Edit10 recalculates while ComboBox5 still reads "nein", and that
    // run writes the preset values back.
    QCOMPARE(f->Edit10->text(), QStringLiteral("0,667"));
    QCOMPARE(f->Edit8->text(), QStringLiteral("1,5"));
    QCOMPARE(haken(f->CheckListBox1), QStringLiteral("x..."));
    QVERIFY(f->Panel11->isVisible());
    for (QWidget *w : std::initializer_list<QWidget *>{f->Panel2, f->Panel3, f->Panel4, f->Panel5,
                                                        f->Label31, f->Label49, f->Label63})
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    for (QWidget *w : std::initializer_list<QWidget *>{f->Panel9, f->Panel10, f->Panel12, f->Panel13, f->Panel8})
        QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
    QCOMPARE(f->RadioGroup1->ItemIndex(), -1);
}

void TestHauptfenster::neuWieStart()
{
    f->Neu1->trigger();
    QVERIFY(f->Panel6->isHidden());
    QCOMPARE(f->Edit2->text(), QString());
    QCOMPARE(haken(f->CheckListBox1), QStringLiteral("x..."));
    QCOMPARE(f->windowTitle(),
             QStringLiteral("Notwendigkeit lüftungstechnischer Maßnahmen nach DIN 1946-6 (Ausgabe 2009)"));
}

void TestHauptfenster::startseiteZeigenBehaeltFall()
{
    eingabenOeffnen();
    QTest::keyClicks(f->Edit6, "100");
    QTest::keyClicks(f->Edit7, "Planer");
    f->Startseite2->trigger();
    QVERIFY(f->Panel6->isVisible());
    QCOMPARE(f->Edit6->text(), QStringLiteral("100"));
    QCOMPARE(f->Label39->text(), QStringLiteral("125,0"));
    // the way back through START empties the case
    QTest::mouseClick(f->Image7, Qt::LeftButton);
    QCOMPARE(f->Edit6->text(), QString());
    QCOMPARE(f->Edit7->text(), QString());
}

void TestHauptfenster::beendenSchliesst()
{
    eingabenOeffnen();
    QTest::keyClicks(f->Edit6, "100");
    f->Beenden1->trigger();
    QVERIFY(!f->isVisible());
}

void TestHauptfenster::antwortNein()
{
    QTest::mouseClick(f->Image7, Qt::LeftButton);
    const int vorher = f->NeuberechnungLaeufe;
    KnopfKlicken(f->RadioGroup1, 1);
    QCOMPARE(f->RadioGroup1->ItemIndex(), 1);
    QVERIFY(f->NeuberechnungLaeufe > vorher);
    for (QWidget *w : std::initializer_list<QWidget *>{f->Panel2, f->Panel3, f->Panel4, f->Panel5, f->Panel11})
        QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
    QVERIFY(!f->RadioGroup2->isVisible());
    QCOMPARE(haken(f->CheckListBox1), QStringLiteral("x..."));
    // preset look with the preset values filled in
    QVERIFY(f->ComboBox6->isVisible() && f->Label19->isVisible() && f->Label62->isVisible());
    QCOMPARE(f->Edit8->palette().color(QPalette::Base), Grau);
    QCOMPARE(f->Edit10->palette().color(QPalette::Base), Grau);
    QCOMPARE(f->Edit8->text(), QStringLiteral("1,5"));
    QCOMPARE(f->Edit10->text(), QStringLiteral("0,667"));
    QCOMPARE(f->Label26->text(), QStringLiteral("hoch"));
    // no area yet: no flows, no verdict
    QVERIFY(!f->Label27->isVisible());
    QVERIFY(!f->Label31->isVisible());
}

void TestHauptfenster::grundfallGetippt()
{
    eingabenOeffnen();
    QTest::keyClicks(f->Edit6, "100");
    QCOMPARE(f->Label26->text(), QStringLiteral("hoch"));
    QCOMPARE(f->Label27->text(), QStringLiteral("37,5"));
    QCOMPARE(f->Label28->text(), QStringLiteral("40,4"));
    QCOMPARE(f->Label38->text(), QStringLiteral("87,5"));
    QCOMPARE(f->Label39->text(), QStringLiteral("125,0"));
    QCOMPARE(f->Label74->text(), QStringLiteral("162,5"));
    for (QLabel *l : {f->Label26, f->Label27, f->Label28, f->Label38, f->Label39, f->Label74})
        QVERIFY2(l->isVisible(), qPrintable(l->objectName()));
    QCOMPARE(f->Label31->text(), S2);
    QCOMPARE(f->Label49->text(), S4);
    QCOMPARE(f->Label63->text(), S5);
    QVERIFY(f->Label31->isVisible() && f->Label49->isVisible() && f->Label63->isVisible());
    QVERIFY(f->Label31->font().bold());
    QCOMPARE(f->Label31->palette().color(QPalette::WindowText), QColor(Qt::red));
    QVERIFY(f->Label31->font().pixelSize() >= f->Edit6->font().pixelSize() * 13 / 10);
    // clearing the area keeps the flows and empties the verdict
    FeldTippen(f->Edit6, "");
    QCOMPARE(f->Edit6->text(), QString());
    QCOMPARE(f->Label39->text(), QStringLiteral("125,0"));
    QVERIFY(f->Label39->isVisible());
    QVERIFY(!f->Label31->isVisible());
    QCOMPARE(f->Label63->text(), QString());
}

void TestHauptfenster::punktWirdKomma()
{
    eingabenOeffnen();
    QTest::keyClicks(f->Edit6, "12.5");
    QCOMPARE(f->Edit6->text(), QStringLiteral("12,5"));
    // 0.1^(2/3) * 0.5 * 12.5 * 2.5 * 1.5 = 5.05
    QCOMPARE(f->Label28->text(), QStringLiteral("5,0"));
    QCOMPARE(f->Label39->text(), QStringLiteral("53,6"));
}

void TestHauptfenster::antwortJa()
{
    eingabenOeffnen();
    QTest::keyClicks(f->Edit6, "100");
    const int vorher = f->NeuberechnungLaeufe;
    KnopfKlicken(f->RadioGroup1, 0);
    QCOMPARE(f->NeuberechnungLaeufe, vorher);
    for (QWidget *w : std::initializer_list<QWidget *>{f->Panel2, f->Panel3, f->Panel4, f->Panel5})
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    QVERIFY(f->RadioGroup2->isVisible() && f->Panel11->isVisible() && f->Label50->isVisible());
    QCOMPARE(f->RadioGroup2->ItemIndex(), 1);
    QCOMPARE(f->Label31->text(), W1);
    QCOMPARE(f->Label49->text(), W2);
    QCOMPARE(f->Label63->text(), QString());
    QVERIFY(f->Label31->isVisible() && f->Label49->isVisible() && f->Label63->isVisible());
    QCOMPARE(f->Label39->text(), QStringLiteral("125,0"));
}

void TestHauptfenster::jaDannWeitereAnforderungen()
{
    eingabenOeffnen();
    QTest::keyClicks(f->Edit6, "100");
    KnopfKlicken(f->RadioGroup1, 0);
    const int vorher = f->NeuberechnungLaeufe;
    KnopfKlicken(f->RadioGroup2, 0);
    QCOMPARE(f->NeuberechnungLaeufe, vorher);
    for (QWidget *w : std::initializer_list<QWidget *>{f->Panel2, f->Panel3, f->Panel4, f->Panel5, f->Panel11})
        QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
    QVERIFY(!f->Label31->isVisible() && !f->Label49->isVisible());
    QCOMPARE(f->Label31->text(), QString());
    // the next input change brings the flow verdict
    QTest::keyClicks(f->Edit6, "0");
    QVERIFY(f->Label31->isVisible());
    QCOMPARE(f->Label31->text(), S2);
    // "nein" again: back to the verdict for windowless rooms
    KnopfKlicken(f->RadioGroup2, 1);
    QVERIFY(!f->Panel2->isVisible());
    QCOMPARE(f->Label31->text(), W1);
    QCOMPARE(f->Label49->text(), W2);
}

void TestHauptfenster::anforderungVorDerAntwort()
{
    QTest::mouseClick(f->Image7, Qt::LeftButton);
    const int vorher = f->NeuberechnungLaeufe;
    HakenKlicken(f->CheckListBox1, 3);
    QCOMPARE(haken(f->CheckListBox1), QStringLiteral("...x"));
    QCOMPARE(f->NeuberechnungLaeufe, vorher + 1);
    QCOMPARE(f->Label31->text(), S6);
    QCOMPARE(f->Label49->text(), QString());
    QCOMPARE(f->Label63->text(), R3);
    QVERIFY(f->Label31->isVisible() && f->Label63->isVisible());
    QVERIFY(!f->Panel2->isVisible() && !f->Panel5->isVisible());
}

void TestHauptfenster::hakenRegeln()
{
    eingabenOeffnen();
    QTest::keyClicks(f->Edit6, "100");
    HakenKlicken(f->CheckListBox1, 1);
    HakenKlicken(f->CheckListBox1, 3);
    QCOMPARE(haken(f->CheckListBox1), QStringLiteral(".x.x"));
    QCOMPARE(f->Label31->text(), S6);
    QCOMPARE(f->Label63->text(), R6);
    HakenKlicken(f->CheckListBox1, 3);
    QCOMPARE(f->Label63->text(), R1);
    // "nein" while a requirement is ticked is undone at once
    HakenKlicken(f->CheckListBox1, 0);
    QCOMPARE(haken(f->CheckListBox1), QStringLiteral(".x.."));
    // a click on an item's text is a click in the list too
    const int vorher = f->NeuberechnungLaeufe;
    EintragKlicken(f->CheckListBox1, 2);
    QCOMPARE(haken(f->CheckListBox1), QStringLiteral(".x.."));
    QVERIFY(f->NeuberechnungLaeufe > vorher);
    // unticking the last requirement ticks "nein" and brings back the flow verdict
    HakenKlicken(f->CheckListBox1, 1);
    QCOMPARE(haken(f->CheckListBox1), QStringLiteral("x..."));
    QCOMPARE(f->Label31->text(), S2);
    QCOMPARE(f->Label63->text(), S5);
    // ticks set by the program run nothing
    const int jetzt = f->NeuberechnungLaeufe;
    f->CheckListBox1->SetChecked(2, true);
    QCOMPARE(f->NeuberechnungLaeufe, jetzt);
}

void TestHauptfenster::hakenMitTastatur()
{
    eingabenOeffnen();
    f->CheckListBox1->setFocus();
    f->CheckListBox1->setCurrentRow(2);
    QTest::keyClick(f->CheckListBox1, Qt::Key_Space);
    QCOMPARE(haken(f->CheckListBox1), QStringLiteral("..x."));
    QCOMPARE(f->Label31->text(), S6);
}

QTEST_MAIN(TestHauptfenster)
#include "tst_hauptfenster.moc"
