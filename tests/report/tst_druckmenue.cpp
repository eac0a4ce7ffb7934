// The print commands from the main window's menu: the sheet carries what the
// window shows, and page 2 the picture of the overview window.
#include "popplerwerkzeuge.h"

#include "app/start.h"
#include "reference/konzept.h"
#include "report/blattdaten.h"
#include "report/logofenster.h"
#include "tests/app/bedienung.h"
#include "tests/reference/modalhelfer.h"

#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

class TestDruckmenue : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TForm1> f;

    bool pdfSpeichern(const QString &pfad)
    {
        ModalFolge folge({[pfad](QWidget *w) {
            const QString fehler = DialogBeantworten(qobject_cast<QFileDialog *>(w), pfad);
            QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        }});
        f->PdfSpeichern1->trigger();
        return QTest::qWaitFor([&] { return folge.alleErledigt(); }, 5000);
    }

private slots:
    void init() { f = ProgrammStarten(); }
    void cleanup() { f.reset(); }

    void menueeintrag();
    void blattdatenAusDemFenster();
    void pdfNachDemStart();
    void pdfMitFall();
};

void TestDruckmenue::menueeintrag()
{
    const QList<QAction *> eintraege = f->Programm1->actions();
    const int drucken = eintraege.indexOf(f->Drucken1);
    QVERIFY(drucken >= 0);
    // the print group: print, its preview, then the PDF
    QCOMPARE(eintraege.value(drucken + 1), f->Seitenansicht1);
    QCOMPARE(eintraege.value(drucken + 2), f->PdfSpeichern1);
    QCOMPARE(f->PdfSpeichern1->objectName(), QStringLiteral("PdfSpeichern1"));
    QCOMPARE(f->PdfSpeichern1->text(), QStringLiteral("Ergebnis als PDF speichern …"));
}

void TestDruckmenue::blattdatenAusDemFenster()
{
    QTest::mouseClick(f->Image7, Qt::LeftButton);
    KnopfKlicken(f->RadioGroup1, 1);
    QTest::keyClicks(f->Edit6, "100");
    HakenKlicken(f->CheckListBox1, 2);
    const int laeufe = f->NeuberechnungLaeufe;
    const ventoris::TBlattDaten d = f->BlattDaten();
    QCOMPARE(f->NeuberechnungLaeufe, laeufe); // printing computes nothing
    QCOMPARE(d.Edit6, QStringLiteral("100"));
    QCOMPARE(d.RadioGroup1, 1);
    QVERIFY(!d.Anforderung[0] && d.Anforderung[2]);
    QCOMPARE(d.Label39, QStringLiteral("125,0"));
    QCOMPARE(d.Label31, QStringLiteral("Lüftungstechnische Maßnahme ist erforderlich !"));
    QCOMPARE(d.Label30, QStringLiteral("Version 1.0.0.11"));
    QCOMPARE(d.Druckdatum, QDate::currentDate());
    QCOMPARE(d.Logo, f->Form5->Logo());
    QCOMPARE(d.Uebersicht.size(), QSize(947, 670));
    QCOMPARE(d.Uebersicht, f->Form6->Uebersicht());
}

void TestDruckmenue::pdfNachDemStart()
{
    if (!poppler::Vorhanden())
        QSKIP("poppler-utils fehlen");
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath("blatt.pdf");
    QVERIFY(pdfSpeichern(pdf));
    QCOMPARE(poppler::Info(pdf, "Pages"), QStringLiteral("2"));
    QStringList woerter;
    for (const poppler::TWort &w : poppler::Woerter(pdf))
        woerter << w.text;
    // no answer yet: the DIN 18017-3 block and the initial captions
    QVERIFY(woerter.contains("18017-3"));
    QVERIFY(woerter.contains("Ergebnis"));
    QVERIFY(woerter.contains("Kommentar1"));
    QVERIFY(woerter.contains("Kommentar2"));
    QVERIFY(woerter.contains("123456789123456789123456789"));
    const auto bilder = poppler::Bilder(pdf);
    QCOMPARE(bilder.size(), 2);
}

void TestDruckmenue::pdfMitFall()
{
    if (!poppler::Vorhanden())
        QSKIP("poppler-utils fehlen");
    QTest::mouseClick(f->Image7, Qt::LeftButton);
    KnopfKlicken(f->RadioGroup1, 1);
    QTest::keyClicks(f->Edit6, "100");
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath("fall.pdf");
    QVERIFY(pdfSpeichern(pdf));
    QStringList woerter;
    for (const poppler::TWort &w : poppler::Woerter(pdf))
        woerter << w.text;
    QVERIFY(woerter.contains("Gebäudedaten:"));
    QVERIFY(woerter.contains("125,0"));
    QVERIFY(woerter.contains("162,5"));
    QVERIFY(!woerter.contains("18017-3"));
}

QTEST_MAIN(TestDruckmenue)
#include "tst_druckmenue.moc"
