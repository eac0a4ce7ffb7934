// The input groups driven as a user drives them: the airtightness look, the
// heat-protection group, the choice fields, the reset, limits and Tab order.
#include "bedienung.h"
#include "erwartungen.h"

#include "app/start.h"

#include <QDateEdit>
#include <QLabel>
#include <QtTest>

class TestEingabegruppen : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TForm1> f;
    void eingabenOeffnen() { EingabenOeffnen(*f); }

private slots:
    void init() { f = ProgrammStarten(); }
    void cleanup() { f.reset(); }

    void messwertAussehen();
    void messwertJaGross();
    void vorgabeUeberschreibtEingabe();
    void waermeschutzGruppe();
    void gebaeudetypWaehlen();
    void auswahlfeldProgrammOhneReaktion();
    void auswahlfeldBehaeltGetipptenText();
    void zuruecksetzenNachJa();
    void zuruecksetzenNachMesswert();
    void zuruecksetzenLaesstDatumUndErgebnisse();
    void riesigeFlaeche();
    void tastenschlagBegrenzt();
    void tabulatorfolge();
};

void TestEingabegruppen::messwertAussehen()
{
    eingabenOeffnen();
    QTest::keyClicks(f->Edit6, "100");
    AuswahlWaehlen(f->ComboBox5, "ja");
    QCOMPARE(f->ComboBox5->currentText(), QStringLiteral("ja"));
    QVERIFY(!f->ComboBox6->isVisible() && !f->Label19->isVisible() && !f->Label62->isVisible());
    QVERIFY(f->Edit8->palette().color(QPalette::Base) != Grau);
    // measured values are used as typed
    FeldTippen(f->Edit8, "3");
    FeldTippen(f->Edit10, "");
    QCOMPARE(f->Edit8->text(), QStringLiteral("3"));
    // exponent 0: QInf = 0.5*100*2.5*3
    QCOMPARE(f->Label28->text(), QStringLiteral("375,0"));
    // back to the preset: grey fields, preset values written
    AuswahlWaehlen(f->ComboBox5, "nein");
    QVERIFY(f->ComboBox6->isVisible());
    QCOMPARE(f->Edit8->palette().color(QPalette::Base), Grau);
    QCOMPARE(f->Edit8->text(), QStringLiteral("1,5"));
    QCOMPARE(f->Edit10->text(), QStringLiteral("0,667"));
    QCOMPARE(f->Label28->text(), QStringLiteral("40,4"));
}

void TestEingabegruppen::messwertJaGross()
{
    eingabenOeffnen();
    QTest::keyClicks(f->Edit6, "100");
    AuswahlTippen(f->ComboBox5, "Ja");
    QCOMPARE(f->ComboBox5->currentText(), QStringLiteral("Ja"));
    // the preset look ...
    QVERIFY(f->ComboBox6->isVisible());
    QCOMPARE(f->Edit8->palette().color(QPalette::Base), Grau);
    // ... but the calculation takes the typed values as measured ones
    FeldTippen(f->Edit8, "2");
    QCOMPARE(f->Edit8->text(), QStringLiteral("2"));
    QCOMPARE(f->Edit10->text(), QStringLiteral("0,667"));
    // 0.1^0.667 * 0.5*100*2.5*2 = 53.85
    QCOMPARE(f->Label28->text(), QStringLiteral("53,8"));
}

void TestEingabegruppen::vorgabeUeberschreibtEingabe()
{
    eingabenOeffnen();
    QTest::keyClicks(f->Edit8, "7");
    QCOMPARE(f->Edit8->text(), QStringLiteral("1,5"));
    FeldTippen(f->Edit10, "5");
    QCOMPARE(f->Edit10->text(), QStringLiteral("0,667"));
}

void TestEingabegruppen::waermeschutzGruppe()
{
    eingabenOeffnen();
    QTest::keyClicks(f->Edit6, "100");
    AuswahlWaehlen(f->ComboBox7, "nein");
    QVERIFY(f->Edit11->isVisible() && f->Label21->isVisible());
    QVERIFY(f->ComboBox8->isVisible() && f->Label29->isVisible());
    QCOMPARE(f->ComboBox6->currentText(), QStringLiteral("freie Lüftung bei Modernisierung als mehrgeschossige NE"));
    AuswahlWaehlen(f->ComboBox8, "nein");
    QCOMPARE(f->Label26->text(), QStringLiteral("niedrig"));
    QCOMPARE(f->ComboBox6->currentText(), QStringLiteral("mittlerer Gebäudebestand"));
    QCOMPARE(f->Edit8->text(), QStringLiteral("4,5"));
    QCOMPARE(f->Label27->text(), QStringLiteral("50,0"));
    QTest::keyClicks(f->Edit11, "1994");
    QCOMPARE(f->Label26->text(), QStringLiteral("niedrig"));
    QVERIFY(f->ComboBox8->isVisible());
    FeldTippen(f->Edit11, "1995");
    QCOMPARE(f->Label26->text(), QStringLiteral("hoch"));
    QVERIFY(!f->ComboBox8->isVisible() && !f->Label29->isVisible());
    QVERIFY(f->Edit11->isVisible());
    QCOMPARE(f->ComboBox6->currentText(), QStringLiteral("freie Lüftung bei Modernisierung als mehrgeschossige NE"));
    // a category the user picks holds until the next change of the heat protection
    AuswahlWaehlen(f->ComboBox6, "ventilatorgestützte Lüftung");
    QCOMPARE(f->Edit8->text(), QStringLiteral("1,0"));
    AuswahlWaehlen(f->ComboBox7, "ja");
    QVERIFY(!f->Edit11->isVisible());
    QCOMPARE(f->ComboBox6->currentText(), QStringLiteral("freie Lüftung Neubau"));
}

void TestEingabegruppen::gebaeudetypWaehlen()
{
    eingabenOeffnen();
    QTest::keyClicks(f->Edit6, "60");
    AuswahlWaehlen(f->ComboBox1, "MFH als eingeschossige Nutzungseinheit");
    QCOMPARE(f->Label28->text(), QStringLiteral("13,2"));
    QCOMPARE(f->Label31->text(),
             QStringLiteral("Lüftungstechnische Maßnahme zur Sicherstellung des Außenluftvolumenstroms für den Feuchteschutz erforderlich!"));
    AuswahlWaehlen(f->ComboBox2, "windstark");
    // DeltaP 4: (4/50)^(2/3) * 0.5*60*2.5*1.5 = 20.88
    QCOMPARE(f->Label28->text(), QStringLiteral("20,9"));
}

void TestEingabegruppen::auswahlfeldProgrammOhneReaktion()
{
    eingabenOeffnen();
    QTest::keyClicks(f->Edit6, "100");
    const int vorher = f->NeuberechnungLaeufe;
    f->ComboBox2->setEditText("windstark");
    f->ComboBox5->setCurrentText("ja");
    f->ComboBox7->TextSetzen("nein");
    QCOMPARE(f->NeuberechnungLaeufe, vorher);
    QCOMPARE(f->Label28->text(), QStringLiteral("40,4"));
    QCOMPARE(f->ComboBox1->count(), 4);
}

void TestEingabegruppen::auswahlfeldBehaeltGetipptenText()
{
    eingabenOeffnen();
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    f->ComboBox7->setFocus();
    const int vorher = f->NeuberechnungLaeufe;
    AuswahlTippen(f->ComboBox7, "Ja");
    // every keystroke reacts: backspace, "J", "a"
    QVERIFY(f->NeuberechnungLaeufe >= vorher + 3);
    QTest::keyClick(f->ComboBox7->lineEdit(), Qt::Key_Return);
    QTest::keyClick(f->ComboBox7->lineEdit(), Qt::Key_Tab);
    QCOMPARE(f->ComboBox7->currentText(), QStringLiteral("Ja"));
    QCOMPARE(f->ComboBox7->count(), 2);
    // "Ja" is no "ja": the year is asked
    QVERIFY(f->Edit11->isVisible());
}

void TestEingabegruppen::zuruecksetzenNachJa()
{
    QTest::mouseClick(f->Image7, Qt::LeftButton);
    KnopfKlicken(f->RadioGroup1, 0);
    KnopfKlicken(f->RadioGroup2, 0);
    f->Neu1->trigger();
    QCOMPARE(f->RadioGroup1->ItemIndex(), -1);
    QCOMPARE(f->RadioGroup2->ItemIndex(), 1);
    QVERIFY(f->RadioGroup2->isVisible());
    QVERIFY(!f->Panel2->isVisible());
    // the reaction of RadioGroup2 left its sentences, but the lines are hidden
    QCOMPARE(f->Label31->text(), W1);
    QVERIFY(!f->Label31->isVisible() && !f->Label63->isVisible());
    QCOMPARE(haken(f->CheckListBox1), QStringLiteral("x..."));
}

void TestEingabegruppen::zuruecksetzenNachMesswert()
{
    eingabenOeffnen();
    AuswahlWaehlen(f->ComboBox5, "ja");
    f->Neu1->trigger();
    QCOMPARE(f->ComboBox5->currentText(), QStringLiteral("nein"));
    // the fields were emptied while the measured value still applied
    QCOMPARE(f->Edit8->text(), QString());
    QCOMPARE(f->Edit10->text(), QString());
    KnopfKlicken(f->RadioGroup1, 0);
    KnopfKlicken(f->RadioGroup2, 0);
    // the look stays as the measured case left it
    QVERIFY(!f->ComboBox6->isVisible());
    QVERIFY(f->Edit8->palette().color(QPalette::Base) != Grau);
    // the next recalculation fills in the preset values
    QTest::keyClicks(f->Edit6, "1");
    QCOMPARE(f->Edit8->text(), QStringLiteral("1,5"));
    QCOMPARE(f->Edit10->text(), QStringLiteral("0,667"));
}

void TestEingabegruppen::zuruecksetzenLaesstDatumUndErgebnisse()
{
    eingabenOeffnen();
    f->datum->setDate(QDate(2020, 1, 2));
    QTest::keyClicks(f->Edit6, "100");
    AuswahlWaehlen(f->ComboBox2, "windstark");
    const QString inf = f->Label28->text();
    f->Neu1->trigger();
    QCOMPARE(f->datum->date(), QDate(2020, 1, 2));
    QCOMPARE(f->Label28->text(), inf);
    QCOMPARE(f->Label39->text(), QStringLiteral("125,0"));
    QCOMPARE(f->ComboBox2->currentText(), QStringLiteral("windschwach"));
}

void TestEingabegruppen::riesigeFlaeche()
{
    eingabenOeffnen();
    QTest::keyClicks(f->Edit6, "100");
    // pasted at once, as typing would pass through smaller numbers
    f->Edit6->selectAll();
    f->Edit6->insert("1e400");
    QCOMPARE(f->Label39->text(), QStringLiteral("125,0"));
    QVERIFY(!f->Label31->isVisible());
    f->Edit6->selectAll();
    f->Edit6->insert("1e200");
    QCOMPARE(f->Label39->text(), QStringLiteral("125,0"));
    for (QLabel *l : {f->Label27, f->Label28, f->Label38, f->Label39, f->Label74})
        QVERIFY(!l->text().contains("inf") && !l->text().contains("nan"));
}

void TestEingabegruppen::tastenschlagBegrenzt()
{
    eingabenOeffnen();
    for (const char *taste : {"1", "2", ".", "5"}) {
        const int vorher = f->NeuberechnungLaeufe;
        QTest::keyClicks(f->Edit6, taste);
        const int laeufe = f->NeuberechnungLaeufe - vorher;
        QVERIFY2(laeufe >= 1 && laeufe <= 3, qPrintable(QString("%1 runs").arg(laeufe)));
    }
    QCOMPARE(f->Edit6->text(), QStringLiteral("12,5"));
}

void TestEingabegruppen::tabulatorfolge()
{
    eingabenOeffnen();
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    f->Edit2->setFocus();
    // the date picker and the choice fields give the focus to an inner part
    auto benannt = [](QWidget *w) {
        while (w && (w->objectName().isEmpty() || w->objectName().startsWith("qt_")))
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    };
    QList<QString> besucht;
    for (int i = 0; i < 16 && besucht.size() < 12; ++i) {
        // the date picker takes Tab for its day, month and year first
        const QString name = benannt(QApplication::focusWidget());
        if (besucht.isEmpty() || besucht.last() != name)
            besucht << name;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const QList<QString> erwartet = {"Edit2", "Edit1",     "Edit4",     "datum",   "Edit7", "Edit3",
                                     "Edit9", "ComboBox1", "ComboBox2", "Button3", "Edit6", "ComboBox5"};
    QCOMPARE(besucht, erwartet);
    // the year is reached and changed from the keyboard
    AuswahlTippen(f->ComboBox7, "nein");
    f->Edit11->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "1980");
    QCOMPARE(f->Edit11->text(), QStringLiteral("1980"));
}

QTEST_MAIN(TestEingabegruppen)
#include "tst_eingabegruppen.moc"
