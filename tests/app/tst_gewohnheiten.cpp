// The habits of a desktop program: standard keys, dropping a project file,
// the print preview and what a screen reader reads.
#include "bedienung.h"

#include "tests/project/beispielsatz.h"
#include "tests/reference/modalhelfer.h"
#include "tests/report/popplerwerkzeuge.h"

#include <QAccessible>
#include <QDateEdit>
#include <QFile>
#include <QMimeData>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString vorgelesen(QObject *o, QAccessible::Text art = QAccessible::Name)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(o);
    return i ? i->text(art) : QStringLiteral("<keine Schnittstelle>");
}

// Drags data over the window at a point as the windowing system does, offering
// a move, and drops it if the window takes it; returns the action taken.
Qt::DropAction ablegen(QWidget *fenster, const QPoint &punkt, const QMimeData &daten)
{
    const Qt::DropActions angeboten = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent hinein(punkt, angeboten, &daten, Qt::LeftButton, {});
    QDragMoveEvent ueber(punkt, angeboten, &daten, Qt::LeftButton, {});
    QDropEvent ab(punkt, angeboten, &daten, Qt::LeftButton, {});
    for (QDropEvent *e : {static_cast<QDropEvent *>(&hinein), static_cast<QDropEvent *>(&ueber), &ab}) {
        e->setDropAction(Qt::MoveAction);
        QApplication::sendEvent(fenster->windowHandle(), e);
        if (!e->isAccepted()) {
            QDragLeaveEvent hinaus;
            QApplication::sendEvent(fenster->windowHandle(), &hinaus);
            return Qt::IgnoreAction;
        }
    }
    return ab.dropAction();
}

QMimeData *daten(const QStringList &pfade, const QString &text = {})
{
    auto *d = new QMimeData;
    QList<QUrl> urls;
    for (const QString &p : pfade)
        urls << QUrl::fromLocalFile(p);
    d->setUrls(urls);
    if (!text.isEmpty())
        d->setText(text);
    return d;
}

} // namespace

class TestGewohnheiten : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TForm1> f;

private slots:
    void init() { f = ProgrammStarten(); }
    void cleanup() { f.reset(); }

    void tastenkuerzel();
    void dateiAblegen();
    void seitenansicht();
    void vorlesen();
    void startMitTastatur();
};

void TestGewohnheiten::tastenkuerzel()
{
    // the keys work while the start page is shown
    const QList<std::pair<QKeySequence, QString>> tasten = {
        {QKeySequence::New, {}}, {QKeySequence::Open, "OpenDialog1"}, {QKeySequence::Save, "SaveDialog1"},
        {QKeySequence::Print, "PrintDialog1"}, {Qt::CTRL | Qt::Key_Q, {}}};
    for (const auto &[taste, dialog] : tasten) {
        QString gesehen;
        ModalFolge folge({[&gesehen](QWidget *w) {
            gesehen = w->objectName();
            qobject_cast<QDialog *>(w)->reject();
        }});
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QTest::keySequence(f.get(), taste);
        QTRY_COMPARE(gesehen, dialog);
        QVERIFY(f->Panel6->isHidden());
    }
    QVERIFY(!f->isVisible());
}

void TestGewohnheiten::dateiAblegen()
{
    QTemporaryDir ordner;
    const QString lkz = ordner.filePath("birke.lkz");
    schreiben(lkz, altSatz(0));
    const QPoint mitte = f->rect().center();

    // refused, and nothing changes: another suffix, two files, text, also
    // over an edit field of the work view
    f->Neu1->trigger();
    const QPoint feld = f->Edit2->mapTo(f.get(), QPoint(5, 5));
    for (const QMimeData *d : {daten({ordner.filePath("birke.txt")}), daten({lkz, lkz}), daten({}, lkz)}) {
        QCOMPARE(ablegen(f.get(), mitte, *d), Qt::IgnoreAction);
        QCOMPARE(ablegen(f.get(), feld, *d), Qt::IgnoreAction);
        delete d;
    }
    QCOMPARE(f->Edit2->text(), QString());
    QVERIFY(f->AktuellesProjekt.isEmpty());

    // the project file opens like "Öffnen", and is copied, never moved
    f->Startseite2->trigger();
    std::unique_ptr<QMimeData> projekt(daten({lkz}));
    QCOMPARE(ablegen(f.get(), mitte, *projekt), Qt::CopyAction);
    QTRY_COMPARE(f->AktuellesProjekt, lkz);
    QCOMPARE(f->Edit2->text(), QStringLiteral("Haus Birke"));
    QVERIFY(f->Panel6->isHidden());
    QVERIFY(f->windowTitle().endsWith(lkz));
    QVERIFY(QFile::exists(lkz));
}

void TestGewohnheiten::seitenansicht()
{
    if (!poppler::Vorhanden())
        QSKIP("poppler-utils fehlen");
    QTest::mouseClick(f->Image7, Qt::LeftButton);
    KnopfKlicken(f->RadioGroup1, 1);
    QTest::keyClicks(f->Edit6, "100");
    const QString titel = f->windowTitle();
    const int laeufe = f->NeuberechnungLaeufe;

    // What the preview shows is printed from it onto a PDF printer.
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath("ansicht.pdf");
    f->Drucker().setOutputFileName(pdf);
    int seiten = 0;
    ModalFolge folge({[&seiten](QWidget *w) {
        auto *ansicht = w->findChild<QPrintPreviewWidget *>();
        seiten = ansicht->pageCount();
        ansicht->print();
        qobject_cast<QDialog *>(w)->reject();
    }});
    f->Seitenansicht1->trigger();
    QVERIFY(QTest::qWaitFor([&] { return folge.alleErledigt(); }, 5000));
    QCOMPARE(seiten, 2);
    QCOMPARE(poppler::Info(pdf, "Pages"), QStringLiteral("2"));
    QStringList woerter;
    for (const poppler::TWort &w : poppler::Woerter(pdf))
        woerter << w.text;
    QVERIFY(woerter.contains("Gebäudedaten:") && woerter.contains("162,5"));
    // closing it changed nothing
    QCOMPARE(f->windowTitle(), titel);
    QCOMPARE(f->NeuberechnungLaeufe, laeufe);
}

void TestGewohnheiten::vorlesen()
{
    QTest::mouseClick(f->Image7, Qt::LeftButton);
    KnopfKlicken(f->RadioGroup1, 1);
    QTest::keyClicks(f->Edit6, "100");
    const QList<std::tuple<QObject *, QString, QString>> erwartet = {
        {f->Edit6, "Fläche Nutzungseinheit ANE", "100"},
        {f->ComboBox7, "Neubau ?", "ja"},
        {f->Edit8, "n50", "1,5"},
        {f->datum, "Bearbeitungsdatum:", f->datum->text()},
        {f->Label39, "Nennlüftung: 125,0 m³/h", "125,0 m³/h"},
        {f->Label28, "wirksame Lüftung durch Infiltration: 40,4 m³/h", "40,4 m³/h"},
        {f->Label26, "Qualität Wärmeschutz nach DIN 1946-6: hoch", "hoch"},
        {f->Label31, f->Label31->text(), {}}};
    for (const auto &[objekt, name, wert] : erwartet) {
        QCOMPARE(vorgelesen(objekt), name);
        if (!wert.isEmpty())
            QCOMPARE(vorgelesen(objekt, QAccessible::Value), wert);
    }
    QCOMPARE(vorgelesen(f->Panel2), QStringLiteral("Gebäudeangaben:"));
    QCOMPARE(vorgelesen(f->Panel5), QStringLiteral("Ergebnisse:"));
    QCOMPARE(QAccessible::queryAccessibleInterface(f->Panel2)->role(), QAccessible::Grouping);
    QCOMPARE(vorgelesen(f->RadioGroup1), QStringLiteral("Gibt es fensterlose Räume ?"));
    // every input of the work view has a name
    for (QWidget *w : f->Panel1->findChildren<QWidget *>()) {
        if (qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QComboBox *>(w) ||
            qobject_cast<QAbstractButton *>(w) || qobject_cast<QListWidget *>(w) ||
            (qobject_cast<QLineEdit *>(w) && w->parentWidget()->inherits("QFrame")))
            QVERIFY2(!vorgelesen(w).isEmpty(), qPrintable(w->objectName()));
    }
}

void TestGewohnheiten::startMitTastatur()
{
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    QAccessibleInterface *start = QAccessible::queryAccessibleInterface(f->Image7);
    QCOMPARE(start->role(), QAccessible::Button);
    QCOMPARE(start->text(QAccessible::Name), QStringLiteral("START"));
    // Tab stays among the start page's pictures and comes round to START
    QCOMPARE(QApplication::focusWidget(), f->Image7);
    for (QWidget *naechster : {static_cast<QWidget *>(f->Image1), static_cast<QWidget *>(f->Image2),
                               static_cast<QWidget *>(f->Image7)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), naechster);
    }
    QTest::keyClick(f->Image7, Qt::Key_Space);
    QVERIFY(f->Panel6->isHidden());
    f->Startseite2->trigger();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(f->Panel6->isHidden());
}

QTEST_MAIN(TestGewohnheiten)
#include "tst_gewohnheiten.moc"
