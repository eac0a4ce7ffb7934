// What a newcomer meets on the program itself: no screen, unreadable files
// named alike by --pdf and --uebersicht, an empty folder, a damaged record.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestNeuling : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    QString pfad(const QString &name) const { return m_dir.filePath(name); }

    struct Lauf {
        int status = -1;
        QByteArray aus, fehler;
    };

    // 'leer': an empty environment, as a login without a desktop has none
    Lauf ausfuehren(const QStringList &argumente, bool leer = false)
    {
        QProcess programm;
        QProcessEnvironment umgebung = leer ? QProcessEnvironment() : QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
            umgebung.remove(QString::fromLatin1(name));
        if (leer)
            umgebung.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        programm.setProcessEnvironment(umgebung);
        programm.setWorkingDirectory(m_dir.path());
        programm.start(QStringLiteral(VENTORIS_PROGRAMM), argumente);
        Lauf l;
        if (!programm.waitForFinished(20000) || programm.exitStatus() != QProcess::NormalExit)
            return l;
        l.status = programm.exitCode();
        l.aus = programm.readAllStandardOutput();
        l.fehler = programm.readAllStandardError();
        return l;
    }

    static void schreiben(const QString &p, const QByteArray &inhalt)
    {
        QFile f(p);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size());
    }

private slots:
    void initTestCase()
    {
        QDir d(m_dir.path());
        for (const char *o : {"kurz", "ordner", "verweis", "leer", "kaputt", "-x"})
            QVERIFY(d.mkpath(QString::fromLatin1(o)));
        schreiben(pfad("kurz/u.lkz"), QByteArray());
        QVERIFY(d.mkpath(QStringLiteral("ordner/u.lkz")));
        QVERIFY(QFile::link(QStringLiteral("nirgends.lkz"), pfad("verweis/u.lkz")));
        // 1140 bytes: the older layout, every length byte and character a
        // control byte
        const QByteArray muster("\x05\x01\x04\x0B\x00\t\x1F\x7F", 8);
        QByteArray kaputt;
        while (kaputt.size() < 1140)
            kaputt += muster;
        schreiben(pfad("kaputt/u.lkz"), kaputt.left(1140));
        QVERIFY(d.mkpath(QStringLiteral("drei")));
        for (const char *n : {"drei/a.lkz", "drei/b.lkz", "drei/c.lkz"})
            schreiben(pfad(QString::fromLatin1(n)), QByteArray(1160, '\0'));
    }

    void keinBildschirm()
    {
        const Lauf l = ausfuehren({QStringLiteral("u.lkz")}, true);
        QCOMPARE(l.status, 1);
        QVERIFY(l.aus.isEmpty());
        QCOMPARE(QString::fromUtf8(l.fehler),
                 QStringLiteral("ventoris: Kein Bildschirm gefunden – das Fenster braucht eine grafische "
                                "Oberfläche; ohne Fenster: ventoris --pdf … oder --uebersicht …\n"));
    }

    void gleicherGrund_data()
    {
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<QString>("grund");
        QTest::newRow("leere Datei") << "kurz" << "zu kurz (0 Bytes)";
        QTest::newRow("Ordner") << "ordner" << "ein Ordner, keine Projektdatei";
        QTest::newRow("Verweis ohne Ziel") << "verweis" << "Verknüpfung ohne Ziel";
    }

    void gleicherGrund()
    {
        QFETCH(QString, ordner);
        QFETCH(QString, grund);
        const QString zeile = QStringLiteral("ventoris: %1/u.lkz: %2\n").arg(ordner, grund);
        const Lauf pdf = ausfuehren({QStringLiteral("--pdf"), ordner + QStringLiteral("/u.lkz")});
        QCOMPARE(pdf.status, 1);
        QCOMPARE(QString::fromUtf8(pdf.fehler), zeile);
        const Lauf uebersicht = ausfuehren({QStringLiteral("--uebersicht"), ordner});
        QCOMPARE(uebersicht.status, 1);
        QCOMPARE(QString::fromUtf8(uebersicht.fehler), zeile);
    }

    void leererOrdner()
    {
        const Lauf l = ausfuehren({QStringLiteral("--uebersicht"), QStringLiteral("leer")});
        QCOMPARE(l.status, 1);
        QCOMPARE(l.fehler, QByteArray("ventoris: leer: keine Projektdateien (*.lkz) gefunden\n"));
        QCOMPARE(l.aus.count("\r\n"), 2); // header and total
    }

    void falscheZiele_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QByteArray>("zeile");
        QTest::newRow("Ordner fehlt") << QStringList{"--uebersicht", "nichtda"}
                                      << QByteArray("ventoris: nichtda: Ordner nicht gefunden\n");
        // "--" ends the options before a folder that begins with a dash
        QTest::newRow("-- vor dem Ordner") << QStringList{"--uebersicht", "--", "-x"}
                                           << QByteArray("ventoris: -x: keine Projektdateien (*.lkz) gefunden\n");
        QTest::newRow("Ausgabe ist Ordner")
            << QStringList{"--uebersicht", "kaputt", "--ausgabe", "leer"}
            << QByteArray("ventoris: leer: Ein Ordner, keine Datei; nichts geschrieben.\n");
    }

    void falscheZiele()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QByteArray, zeile);
        const Lauf l = ausfuehren(argumente);
        QCOMPARE(l.status, 1);
        QCOMPARE(l.fehler, zeile);
    }

    // On a terminal (a pseudo-terminal through script(1)) one line counts the
    // files read, then the pages, and is cleared at the end.
    void fortschrittAufTerminal()
    {
        const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
        if (script.isEmpty())
            QSKIP("script(1) fehlt");
        QProcess programm;
        programm.setWorkingDirectory(m_dir.path());
        programm.start(script, {QStringLiteral("-qec"),
                                QStringLiteral("'" VENTORIS_PROGRAMM "' --uebersicht drei --ausgabe drei.pdf"),
                                QStringLiteral("/dev/null")});
        QVERIFY(programm.waitForFinished(20000));
        QCOMPARE(programm.exitCode(), 0);
        const QByteArray terminal = programm.readAllStandardOutput();
        QVERIFY2(terminal.contains("\r\033[KLesen 3/3"), terminal.constData());
        // the pages as the written file has them
        QFile pdf(pfad("drei.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const qsizetype seiten = QString::fromLatin1(pdf.readAll()).count(QRegularExpression("/Type\\s*/Page(?!s)"));
        QVERIFY(seiten >= 1);
        for (qsizetype k = 1; k <= seiten; ++k)
            QVERIFY2(terminal.contains(QStringLiteral("\r\033[KSeite %1/%2").arg(k).arg(seiten).toLatin1()),
                     terminal.constData());
        QVERIFY(terminal.endsWith("\r\033[K"));
        QVERIFY(terminal.indexOf("Lesen 3/3") < terminal.indexOf("Seite 1/"));
    }

    void keinSteuerzeichen()
    {
        QFile f(pfad("kaputt/u.lkz"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray vorher = f.readAll();
        f.close();
        const Lauf l = ausfuehren({QStringLiteral("--uebersicht"), QStringLiteral("kaputt")});
        QCOMPARE(l.status, 0);
        QVERIFY2(l.fehler.isEmpty(), l.fehler.constData());
        QByteArray ohneZeilenende = l.aus;
        ohneZeilenende.replace("\r\n", "");
        for (const char c : ohneZeilenende)
            QVERIFY2(static_cast<unsigned char>(c) >= 0x20 && c != '\x7f', qPrintable(QString::number(uchar(c))));
        QVERIFY(QString::fromUtf8(l.aus).contains(QStringLiteral("Steuerzeichen ersetzt")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), vorher); // reading changes no file
    }
};

QTEST_MAIN(TestNeuling)
#include "tst_neuling.moc"
