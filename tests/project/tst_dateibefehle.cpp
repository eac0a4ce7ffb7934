// "Öffnen", "Speichern" and "Neu" driven from the menu, with the dialogs
// answered as a user answers them.
#include "beispielsatz.h"

#include "app/start.h"
#include "tests/app/bedienung.h"
#include "tests/reference/modalhelfer.h"

#include <QDateEdit>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString Titel = QStringLiteral("Ventoris Wohnungslüftung          Aktuelles Projekt:      ");
const QString Anfangstitel =
    QStringLiteral("Notwendigkeit lüftungstechnischer Maßnahmen nach DIN 1946-6 (Ausgabe 2009)");

} // namespace

class TestDateibefehle : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TForm1> f;
    QTemporaryDir ordner;
    QString pfad(const QString &name) const { return ordner.filePath(name); }
    void oeffnen(QList<ModalFolge::Schritt> schritte)
    {
        ModalFolge folge(std::move(schritte));
        f->ffnen1->trigger();
        QVERIFY2(abwarten(folge), qPrintable(folge.gesehen.join(',')));
    }
    void speichern(QList<ModalFolge::Schritt> schritte)
    {
        ModalFolge folge(std::move(schritte));
        f->Speichern1->trigger();
        QVERIFY2(abwarten(folge), qPrintable(folge.gesehen.join(',')));
    }

private slots:
    void init() { f = ProgrammStarten(); }
    void cleanup() { f.reset(); }

    void speichernUndOeffnen();
    void dialogeEingerichtet();
    void ohneEndungGespeichert();
    void oeffnenAbgebrochenBeimStart();
    void neuNachOeffnen();
    void alteVersionen_data();
    void alteVersionen();
    void keineAntwortOhneReaktion();
    void fehlendeDatei();
    void zuKurz();
    void schreibgeschuetztOeffnet();
    void speichernInFehlendenOrdner();
    void speichernScheitertLaesstAlteDatei();
};

void TestDateibefehle::speichernUndOeffnen()
{
    QTest::mouseClick(f->Image7, Qt::LeftButton);
    KnopfKlicken(f->RadioGroup1, 1);
    TextTippen(f->Edit2, QStringLiteral("Haus Müller – Süd"));
    QTest::keyClicks(f->Edit6, "100");
    HakenKlicken(f->CheckListBox1, 1);
    HakenKlicken(f->CheckListBox1, 3);
    f->datum->setDate(QDate(2024, 3, 5));
    const QString datei = pfad("fall.lkz");
    speichern({dateiWaehlen(datei)});
    QCOMPARE(f->windowTitle(), Titel + datei);
    QCOMPARE(f->AktuellesProjekt, datei);

    QFile gelesen(datei);
    QVERIFY(gelesen.open(QIODevice::ReadOnly));
    const QByteArray satz = gelesen.readAll();
    QCOMPARE(satz.size(), 1160);
    QCOMPARE(satztabelle::feldText(satz, 0, 1), QByteArray("Haus M\xfcller \x96 S\xfc" "d"));
    // the date in the user's short date format
    QCOMPARE(QString::fromLatin1(satztabelle::feldText(satz, 0, 4)),
             QLocale::system().toString(QDate(2024, 3, 5), QLocale::ShortFormat));
    QCOMPARE(satztabelle::feldText(satz, 0, 10), QByteArray("100"));
    QCOMPARE(satztabelle::feldText(satz, 0, 15), QByteArray("1"));
    QCOMPARE(satztabelle::feldText(satz, 0, 16), QByteArray("1"));
    QCOMPARE(satztabelle::feldText(satz, 0, 17), QByteArray("5"));
    QCOMPARE(satztabelle::feldText(satz, 0, 21), QByteArray("freie L\xfc" "ftung Neubau"));
    QCOMPARE(satztabelle::feldText(satz, 0, 25), QByteArray("125,0"));
    QCOMPARE(satztabelle::feldText(satz, 0, 28), QByteArray("L\xfc" "ftungstechnische Ma\xdfnahme ist erforderlich !"));

    // a fresh program opens the case again, without a warning
    f = ProgrammStarten();
    const QDate heute = f->datum->date();
    oeffnen({dateiWaehlen(datei)});
    QCOMPARE(f->windowTitle(), Titel + datei);
    QVERIFY(f->Panel6->isHidden());
    QCOMPARE(f->Edit2->text(), QStringLiteral("Haus Müller – Süd"));
    QCOMPARE(f->Edit6->text(), QStringLiteral("100"));
    QCOMPARE(f->RadioGroup1->ItemIndex(), 1);
    QVERIFY(f->Panel2->isVisible() && f->Panel5->isVisible());
    QVERIFY(!f->CheckListBox1->Checked(0) && f->CheckListBox1->Checked(1) && f->CheckListBox1->Checked(3));
    QCOMPARE(f->Label39->text(), QStringLiteral("125,0"));
    QCOMPARE(f->Label31->text(), QStringLiteral("Lüftungstechnische Maßnahme ist erforderlich !"));
    QVERIFY(f->Label31->isVisible() && f->Label63->isVisible());
    QCOMPARE(f->datum->date(), heute);
}

void TestDateibefehle::dialogeEingerichtet()
{
    QStringList filter;
    QString endung;
    QStringList vorschlag;
    speichern({[&](QWidget *w) {
        auto *d = qobject_cast<QFileDialog *>(w);
        filter = d->nameFilters();
        endung = d->defaultSuffix();
        d->reject();
    }});
    QCOMPARE(filter, QStringList{"Datendateien-Ventoris (*.lkz)"});
    QCOMPARE(endung, QStringLiteral("lkz"));
    // a cancelled save changes neither caption nor names
    QCOMPARE(f->windowTitle(), Anfangstitel);
    QVERIFY(f->GespeicherteDatei.isEmpty());

    oeffnen({[&](QWidget *w) {
        auto *d = qobject_cast<QFileDialog *>(w);
        filter = d->nameFilters();
        QCOMPARE(d->acceptMode(), QFileDialog::AcceptOpen);
        d->reject();
    }});
    QCOMPARE(filter, QStringList{"Datendateien-Ventoris (*.lkz)"});

    // after a save the next save proposes its path
    const QString datei = pfad("vorschlag.lkz");
    speichern({dateiWaehlen(datei)});
    speichern({[&](QWidget *w) {
        auto *d = qobject_cast<QFileDialog *>(w);
        vorschlag = d->selectedFiles();
        d->reject();
    }});
    QCOMPARE(vorschlag.value(0), datei);
}

void TestDateibefehle::ohneEndungGespeichert()
{
    speichern({dateiWaehlen(pfad("ohneendung"))});
    QVERIFY(QFile::exists(pfad("ohneendung.lkz")));
    QCOMPARE(QFileInfo(pfad("ohneendung.lkz")).size(), 1160);
    // saving again over it replaces it without a question
    speichern({dateiWaehlen(pfad("ohneendung.lkz"))});
    QCOMPARE(QFileInfo(pfad("ohneendung.lkz")).size(), 1160);
}

void TestDateibefehle::oeffnenAbgebrochenBeimStart()
{
    oeffnen({abbrechen()});
    QCOMPARE(f->windowTitle(), Titel);
    QVERIFY(f->Panel6->isHidden());
    // the work view with the start values
    QCOMPARE(f->Edit2->text(), QStringLiteral("123456789123456789123456789"));
    QVERIFY(!f->Panel11->isVisible());
    QVERIFY(!f->Panel2->isVisible());
}

void TestDateibefehle::neuNachOeffnen()
{
    const QString datei = pfad("neu.lkz");
    schreiben(datei, altSatz(0));
    oeffnen({dateiWaehlen(datei)});
    f->Neu1->trigger();
    QCOMPARE(f->Edit2->text(), QString());
    QCOMPARE(f->windowTitle(), Titel + datei);
    QCOMPARE(f->AktuellesProjekt, datei);
}

void TestDateibefehle::alteVersionen_data()
{
    QTest::addColumn<int>("spalte");
    QTest::addColumn<bool>("warnung");
    QTest::addColumn<QString>("intensiv");
    QTest::newRow("1160") << 0 << false << "162,5";
    QTest::newRow("1130") << 1 << true << "162,5";
    QTest::newRow("1109") << 2 << true << "";
}

void TestDateibefehle::alteVersionen()
{
    QFETCH(int, spalte);
    QFETCH(bool, warnung);
    QFETCH(QString, intensiv);
    const QString datei = pfad(QString("alt%1.lkz").arg(spalte));
    schreiben(datei, altSatz(spalte));
    const QDate datum = f->datum->date();
    Meldung m;
    QList<ModalFolge::Schritt> schritte{dateiWaehlen(datei)};
    if (warnung)
        schritte << meldungLesen(m);
    oeffnen(schritte);
    if (warnung) {
        QCOMPARE(m.titel, QStringLiteral("Warnung"));
        QCOMPARE(m.text, QStringLiteral("Einlesen älterer Dateiversion; Luftdichtheitswert NEU einstellen !"));
        QCOMPARE(m.symbol, QMessageBox::NoIcon);
        QCOMPARE(m.knoepfe, 1);
    }
    QCOMPARE(f->windowTitle(), Titel + datei);
    QCOMPARE(f->Edit2->text(), QStringLiteral("Haus Birke"));
    QCOMPARE(f->ComboBox7->currentText(), QStringLiteral("nein"));
    QCOMPARE(f->Edit11->text(), QStringLiteral("1980"));
    QVERIFY(f->Edit11->isVisible() && f->ComboBox8->isVisible());
    QCOMPARE(f->ComboBox6->currentText(), QStringLiteral("mittlerer Gebäudebestand"));
    // the answer "nein" revealed the input groups, in the preset look
    QVERIFY(f->Panel2->isVisible() && f->Panel3->isVisible() && f->Panel5->isVisible());
    QCOMPARE(f->Edit8->palette().color(QPalette::Base), QColor(128, 128, 128));
    // the stored results stand, not what a recalculation would show
    QCOMPARE(f->Label31->text(), QStringLiteral("gespeichertes Ergebnis"));
    QCOMPARE(f->Label49->text(), QStringLiteral("Kommentar A"));
    QCOMPARE(f->Label63->text(), QStringLiteral("Kommentar B"));
    QVERIFY(f->Label31->isVisible() && f->Label49->isVisible() && f->Label63->isVisible());
    QCOMPARE(f->Label28->text(), QStringLiteral("121,2"));
    QCOMPARE(f->Label74->text(), intensiv);
    QCOMPARE(f->datum->date(), datum);
}

void TestDateibefehle::keineAntwortOhneReaktion()
{
    QTest::mouseClick(f->Image7, Qt::LeftButton);
    QByteArray satz = altSatz(0);
    satztabelle::feldSetzen(satz, 0, 15, "-1");
    satztabelle::feldSetzen(satz, 0, 17, "9");
    const QString datei = pfad("ohneantwort.lkz");
    schreiben(datei, satz);
    oeffnen({dateiWaehlen(datei)});
    QCOMPARE(f->RadioGroup1->ItemIndex(), -1);
    QVERIFY(!f->Panel2->isVisible());
    // an unknown requirement code leaves every item unticked
    for (int i = 0; i < 4; ++i)
        QVERIFY(!f->CheckListBox1->Checked(i));
}

void TestDateibefehle::fehlendeDatei()
{
    Meldung m;
    oeffnen({dateiWaehlen(pfad("gibtesnicht.lkz")), meldungLesen(m)});
    QCOMPARE(m.text, QStringLiteral("Datei nicht gefunden."));
    QCOMPARE(m.symbol, QMessageBox::Critical);
    QCOMPARE(m.titel, QCoreApplication::applicationName());
    QCOMPARE(f->windowTitle(), Anfangstitel);
    QVERIFY(f->Panel6->isVisible());
    QVERIFY(f->AktuellesProjekt.isEmpty());
}

void TestDateibefehle::zuKurz()
{
    const QString datei = pfad("kurz.lkz");
    schreiben(datei, QByteArray(1108, 'x'));
    const QString vorher = f->Edit2->text();
    Meldung m;
    oeffnen({dateiWaehlen(datei), meldungLesen(m)});
    QCOMPARE(m.text, QStringLiteral("Versuch hinter dem Dateiende zu lesen."));
    QCOMPARE(f->Edit2->text(), vorher);
    QCOMPARE(f->windowTitle(), Anfangstitel);
    QVERIFY(f->Panel6->isVisible());
    QCOMPARE(f->AktuellesProjekt, datei);
}

void TestDateibefehle::schreibgeschuetztOeffnet()
{
    const QString datei = pfad("nurlesen.lkz");
    schreiben(datei, altSatz(0));
    QVERIFY(QFile::setPermissions(datei, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    oeffnen({dateiWaehlen(datei)});
    QCOMPARE(f->Edit2->text(), QStringLiteral("Haus Birke"));
    QCOMPARE(f->windowTitle(), Titel + datei);
}

void TestDateibefehle::speichernInFehlendenOrdner()
{
    // The folder goes away while the dialog is open (a removed stick, a
    // network share gone).
    QVERIFY(QDir(ordner.path()).mkdir("weg"));
    const QString datei = pfad("weg/fall.lkz");
    Meldung m;
    speichern({[&](QWidget *w) {
                   const QString fehler = DialogBeantworten(qobject_cast<QFileDialog *>(w), datei, [this] {
                       QVERIFY(QDir(pfad("weg")).removeRecursively());
                   });
                   QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
               },
               meldungLesen(m)});
    QCOMPARE(m.text, QStringLiteral("Datei nicht gefunden."));
    QCOMPARE(f->windowTitle(), QStringLiteral("fall.lkz"));
    QCOMPARE(f->GespeicherteDatei, datei);
    QVERIFY(f->AktuellesProjekt.isEmpty());
    QVERIFY(!QFile::exists(datei));
}

void TestDateibefehle::speichernScheitertLaesstAlteDatei()
{
    // A file-size limit makes the write fail even for root.
    const QString datei = pfad("alt.lkz");
    const QByteArray alt = altSatz(0);
    schreiben(datei, alt);
    rlimit vorher{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &vorher) == 0);
    const auto signalVorher = std::signal(SIGXFSZ, SIG_IGN);
    rlimit grenze = vorher;
    grenze.rlim_cur = 300;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &grenze) == 0);
    Meldung m;
    speichern({dateiWaehlen(datei), meldungLesen(m)});
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signalVorher);
    QCOMPARE(m.text, QStringLiteral("E/A-Fehler %1.").arg(EFBIG));
    QFile gelesen(datei);
    QVERIFY(gelesen.open(QIODevice::ReadOnly));
    QCOMPARE(gelesen.readAll(), alt);
    QCOMPARE(f->windowTitle(), QStringLiteral("alt.lkz"));
    QVERIFY(f->AktuellesProjekt.isEmpty());
}

QTEST_MAIN(TestDateibefehle)
#include "tst_dateibefehle.moc"
