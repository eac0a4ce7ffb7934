// Ventoris without a window: result sheets and the building overview from the
// command line, run on the program itself without a display.
#include "app/start.h"
#include "overview/gebaeudeuebersicht.h"
#include "tests/project/beispielsatz.h"
#include "tests/reference/modalhelfer.h"
#include "tests/report/popplerwerkzeuge.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestStapelbetrieb : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    QString pfad(const QString &name) const { return m_dir.filePath(name); }

    // The program in the test folder, with neither display nor language, as
    // over ssh or in a container.
    int ausfuehren(const QStringList &argumente, QByteArray *aus = nullptr, QByteArray *fehler = nullptr)
    {
        QProcess programm;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR", "LANG", "LC_ALL"})
            umgebung.remove(QString::fromLatin1(name));
        programm.setProcessEnvironment(umgebung);
        programm.setWorkingDirectory(m_dir.path());
        programm.start(QStringLiteral(VENTORIS_PROGRAMM), argumente);
        if (!programm.waitForFinished(20000) || programm.exitStatus() != QProcess::NormalExit)
            return -1;
        if (aus)
            *aus = programm.readAllStandardOutput();
        if (fehler)
            *fehler = programm.readAllStandardError();
        return programm.exitCode();
    }

private slots:
    void initTestCase()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("Haus Süd"));
        schreiben(pfad("Haus Süd/Wohnung 1.lkz"), altSatz(0));
        schreiben(pfad("Haus Süd/Wohnung 2.lkz"), altSatz(1));
        schreiben(pfad("kurz.lkz"), QByteArray(812, 'x'));
        schreiben(pfad("-strich.lkz"), altSatz(2));
    }

    void statusUndMeldungen_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldungen"); // standard error, "" for none
        QTest::addColumn<QStringList>("geschrieben");
        const QString w1 = QStringLiteral("Haus Süd/Wohnung 1.lkz");
        QTest::newRow("zwei Blätter") << QStringList{"--pdf", w1, "Haus Süd/Wohnung 2.lkz"} << 0 << ""
                                      << QStringList{"Haus Süd/Wohnung 1.pdf", "Haus Süd/Wohnung 2.pdf"};
        QTest::newRow("fehlende und kurze Datei")
            << QStringList{"fehlt.lkz", "--pdf", "kurz.lkz", w1} << 1
            << "ventoris: fehlt.lkz: Datei nicht gefunden\n"
               "ventoris: kurz.lkz: zu kurz (812 Bytes)\n"
            << QStringList{"Haus Süd/Wohnung 1.pdf"};
        QTest::newRow("Ordner statt Datei") << QStringList{"--pdf", "Haus Süd"} << 1
                                            << "ventoris: Haus Süd: ein Ordner, keine Projektdatei\n" << QStringList{};
        QTest::newRow("Ausgabeordner fehlt") << QStringList{"--pdf", "--ausgabe", "nirgends", w1} << 1
                                             << "ventoris: nirgends: Ausgabeordner nicht gefunden; nichts geschrieben.\n"
                                             << QStringList{};
        QTest::newRow("Ausgabeordner") << QStringList{"--ausgabe", "Haus Süd", "--pdf", "--", "-strich.lkz"} << 0
                                       << "" << QStringList{"Haus Süd/-strich.pdf"};
        QTest::newRow("Datei statt Ordner") << QStringList{"--uebersicht", "kurz.lkz"} << 1
                                            << "ventoris: kurz.lkz: Kein Ordner.\n" << QStringList{};
        QTest::newRow("Übersicht als PDF") << QStringList{"--uebersicht", "Haus Süd", "--ausgabe", "Haus.pdf"} << 0
                                           << "" << QStringList{"Haus.pdf"};
        QTest::newRow("--pdf ohne Datei") << QStringList{"--pdf"} << 2 << "--pdf" << QStringList{};
        QTest::newRow("beides") << QStringList{"--pdf", "--uebersicht", "Haus Süd", w1} << 2 << "--uebersicht"
                                << QStringList{};
        QTest::newRow("--ausgabe allein") << QStringList{"--ausgabe", "x", w1} << 2 << "--ausgabe" << QStringList{};
    }

    void statusUndMeldungen()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, meldungen);
        QFETCH(QStringList, geschrieben);
        QDirIterator alt(m_dir.path(), {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
        while (alt.hasNext())
            QFile::remove(alt.next());

        QByteArray fehler;
        QCOMPARE(ausfuehren(argumente, nullptr, &fehler), status);
        const QString text = QString::fromUtf8(fehler);
        if (status == 2)
            QVERIFY2(text.contains(meldungen) && text.count('\n') == 1, qPrintable(text));
        else
            QCOMPARE(text, meldungen);
        QStringList pdfs;
        QDirIterator neu(m_dir.path(), {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
        while (neu.hasNext())
            pdfs << QDir(m_dir.path()).relativeFilePath(neu.next());
        pdfs.sort();
        QCOMPARE(pdfs, geschrieben);
    }

    // The sheet as the window shows it right after opening: the stored results.
    void ergebnisblatt()
    {
        QCOMPARE(ausfuehren({"--pdf", "Haus Süd/Wohnung 1.lkz"}), 0);
        const QString pdf = pfad("Haus Süd/Wohnung 1.pdf");
        if (!poppler::Vorhanden())
            QSKIP("poppler-utils fehlen");
        QCOMPARE(poppler::Info(pdf, "Pages"), QStringLiteral("2"));
        const QString text = QString::fromUtf8(poppler::Ausfuehren("pdftotext", {pdf, "-"}));
        for (const char *erwartet : {"Haus Birke", "Birkenweg 1", "gespeichertes Ergebnis", "Kommentar A", "125,0"})
            QVERIFY2(text.contains(QString::fromUtf8(erwartet)), erwartet);
    }

    // The same bytes as the overview window's "Als CSV speichern …".
    void uebersichtWieImFenster()
    {
        QByteArray csv, fehler;
        QCOMPARE(ausfuehren({"--uebersicht", "Haus Süd"}, &csv, &fehler), 0);
        QVERIFY(fehler.isEmpty());

        const auto f = FensterErzeugen();
        auto *u = f->GebaeudeuebersichtOeffnen(pfad("Haus Süd"));
        QTRY_VERIFY(!u->Liest());
        const QString ziel = pfad("fenster.csv");
        ModalFolge folge({[&](QWidget *w) {
            const QString fehler = DialogBeantworten(qobject_cast<QFileDialog *>(w), ziel);
            QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        }});
        u->CsvSpeichern->click();
        QVERIFY(abwarten(folge));
        QFile datei(ziel);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(csv, datei.readAll());
        QVERIFY(csv.count("\r\n") == 4);
    }

    // Beside the sheet of a unit with a balance: its Maßnahmenblatt. The unit
    // shows its stored NL of 125,0 m³/h; less 25 credited, 100,0 m³/h come
    // through 4 ALDs of 30 m³/h.
    void massnahmenblatt()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("Bilanz"));
        schreiben(pfad("Bilanz/NE 4.lkz"), altSatz(0));
        schreiben(pfad("Bilanz/NE 4.massnahme"),
                  R"({"format": "ventoris-massnahme", "version": 1, "system": "ventilatorgestützt: Abluft",
                      "angerechneteInfiltration": 25, "ald": {"volumenstrom": 30},
                      "abluftraeume": [{"raum": "Bad OG", "art": "Bad", "volumenstrom": 45}]})");
        schreiben(pfad("Bilanz/NE 5.lkz"), altSatz(0));
        schreiben(pfad("Bilanz/NE 5.massnahme"), "{");
        QByteArray fehler;
        QCOMPARE(ausfuehren({"--pdf", "Bilanz/NE 4.lkz", "Bilanz/NE 5.lkz"}, nullptr, &fehler), 1);
        QCOMPARE(QString::fromUtf8(fehler),
                 QStringLiteral("ventoris: Bilanz/NE 5.massnahme: Maßnahmendatei beschädigt; kein Maßnahmenblatt "
                                "geschrieben.\n"));
        QVERIFY(QFile::exists(pfad("Bilanz/NE 5.pdf")) && !QFile::exists(pfad("Bilanz/NE 5-massnahme.pdf")));
        if (!poppler::Vorhanden())
            QSKIP("poppler-utils fehlen");
        const QString blatt = pfad("Bilanz/NE 4-massnahme.pdf");
        QCOMPARE(poppler::Info(blatt, "Pages"), QStringLiteral("1"));
        const QString text = QString::fromUtf8(poppler::Ausfuehren("pdftotext", {"-layout", blatt, "-"})).simplified();
        for (const char *erwartet :
             {"Maßnahmenblatt", "Haus Birke", "System: ventilatorgestützt: Abluft", "Nennlüftung (NL) 125,0 m³/h",
              "25 m³/h (geändert; berechnet: 121,2 m³/h)", "8 Pa * (Annahme aus Herstellerunterlagen)",
              "Zu deckender Volumenstrom: 100,0 m³/h", "Anzahl ALD (zu bestellen): 4", "Bad OG Bad 45 Vorgabe DIN 1946-6",
              "Bilanz der lüftungstechnischen Maßnahme – keine vollständige Auslegung nach DIN 1946-6.",
              "Annahmen sind gekennzeichnet."})
            QVERIFY2(text.contains(QString::fromUtf8(erwartet)), erwartet);
    }
};

QTEST_MAIN(TestStapelbetrieb)
#include "tst_stapelbetrieb.moc"
