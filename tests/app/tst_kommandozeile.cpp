// The command line: a project file given at start opens as "Öffnen" opens it;
// --version and wrong calls end before any window, without a display.
#include "bedienung.h"

#include "app/kommandozeile.h"
#include "tests/project/beispielsatz.h"
#include "tests/reference/modalhelfer.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestKommandozeile : public QObject
{
    Q_OBJECT

    QTemporaryDir ordner;

private slots:
    void dateiOeffnen_data()
    {
        QTest::addColumn<int>("spalte"); // layout 0, 1, 2; -1: no file
        QTest::addColumn<QString>("meldung");
        QTest::newRow("1160") << 0 << "";
        QTest::newRow("1130") << 1 << "Einlesen älterer Dateiversion; Luftdichtheitswert NEU einstellen !";
        QTest::newRow("fehlt") << -1 << "Datei nicht gefunden.";
    }

    void dateiOeffnen()
    {
        QFETCH(int, spalte);
        QFETCH(QString, meldung);
        const QString name = QStringLiteral("fall%1.lkz").arg(spalte);
        if (spalte >= 0)
            schreiben(ordner.filePath(name), altSatz(spalte));
        // named relative to the working folder, as in a terminal
        QVERIFY(QDir::setCurrent(ordner.path()));
        const TAufruf aufruf = AufrufLesen({QStringLiteral("ventoris"), name});
        QVERIFY(!aufruf.beenden);

        const auto f = ProgrammStarten();
        Meldung m;
        ModalFolge folge(meldung.isEmpty() ? QList<ModalFolge::Schritt>{} : QList{meldungLesen(m)});
        AufrufDateiOeffnen(*f, aufruf);
        QVERIFY2(abwarten(folge), qPrintable(folge.gesehen.join(',')));
        QTRY_COMPARE(f->windowTitle(),
                     spalte < 0 ? QStringLiteral("Notwendigkeit lüftungstechnischer Maßnahmen nach DIN 1946-6 (Ausgabe 2009)")
                                : "Ventoris Wohnungslüftung          Aktuelles Projekt:      " + ordner.filePath(name));
        QVERIFY(!folge.unerwartet);
        QCOMPARE(m.text, meldung);
        QCOMPARE(m.symbol, spalte < 0 ? QMessageBox::Critical : QMessageBox::NoIcon);
        // a message stands over the shown main window
        QCOMPARE(m.eltern, meldung.isEmpty() ? nullptr : static_cast<QWidget *>(f.get()));
        // the start page stays only after a failure
        QCOMPARE(f->Panel6->isVisible(), spalte < 0);
        if (spalte >= 0)
            QCOMPARE(f->Edit2->text(), QStringLiteral("Haus Birke"));
    }

    void ohneFenster_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("enthalten");
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Ventoris Lüftungskonzept 1.0.0.11\n";
        QTest::newRow("unbekannt") << QStringList{"--gibtsnicht"} << 2 << "--gibtsnicht";
        QTest::newRow("zwei Dateien") << QStringList{"a.lkz", "b.lkz"} << 2 << "Projektdatei";
    }

    void ohneFenster()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, enthalten);
        QProcess programm;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        // A window would need the X server named here and abort without it.
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            umgebung.remove(QString::fromLatin1(name));
        programm.setProcessEnvironment(umgebung);
        programm.start(QStringLiteral(VENTORIS_PROGRAMM), argumente);
        QVERIFY(programm.waitForFinished(10000));
        QCOMPARE(programm.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programm.exitCode(), status);
        // success speaks on standard output, a wrong call on standard error
        const QByteArray aus = programm.readAllStandardOutput(), fehler = programm.readAllStandardError();
        const QString text = QString::fromUtf8(status == 0 ? aus : fehler);
        QVERIFY((status == 0 ? fehler : aus).isEmpty());
        // one line
        QVERIFY2(text.contains(enthalten) && text.endsWith('\n') && text.count('\n') == 1, qPrintable(text));
    }
};

QTEST_MAIN(TestKommandozeile)
#include "tst_kommandozeile.moc"
