// The building overview as a working tool: reached by keyboard, the verdict
// in view, the selection and the total true to what is shown, the print as
// the screen shows it, and a quiet terminal.
#include "app/start.h"
#include "overview/gebaeudeuebersicht.h"
#include "tests/project/beispielsatz.h"
#include "tests/reference/modalhelfer.h"
#include "tests/report/popplerwerkzeuge.h"

#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

using namespace ventoris;

namespace {

// A current record: designation, street and floor area, Windows-1252.
QByteArray einheit(const QByteArray &name, const QByteArray &strasse, const QByteArray &flaeche)
{
    QByteArray s = altSatz(0);
    satztabelle::feldSetzen(s, 0, 1, name);
    satztabelle::feldSetzen(s, 0, 2, strasse);
    satztabelle::feldSetzen(s, 0, 10, flaeche);
    return s;
}

// The file names of the selected rows and of the current row.
QStringList gewaehlt(const TGebaeudeuebersicht &u)
{
    QStringList namen;
    for (const QModelIndex &i : u.Tabelle->selectionModel()->selectedRows(SpalteDatei))
        namen << i.data().toString();
    return namen << u.Tabelle->currentIndex().siblingAtColumn(SpalteDatei).data().toString();
}

} // namespace

class TestUebersichtbedienung : public QObject
{
    Q_OBJECT
    QTemporaryDir m_haus;
    std::unique_ptr<TForm1> f;

    TGebaeudeuebersicht *oeffnen(const QString &ordner)
    {
        TGebaeudeuebersicht *u = f->GebaeudeuebersichtOeffnen(ordner);
        QSignalSpy gelesen(u, &TGebaeudeuebersicht::Gelesen);
        return gelesen.wait(5000) ? u : nullptr;
    }

private slots:
    void initTestCase()
    {
        schreiben(m_haus.filePath("NE 1.lkz"), einheit("Nord", "Lindenstra\xdf" "e 10", "100"));
        schreiben(m_haus.filePath("NE 2.lkz"), einheit("S\xfc" "d", "Lindenstra\xdf" "e 9", "9,5"));
        schreiben(m_haus.filePath("NE 10.lkz"), einheit("Ost", "Birkenweg 1", "55"));
        f = FensterErzeugen();
        f->show();
    }

    // Tab goes round the window and back into the table; Ctrl+F goes to the
    // filter; Alt+D opens "Datei".
    void tastatur()
    {
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QTest::keyClick(f.get(), Qt::Key_D, Qt::AltModifier);
        QTRY_VERIFY(f->Programm1->isVisible());
        f->Programm1->close();

        TGebaeudeuebersicht *u = oeffnen(m_haus.path());
        QVERIFY(u);
        u->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(u));
        u->Tabelle->setFocus();
        QStringList reihe;
        for (int i = 0; i < 10 && (reihe.isEmpty() || QApplication::focusWidget() != u->Tabelle); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reihe << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(reihe, QStringList({"Drucken", "Seitenansicht", "PdfSpeichern", "CsvSpeichern", "Suche", "Tabelle"}));
        QTest::keyClick(u->Tabelle, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), u->Suche);
        u->Tabelle->setFocus();
        QTest::keyClick(u->Tabelle, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), u->Suche);
        u->close();
    }

    // The unit and its verdict lead; the file names stay when the table
    // scrolls to its end; a hidden column stays so in the next window.
    void spalten()
    {
        TGebaeudeuebersicht *u = oeffnen(m_haus.path());
        QVERIFY(u);
        const QHeaderView *kopf = u->Tabelle->horizontalHeader();
        QCOMPARE(QList<int>({kopf->logicalIndex(0), kopf->logicalIndex(1), kopf->logicalIndex(2)}),
                 QList<int>({SpalteDatei, SpalteObjekt, SpalteMassnahme}));
        QScrollBar *waagrecht = u->Tabelle->horizontalScrollBar();
        waagrecht->setValue(waagrecht->maximum());
        const QTableView *fest = u->Tabelle->FesteSpalte();
        QVERIFY(waagrecht->value() > 0 && fest->isVisible() && fest->x() <= u->Tabelle->viewport()->x());
        QCOMPARE(fest->indexAt(QPoint(5, 5)).data().toString(), QStringLiteral("NE 1.lkz"));

        auto menuePunkt = [](TGebaeudeuebersicht *w, const QString &text) -> QAction * {
            for (QAction *a : w->Tabelle->Spaltenmenue()->actions())
                if (a->text() == text)
                    return a;
            return nullptr;
        };
        menuePunkt(u, "Hinweis")->trigger();
        QVERIFY(u->Tabelle->isColumnHidden(SpalteHinweis));
        u->close();
        TGebaeudeuebersicht *zweites = oeffnen(m_haus.path());
        QVERIFY(zweites->Tabelle->isColumnHidden(SpalteHinweis));
        menuePunkt(zweites, "Standard wiederherstellen")->trigger();
        QVERIFY(!zweites->Tabelle->isColumnHidden(SpalteHinweis));
        zweites->close();
    }

    // A file added before the selected one, one removed, and the selected one
    // renamed: the selection and the current row stay with the file (a reset
    // of the table would lose them).
    void auswahlBleibt()
    {
        QTemporaryDir ordner;
        for (const char *name : {"A 1.lkz", "A 2.lkz", "A 3.lkz"})
            schreiben(ordner.filePath(name), einheit(name, "", "50"));
        TGebaeudeuebersicht *u = oeffnen(ordner.path());
        QVERIFY(u);
        // (not through the view, which reads the keyboard's modifiers)
        u->Tabelle->selectionModel()->setCurrentIndex(u->Filter->index(1, SpalteFlaeche),
                                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QCOMPARE(gewaehlt(*u), QStringList({"A 2.lkz", "A 2.lkz"}));
        QSignalSpy gelesen(u, &TGebaeudeuebersicht::Gelesen);

        auto folgt = [&](bool geaendert, const QString &datei) {
            return geaendert && gelesen.wait(2000) && gewaehlt(*u) == QStringList({datei, datei});
        };
        QVERIFY(folgt(QFile::copy(ordner.filePath("A 3.lkz"), ordner.filePath("A 0.lkz")), "A 2.lkz"));
        QVERIFY(folgt(QFile::remove(ordner.filePath("A 1.lkz")), "A 2.lkz"));
        QVERIFY(folgt(QFile::rename(ordner.filePath("A 2.lkz"), ordner.filePath("A 9.lkz")), "A 9.lkz"));
        QCOMPARE(u->Filter->rowCount(), 4);
        u->close();
    }

    // The total sums the rows that the filter shows: 100 + 9,5 m².
    void summeFolgtFilter()
    {
        TGebaeudeuebersicht *u = oeffnen(m_haus.path());
        QVERIFY(u);
        auto summe = [u] {
            const int z = u->Filter->rowCount() - 1;
            return QStringList({u->Filter->index(z, SpalteObjekt).data().toString(),
                                u->Filter->index(z, SpalteFlaeche).data().toString(), u->Status->text()});
        };
        const QStringList alle = {"3 Nutzungseinheiten", "164,5", "3 Dateien gelesen."};
        QCOMPARE(summe(), alle);
        u->Suche->setText("lindenSTR");
        QCOMPARE(summe(), QStringList({"2 Nutzungseinheiten", "109,5", "2 von 3 Nutzungseinheiten angezeigt"}));
        u->Suche->clear();
        QCOMPARE(summe(), alle);
        u->close();
    }

    // Sorted by street and filtered, "Als PDF speichern …" prints the rows as
    // the screen shows them: "Lindenstraße 9" first (in file-name order and in
    // plain character order NE 1 would lead, unfiltered "Birkenweg 1"), under
    // their own total.
    void druckFolgtSortierung()
    {
        if (!poppler::Vorhanden())
            QSKIP("poppler-utils fehlen");
        TGebaeudeuebersicht *u = oeffnen(m_haus.path());
        QVERIFY(u);
        u->Tabelle->sortByColumn(SpalteStrasse, Qt::AscendingOrder);
        u->Suche->setText("linden");
        QTemporaryDir ablage;
        const QString pdf = ablage.filePath("sortiert.pdf");
        ModalFolge folge({dateiWaehlen(pdf)});
        u->PdfSpeichern->click();
        QVERIFY(abwarten(folge));
        const QString text = QString::fromUtf8(poppler::Ausfuehren("pdftotext", {"-layout", pdf, "-"}));
        QCOMPARE(QRegularExpression("NE \\d+\\.lkz").match(text).captured(), QStringLiteral("NE 2.lkz"));
        QVERIFY(text.contains("Filter: „linden“"));
        QVERIFY(text.contains(QRegularExpression("Summe +2 Nutzungseinheiten +109,5 ")));
        u->close();
    }

    // Qt's warning for an empty list's cells, as a screen reader asks for
    // them in a file dialog, is dropped; its neighbour from the same class
    // still reaches the handler before it (here the test's own).
    void meldungsfilter()
    {
        QTest::failOnWarning(QRegularExpression("QAccessibleTable::child"));
        QStandardItemModel leer(0, 4);
        QListView liste;
        liste.setModel(&leer);
        QAccessibleInterface *zugang = QAccessible::queryAccessibleInterface(&liste);
        for (int i = 0; i < 4; ++i)
            QVERIFY(!zugang->child(i));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^QAccessibleTable::cellAt: invalid index"));
        QVERIFY(!zugang->tableInterface()->cellAt(0, 0));
    }
};

QTEST_MAIN(TestUebersichtbedienung)
#include "tst_uebersichtbedienung.moc"
