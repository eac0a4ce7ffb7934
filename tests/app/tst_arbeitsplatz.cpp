// German dialogs, the folder where the dialogs start, and the list of the
// files used last, as the user meets them after a restart.
#include "app/arbeitsordner.h"
#include "app/einstellungen.h"
#include "app/zuletztgeoeffnet.h"
#include "bedienung.h"
#include "report/logofenster.h"
#include "tests/reference/modalhelfer.h"

#include <QDialogButtonBox>
#include <QLibraryInfo>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestArbeitsplatz : public QObject
{
    Q_OBJECT

    QTemporaryDir tmp;
    QString pfad(const QString &name) const { return tmp.filePath(name); }
    static void ausfuehren(QAction *a, QList<ModalFolge::Schritt> schritte)
    {
        ModalFolge folge(std::move(schritte));
        a->trigger();
        QVERIFY2(abwarten(folge), qPrintable(folge.gesehen.join(',')));
    }
    // The folder the dialog shows when it opens, then the given answer.
    static ModalFolge::Schritt ordnerLesen(QString &ordner, ModalFolge::Schritt antwort)
    {
        return [&ordner, antwort](QWidget *w) {
            ordner = qobject_cast<QFileDialog *>(w)->directory().absolutePath();
            antwort(w);
        };
    }
    static QStringList eintraege(TForm1 &f)
    {
        QStringList texte;
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
        const QString katalog = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm";
        QVERIFY2(QFileInfo::exists(katalog), "Qt's German catalogue is missing (qt6-translations-l10n)");
        auto f = ProgrammStarten();
        QVERIFY(QSettings().fileName().startsWith(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + '/'));
        QCOMPARE(f->Speichern1->shortcut().toString(QKeySequence::NativeText), QStringLiteral("Strg+S"));
        QString ja, nein;
        ausfuehren(f->ffnen1, {[&](QWidget *w) {
                       auto *knoepfe = w->findChild<QDialogButtonBox *>();
                       ja = knoepfe->button(QDialogButtonBox::Open)->text().remove('&');
                       nein = knoepfe->button(QDialogButtonBox::Cancel)->text().remove('&');
                       abbrechen()(w);
                   }});
        QCOMPARE(ja, QStringLiteral("Öffnen"));
        QCOMPARE(nein, QStringLiteral("Abbrechen"));
    }

    void startordner()
    {
        QVERIFY(QDir(tmp.path()).mkpath("a") && QDir(tmp.path()).mkpath("b"));
        auto f = ProgrammStarten();
        QString ordner;
        // nothing known yet: home, not the working directory
        ausfuehren(f->ffnen1, {ordnerLesen(ordner, abbrechen())});
        QCOMPARE(ordner, QDir::homePath());
        ausfuehren(f->Speichern1, {ordnerLesen(ordner, dateiWaehlen(pfad("a/fall.lkz")))});
        // the project's folder, before the folder chosen last (b)
        ausfuehren(f->PdfSpeichern1, {ordnerLesen(ordner, dateiWaehlen(pfad("b/fall.pdf")))});
        QCOMPARE(ordner, pfad("a"));
        ModalFolge logo({ordnerLesen(ordner, abbrechen())});
        f->Form5->Button3Click();
        QVERIFY(abwarten(logo));
        QCOMPARE(ordner, pfad("a"));
        // after a restart, without a project: the folder chosen last
        f = ProgrammStarten();
        ausfuehren(f->ffnen1, {ordnerLesen(ordner, abbrechen())});
        QCOMPARE(ordner, pfad("b"));
        QCOMPARE(DialogStartordner(pfad("a/x.lkz")), pfad("a"));
    }

    void zuletztGeoeffnet()
    {
        auto f = ProgrammStarten();
        QCOMPARE(f->Programm1->actions().value(f->Programm1->actions().indexOf(f->ffnen1) + 1),
                 f->ZuletztGeoeffnet1->menuAction());
        QVERIFY(!f->ZuletztGeoeffnet1->isEnabled());
        for (int i = 1; i <= 10; ++i)
            f->Zuletzt->Merken(pfad(QString("f%1.lkz").arg(i)));
        ausfuehren(f->Speichern1, {dateiWaehlen(pfad("f&3.lkz"))});
        f->ProjektOeffnen(pfad("f&3.lkz"));
        f->Zuletzt->Merken(pfad("f9.lkz"));
        const QStringList erwartet = {"&1 f9.lkz", "&2 f&&3.lkz", "&3 f10.lkz", "&4 f8.lkz", "&5 f7.lkz",
                                      "&6 f6.lkz", "&7 f5.lkz", "&8 f4.lkz", "", "Liste leeren"};
        QCOMPARE(eintraege(*f), erwartet);
        QCOMPARE(f->ZuletztGeoeffnet1->actions().at(1)->toolTip(), pfad("f&3.lkz"));

        // a restart reads the same list; a missing file leaves it with a message
        f = ProgrammStarten();
        QCOMPARE(eintraege(*f), erwartet);
        QCOMPARE(QSettings().value("Zuletzt/Dateien").toStringList().size(), 8);
        Meldung m;
        ModalFolge fehlt({[&](QWidget *w) {
            QCOMPARE(qobject_cast<QMessageBox *>(w)->buttons().constFirst()->text(), QStringLiteral("OK"));
            meldungLesen(m)(w);
        }});
        f->ZuletztGeoeffnet1->actions().at(0)->trigger();
        QVERIFY(abwarten(fehlt));
        QCOMPARE(m.text, QStringLiteral("Die Projektdatei „%1“ gibt es nicht mehr.\nSie wird aus der Liste der "
                                        "zuletzt geöffneten Dateien entfernt.").arg(pfad("f9.lkz")));
        QCOMPARE(eintraege(*f).mid(0, 2), (QStringList{"&1 f&&3.lkz", "&2 f10.lkz"}));
        // an existing one opens as "Öffnen" does
        f->ZuletztGeoeffnet1->actions().at(0)->trigger();
        QCOMPARE(f->AktuellesProjekt, pfad("f&3.lkz"));
        QVERIFY(f->Panel6->isHidden());
        f->ZuletztGeoeffnet1->actions().constLast()->trigger();
        QCOMPARE(eintraege(*f), (QStringList{"", "Liste leeren"}));
        QVERIFY(!f->ZuletztGeoeffnet1->isEnabled());
    }

    void beschaedigteEinstellungen_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<bool>("ersetzt");
        QTest::newRow("kaputt") << QByteArray("[Zuletzt\nDateien=/x/y.lkz\n\xff", 27) << true;
        QTest::newRow("neuer") << QByteArray("Version=2\n[Zuletzt]\nDateien=/x/y.lkz\n[Dialoge]\nOrdner=/tmp\n")
                               << false;
    }
    void beschaedigteEinstellungen()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, ersetzt);
        const QString datei = QSettings().fileName();
        QVERIFY(QDir().mkpath(QFileInfo(datei).absolutePath()));
        QFile schreiben(datei);
        QVERIFY(schreiben.open(QIODevice::WriteOnly) && schreiben.write(inhalt) == inhalt.size());
        schreiben.close();
        auto f = ProgrammStarten();
        QVERIFY(TZuletztGeoeffnet::Dateien().isEmpty() && !f->ZuletztGeoeffnet1->isEnabled());
        QCOMPARE(DialogStartordner(QString()), QDir::homePath());
        f->Zuletzt->Merken(pfad("neu.lkz"));
        QCOMPARE(TZuletztGeoeffnet::Dateien(), ersetzt ? QStringList{pfad("neu.lkz")} : QStringList());
        QFile lesen(datei);
        QVERIFY(lesen.open(QIODevice::ReadOnly));
        QCOMPARE(lesen.readAll() == inhalt, !ersetzt);
    }
};

QTEST_MAIN(TestArbeitsplatz)
#include "tst_arbeitsplatz.moc"
