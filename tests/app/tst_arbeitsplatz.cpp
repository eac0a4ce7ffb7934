// German dialogs, the folder where the dialogs start, and the list of the
// files used last, as the user meets them after a restart.
#include "app/einstellungen.h"
#include "app/zuletztgeoeffnet.h"
#include "bedienung.h"
#include "report/logofenster.h"
#include "tests/reference/modalhelfer.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

class TestArbeitsplatz : public QObject
{
    Q_OBJECT

    QTemporaryDir tmp;
    QString pfad(const QString &name) const { return tmp.filePath(name); }
    // Runs the command and answers its file dialog; gives the folder that the
    // dialog showed when it opened.
    static QString ausfuehren(const std::function<void()> &befehl, ModalFolge::Schritt antwort)
    {
        QString ordner;
        ModalFolge folge({[&](QWidget *w) {
            ordner = qobject_cast<QFileDialog *>(w)->directory().absolutePath();
            antwort(w);
        }});
        befehl();
        return abwarten(folge) ? ordner : QStringLiteral("(kein Dialog)");
    }
    static QString ausfuehren(QAction *a, ModalFolge::Schritt antwort)
    {
        return ausfuehren([a] { a->trigger(); }, std::move(antwort));
    }
    static QStringList eintraege(TForm1 &f, QStringList texte = {})
    {
        for (QAction *a : f.ZuletztGeoeffnet1->actions())
            texte << a->text();
        return texte;
    }

private slots:
    void initTestCase()
    {
        ventoris::ProgrammNamenSetzen();
        QVERIFY(QDir::setCurrent(tmp.path())); // "Logo.bmp" lands here
    }
    void init() { QSettings().clear(); }

    void deutscheDialoge()
    {
        auto f = ProgrammStarten();
        // the test's own configuration folder, never the user's
        QVERIFY(QSettings().fileName().startsWith(QDir::tempPath() + "/ventoris-test-"));
        QCOMPARE(f->Speichern1->shortcut().toString(QKeySequence::NativeText), QStringLiteral("Strg+S"));
        // (Qt's German catalogue comes with qt6-translations-l10n)
        QStringList knoepfe;
        ausfuehren(f->ffnen1, [&](QWidget *w) {
            for (QAbstractButton *k : w->findChild<QDialogButtonBox *>()->buttons())
                knoepfe << k->text().remove('&');
            abbrechen()(w);
        });
        knoepfe.sort();
        QCOMPARE(knoepfe, (QStringList{"Abbrechen", "Öffnen"}));
    }

    void startordner()
    {
        QVERIFY(QDir(tmp.path()).mkpath("a") && QDir(tmp.path()).mkpath("b"));
        auto f = ProgrammStarten();
        // nothing known yet: home, not the working directory
        QCOMPARE(ausfuehren(f->ffnen1, abbrechen()), QDir::homePath());
        ausfuehren(f->Speichern1, dateiWaehlen(pfad("a/fall.lkz")));
        // the project's folder comes before the folder chosen last (b)
        QCOMPARE(ausfuehren(f->PdfSpeichern1, dateiWaehlen(pfad("b/fall.pdf"))), pfad("a"));
        QCOMPARE(ausfuehren([&] { f->Form5->Button3->click(); }, abbrechen()), pfad("a"));
        // after a restart, without a project: the folder chosen last
        f = ProgrammStarten();
        QCOMPARE(ausfuehren(f->ffnen1, abbrechen()), pfad("b"));
    }

    // A name typed the moment the dialog has the keyboard, while its folder
    // is still being listed, is the name saved: the proposed name never
    // comes back over it.
    void sofortGetippterName()
    {
        QVERIFY(QDir(tmp.path()).mkpath("voll"));
        for (int i = 0; i < 3000; ++i)
            QFile(pfad(QString("voll/e%1.lkz").arg(i))).open(QIODevice::WriteOnly);
        auto f = ProgrammStarten();
        ausfuehren(f->Speichern1, dateiWaehlen(pfad("voll/vorschlag.lkz")));
        QCOMPARE(f->AktuellesProjekt, pfad("voll/vorschlag.lkz"));
        f->Edit2->setText(QStringLiteral("zweiter Fall"));
        bool geladen = true;
        ausfuehren(f->Speichern1, [&](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            QVERIFY(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
            geladen = dateidialog::zeigtOrdner(*dialog, pfad("voll"));
            dateidialog::eintippen(dialog->findChild<QLineEdit *>("fileNameEdit"), QStringLiteral("getippt.lkz"));
            // the user confirms once the list is there
            QVERIFY(QTest::qWaitFor([&] { return dateidialog::zeigtOrdner(*dialog, pfad("voll")); }));
            QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save), Qt::LeftButton);
        });
        if (geladen)
            QSKIP("der Ordner war schon geladen, bevor getippt wurde");
        QCOMPARE(f->AktuellesProjekt, pfad("voll/getippt.lkz"));
        QFile getippt(pfad("voll/getippt.lkz")), vorschlag(pfad("voll/vorschlag.lkz"));
        QVERIFY(getippt.open(QIODevice::ReadOnly) && getippt.readAll().contains("zweiter Fall"));
        QVERIFY(vorschlag.open(QIODevice::ReadOnly) && !vorschlag.readAll().contains("zweiter Fall"));
    }

    void zuletztGeoeffnet()
    {
        auto f = ProgrammStarten();
        QCOMPARE(f->Programm1->actions().value(f->Programm1->actions().indexOf(f->ffnen1) + 1),
                 f->ZuletztGeoeffnet1->menuAction());
        QVERIFY(!f->ZuletztGeoeffnet1->isEnabled());
        for (int i = 1; i <= 10; ++i)
            f->Zuletzt->Merken(pfad(QString("f%1.lkz").arg(i)));
        ausfuehren(f->Speichern1, dateiWaehlen(pfad("f&3.lkz")));
        f->ProjektOeffnen(pfad("f&3.lkz"));
        f->Zuletzt->Merken(pfad("f9.lkz"));
        const QStringList erwartet = {"&1 f9.lkz", "&2 f&&3.lkz", "&3 f10.lkz", "&4 f8.lkz", "&5 f7.lkz",
                                      "&6 f6.lkz", "&7 f5.lkz", "&8 f4.lkz", "", "Liste leeren"};
        QCOMPARE(eintraege(*f), erwartet);
        QCOMPARE(f->ZuletztGeoeffnet1->actions().at(1)->toolTip(), pfad("f&3.lkz"));

        // a restart reads the same list; a missing file leaves it with a message
        f = ProgrammStarten();
        QCOMPARE(eintraege(*f), erwartet);
        Meldung m;
        ModalFolge fehlt({meldungLesen(m)});
        f->ZuletztGeoeffnet1->actions().at(0)->trigger();
        QVERIFY(abwarten(fehlt));
        QCOMPARE(m.text, QStringLiteral("Die Projektdatei „%1“ gibt es nicht mehr.\nSie wird aus der Liste der "
                                        "zuletzt geöffneten Dateien entfernt.").arg(pfad("f9.lkz")));
        QCOMPARE(eintraege(*f).mid(0, 2), (QStringList{"&1 f&&3.lkz", "&2 f10.lkz"}));
        // an existing one opens as "Öffnen" does
        f->ZuletztGeoeffnet1->actions().at(0)->trigger();
        QVERIFY(f->AktuellesProjekt == pfad("f&3.lkz") && f->Panel6->isHidden());
        f->ZuletztGeoeffnet1->actions().constLast()->trigger();
        QCOMPARE(eintraege(*f), (QStringList{"", "Liste leeren"}));
        QVERIFY(!f->ZuletztGeoeffnet1->isEnabled());
    }

    void beschaedigteEinstellungen()
    {
        const QString datei = QSettings().fileName();
        QVERIFY(QDir().mkpath(QFileInfo(datei).absolutePath()));
        QFile schreiben(datei);
        QVERIFY(schreiben.open(QIODevice::WriteOnly) && schreiben.write("[Zuletzt\nDateien=/x/y.lkz\n\xff") > 0);
        schreiben.close();
        auto f = ProgrammStarten();
        QVERIFY(eintraege(*f).size() == 2 && !f->ZuletztGeoeffnet1->isEnabled());
        // the next file remembered replaces the damaged one
        f->Zuletzt->Merken(pfad("neu.lkz"));
        QCOMPARE(eintraege(*ProgrammStarten()), (QStringList{"&1 neu.lkz", "", "Liste leeren"}));
    }
};

QTEST_MAIN(TestArbeitsplatz)
#include "tst_arbeitsplatz.moc"
