// The building overview window as a user meets it: from the menu, sorting and
// filtering, opening a unit, following the folder, and its printed pages.
#include "app/start.h"
#include "building/gebaeude.h"
#include "overview/gebaeudemodell.h"
#include "overview/gebaeudeuebersicht.h"
#include "report/ergebnispdf.h"
#include "report/uebersichtblatt.h"
#include "tests/project/beispielsatz.h"
#include "tests/report/popplerwerkzeuge.h"
#include "tests/reference/modalhelfer.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace ventoris;

namespace {

// A current record with the given floor area and designation.
QByteArray einheit(const QByteArray &flaeche, const QByteArray &name)
{
    QByteArray s = altSatz(0);
    satztabelle::feldSetzen(s, 0, 1, name);
    satztabelle::feldSetzen(s, 0, 10, flaeche);
    return s;
}

// The texts of one column, top to bottom, as the view shows them.
QStringList spalte(const TGebaeudeuebersicht &u, int k)
{
    QStringList texte;
    for (int z = 0; z < u.Filter->rowCount(); ++z)
        texte << u.Filter->index(z, k).data().toString();
    return texte;
}

} // namespace

class TestGebaeudeuebersicht : public QObject
{
    Q_OBJECT
    QTemporaryDir m_haus;
    std::unique_ptr<TForm1> f;
    QPointer<TGebaeudeuebersicht> u;

private slots:
    void initTestCase();
    void ausDemMenue();
    void sortierenUndFiltern();
    void einheitOeffnen();
    void folgtDemOrdner();
    void gedruckteSeiten();
};

void TestGebaeudeuebersicht::initTestCase()
{
    schreiben(m_haus.filePath("NE 1.lkz"), einheit("100", "Nord"));
    schreiben(m_haus.filePath("NE 2.lkz"), einheit("9,5", "S\xfc" "d"));
    schreiben(m_haus.filePath("NE 10.lkz"), einheit("55", "Ost"));
    f = FensterErzeugen();
    f->show();
}

// "Gebäudeübersicht …" stands below "Speichern", asks for a folder and opens
// a window of its own; the main window keeps its start page and caption.
void TestGebaeudeuebersicht::ausDemMenue()
{
    const QList<QAction *> eintraege = f->Programm1->actions();
    QCOMPARE(eintraege.indexOf(f->Gebaeudeuebersicht1), eintraege.indexOf(f->Speichern1) + 1);
    QCOMPARE(f->Gebaeudeuebersicht1->text(), QStringLiteral("Gebäudeübersicht …"));
    const QString titel = f->windowTitle();

    ModalFolge folge({[this](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        QVERIFY(dialog);
        QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
        const QString fehler = DialogBeantworten(dialog, m_haus.path());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    }});
    f->Gebaeudeuebersicht1->trigger();
    QVERIFY(abwarten(folge));
    u = f->findChild<TGebaeudeuebersicht *>(QStringLiteral("Gebaeudeuebersicht"));
    QVERIFY(u);
    QVERIFY(u->isWindow() && !u->isModal());
    QCOMPARE(u->windowTitle(), QStringLiteral("Gebäudeübersicht – ") + m_haus.path());
    QTRY_VERIFY(!u->Liest());
    QCOMPARE(spalte(*u, SpalteDatei), QStringList({"NE 1.lkz", "NE 2.lkz", "NE 10.lkz", "Summe"}));
    QCOMPARE(f->windowTitle(), titel);
    QVERIFY(f->Panel6->isVisible());
}

void TestGebaeudeuebersicht::sortierenUndFiltern()
{
    QTableView *t = u->Tabelle;
    t->sortByColumn(SpalteFlaeche, Qt::AscendingOrder);
    QCOMPARE(spalte(*u, SpalteFlaeche), QStringList({"9,5", "55", "100", "164,5"}));
    t->sortByColumn(SpalteFlaeche, Qt::DescendingOrder);
    QCOMPARE(spalte(*u, SpalteFlaeche), QStringList({"100", "55", "9,5", "164,5"}));

    // the measure in words and in colour
    const int sued = spalte(*u, SpalteObjekt).indexOf("Süd"); // 9,5 m²: too little infiltration
    const QModelIndex massnahme = u->Filter->index(sued, SpalteMassnahme);
    QCOMPARE(massnahme.data().toString(), QStringLiteral("erforderlich"));
    QVERIFY(massnahme.data(Qt::BackgroundRole).value<QColor>().isValid());
    QCOMPARE(massnahme.data(Qt::AccessibleTextRole).toString(), QStringLiteral("erforderlich"));

    // the total counts the rows that the filter shows
    QTest::keyClicks(u->Suche, "oST");
    QCOMPARE(spalte(*u, SpalteObjekt), QStringList({"Ost", "1 Nutzungseinheit"}));
    u->Suche->clear();
    QCOMPARE(u->Filter->rowCount(), 4);
}

// Return on a row opens that unit as "Öffnen" does.
void TestGebaeudeuebersicht::einheitOeffnen()
{
    const int ost = spalte(*u, SpalteObjekt).indexOf("Ost");
    u->activateWindow();
    u->Tabelle->setFocus();
    u->Tabelle->setCurrentIndex(u->Filter->index(ost, SpalteDatei));
    QTest::keyClick(u->Tabelle, Qt::Key_Return);
    QVERIFY(f->windowTitle().endsWith(m_haus.filePath("NE 10.lkz")));
    QCOMPARE(f->Edit6->text(), QStringLiteral("55"));
    QVERIFY(!f->Panel6->isVisible());
}

// Saved, added, removed or changed by another program: the table follows
// within a second, and the unit files stay as they were.
void TestGebaeudeuebersicht::folgtDemOrdner()
{
    QSignalSpy gelesen(u.data(), &TGebaeudeuebersicht::Gelesen);
    schreiben(m_haus.filePath("NE 3.LKZ"), einheit("70", "West"));
    QVERIFY(gelesen.wait(1000));
    QCOMPARE(u->Gebaeude().einheiten.size(), 4);

    // written in place, as another program may do it
    QFile datei(m_haus.filePath("NE 3.LKZ"));
    QVERIFY(datei.open(QIODevice::ReadWrite));
    QVERIFY(datei.seek(satztabelle::lagen[0][0].offset));
    datei.write(QByteArray("\x04Nahe", 5));
    datei.close();
    QTRY_VERIFY_WITH_TIMEOUT(spalte(*u, SpalteObjekt).contains("Nahe"), 1000);

    QVERIFY(QFile::remove(m_haus.filePath("NE 3.LKZ")));
    QTRY_COMPARE_WITH_TIMEOUT(u->Gebaeude().einheiten.size(), 3, 1000);
    QCOMPARE(QFile(m_haus.filePath("NE 1.lkz")).size(), 1160);
}

// 100 units: each table page has its head row, the chart pages follow, every
// page its number; every unit is printed once in the table and the total sums
// the areas.
void TestGebaeudeuebersicht::gedruckteSeiten()
{
    QTemporaryDir gross;
    for (int i = 1; i <= 100; ++i)
        schreiben(gross.filePath(QStringLiteral("Wohnung %1.lkz").arg(i)), einheit(QByteArray::number(i), "W"));
    const TGebaeude g = GebaeudeLesen(gross.path());
    const TBlatt blatt = UebersichtblattAufbauen(gross.path(), g.einheiten, g.summe, QImage(), QDate(2026, 12, 9));
    const QString pdf = gross.filePath("uebersicht.pdf");
    QCOMPARE(BlattPdfSchreiben(blatt, pdf, QPageLayout::Landscape, "Gebäudeübersicht"), std::nullopt);
    if (!poppler::Vorhanden())
        QSKIP("poppler-utils fehlen");
    QVERIFY(poppler::Info(pdf, "Page size").contains("842"));
    const int seiten = poppler::Info(pdf, "Pages").toInt();
    QString tabelle;
    int tabellenSeiten = 0, diagrammSeiten = 0;
    for (int s = 1; s <= seiten; ++s) {
        const QString text = QString::fromUtf8(poppler::Ausfuehren(
            "pdftotext", {"-layout", "-f", QString::number(s), "-l", QString::number(s), pdf, "-"}));
        QVERIFY(text.contains(QStringLiteral("Seite %1 von %2").arg(s).arg(seiten)));
        QVERIFY(text.contains(QStringLiteral("Objektbezeichnung: W")));
        if (text.contains(QRegularExpression(QStringLiteral("Datei .* FL +RL +NL +IL +Inf\\. +Maßnahme")))) {
            QCOMPARE(diagrammSeiten, 0);
            ++tabellenSeiten;
            tabelle += text;
        } else {
            QVERIFY(text.contains(QStringLiteral("Feuchteschutz und Infiltration je Nutzungseinheit")));
            ++diagrammSeiten;
        }
    }
    QVERIFY(tabellenSeiten >= 2 && diagrammSeiten >= 1);
    for (int i = 1; i <= 100; ++i)
        QCOMPARE(tabelle.count(QRegularExpression(QStringLiteral("Wohnung %1\\.lkz ").arg(i))), 1);
    // 1 + 2 + ... + 100 = 5050 m²
    QVERIFY(tabelle.contains(QRegularExpression(QStringLiteral("Summe +5050,0 "))));
}

QTEST_MAIN(TestGebaeudeuebersicht)
#include "tst_gebaeudeuebersicht.moc"
