// The command line under hostile conditions, on the program itself: devices,
// pipes, sockets and links to them as targets, names that are not UTF-8 or
// hold a line break, unreadable units, two inputs of one name, a full standard
// output, missing option values, an over-long file, and signals mid-run.
#include "app/kommandozeile.h"
#include "bedienung.h"
#include "overview/gebaeudeuebersicht.h"
#include "project/rohnamen.h"
#include "tests/project/beispielsatz.h"
#include "tests/reference/modalhelfer.h"

#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace ventoris;

class TestStapelgrenzen : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QByteArray m_null = "/dev/null", m_voll = "/dev/full";
    QByteArray m_ohneGeraete; // why no device node could be made, as root

    QByteArray pfad(const QByteArray &name) const { return QFile::encodeName(m_dir.path()) + '/' + name; }
    // by the name's bytes (QFile would take them as UTF-8)
    void datei(const QByteArray &name, const QByteArray &inhalt)
    {
        const int fd = ::open(pfad(name).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        QVERIFY(fd >= 0 && ::write(fd, inhalt.constData(), size_t(inhalt.size())) == inhalt.size());
        ::close(fd);
    }
    QByteArray lesen(const QByteArray &name) const
    {
        QByteArray inhalt(1 << 20, '\0');
        const int fd = ::open(pfad(name).constData(), O_RDONLY);
        const ssize_t n = fd < 0 ? 0 : ::read(fd, inhalt.data(), size_t(inhalt.size()));
        ::close(fd);
        return inhalt.left(qMax<ssize_t>(n, 0));
    }

    // Everything below the test folder, by the names' bytes (QDir would
    // lose those that are not UTF-8): a file by its name, any other node
    // (device, pipe, socket, link) with what makes it that node.
    QStringList bestand(const QByteArray &unter = {}) const
    {
        QStringList liste;
        DIR *ordner = ::opendir(pfad(unter).constData());
        while (const dirent *e = ordner ? ::readdir(ordner) : nullptr) {
            const QByteArray name = (unter.isEmpty() ? QByteArray() : unter + '/') + e->d_name;
            struct stat info {};
            if (e->d_name[0] == '.' && (!e->d_name[1] || (e->d_name[1] == '.' && !e->d_name[2])))
                continue;
            if (::lstat(pfad(name).constData(), &info) == 0 && S_ISDIR(info.st_mode))
                liste << bestand(name);
            else if (S_ISREG(info.st_mode))
                liste << QString::fromLatin1(name);
            else
                liste << QStringLiteral("%1 %2 %3 %4").arg(QString::fromLatin1(name)).arg(info.st_mode).arg(info.st_rdev).arg(info.st_ino);
        }
        if (ordner)
            ::closedir(ordner);
        liste.sort();
        return liste;
    }

    // Starts the program in the test folder with the arguments' own bytes
    // (QProcess would pass them as UTF-8), without display or language.
    // 'ohneTmpfile': with the fault library, which refuses unnamed files as
    // some file systems do.
    void starten(QProcess &programm, const QList<QByteArray> &argumente, bool ohneTmpfile = false)
    {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LC_ALL"})
            umgebung.remove(QString::fromLatin1(name));
        if (ohneTmpfile) {
            umgebung.insert("LD_PRELOAD", FEHLERSPRITZE);
            umgebung.insert("VENTORIS_OHNE_O_TMPFILE", "1");
            umgebung.insert("ASAN_OPTIONS", umgebung.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        }
        auto roh = std::make_shared<QList<QByteArray>>(QList<QByteArray>{VENTORIS_PROGRAMM} + argumente);
        for (const QString &eintrag : umgebung.toStringList())
            roh->append(eintrag.toUtf8());
        programm.setWorkingDirectory(m_dir.path());
        programm.setChildProcessModifier([roh, n = argumente.size() + 1] {
            // as from a terminal, whatever the test runner ignores
            for (const int signal : {SIGINT, SIGTERM, SIGHUP})
                ::signal(signal, SIG_DFL);
            std::vector<char *> argv, envp;
            for (qsizetype i = 0; i < roh->size(); ++i)
                (i < n ? argv : envp).push_back((*roh)[i].data());
            argv.push_back(nullptr);
            envp.push_back(nullptr);
            ::execve(argv[0], argv.data(), envp.data());
            ::_exit(127);
        });
        programm.start(QStringLiteral(VENTORIS_PROGRAMM), {});
        QVERIFY(programm.waitForStarted());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(m_dir.path()).mkpath("Haus") && QDir(m_dir.path()).mkpath("Kaputt/d.lkz"));
        QVERIFY(QDir(m_dir.path()).mkpath("hausA") && QDir(m_dir.path()).mkpath("hausB"));
        QVERIFY(QDir(m_dir.path()).mkpath("blaetter") && QDir(m_dir.path()).mkpath("viele"));
        QVERIFY(QDir(m_dir.path()).mkpath("stapel") && QDir(m_dir.path()).mkpath("roh"));
        for (const char *name : {"Haus/w1.lkz", "Haus/w2.lkz", "Kaputt/gut.lkz", "hausA/u.lkz", "hausB/u.lkz",
                                 "\xff\xfe.lkz", "roh/\xff\xfe.lkz"})
            datei(name, altSatz(0));
        datei("Kaputt/leer.lkz", {});
        datei("blaetter/u.pdf", "aus einem früheren Lauf");
        datei("gross.lkz", altSatz(0) + QByteArray(1048576 - 1160, 'z'));
        for (int i = 1; i <= 30; ++i)
            datei("viele/e" + QByteArray::number(i) + ".lkz", altSatz(0));
        QCOMPARE(::symlink("nirgends", pfad("Kaputt/weg.lkz").constData()), 0);
        QCOMPARE(::mkfifo(pfad("pipe").constData(), 0600), 0);
        const int steckdose = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        std::strncpy(adresse.sun_path, pfad("steckdose").constData(), sizeof adresse.sun_path - 1);
        QCOMPARE(::bind(steckdose, reinterpret_cast<sockaddr *>(&adresse), sizeof adresse), 0);
        ::close(steckdose);
        // Root could remove the real devices: it gets nodes of its own.
        if (::geteuid() == 0) {
            m_null = pfad("null");
            m_voll = pfad("voll");
            if (::mknod(m_null.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
                ::mknod(m_voll.constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
                m_ohneGeraete = QByteArray("mknod: ") + std::strerror(errno);
        }
        QCOMPARE(::symlink(m_voll.constData(), pfad("zumvollen.pdf").constData()), 0);
    }

    void cleanupTestCase()
    {
        // names that QTemporaryDir cannot remove, by their bytes
        for (const char *name : {"\xff\xfe.lkz", "\xff\xfe.pdf", "roh/\xff\xfe.lkz"})
            ::unlink(pfad(name).constData());
    }

    void feindlich_data()
    {
        QTest::addColumn<QList<QByteArray>>("argumente"); // @null, @voll: the devices
        QTest::addColumn<bool>("vollerSchirm");           // standard output onto the full device
        QTest::addColumn<bool>("leser");                  // someone reads the pipe
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("meldungen");        // standard error, exactly
        QTest::addColumn<QList<QByteArray>>("pdfs");      // the PDFs there afterwards
        using L = QList<QByteArray>;
        const L uebersicht = {"--uebersicht", "Haus", "--ausgabe"};
        QTest::newRow("Gerät null") << uebersicht + L{"@null"} << false << false << 0 << QByteArray() << L{};
        QTest::newRow("Gerät voll") << uebersicht + L{"@voll"} << false << false << 1
                                    << QByteArray("ventoris: @voll: Zu wenig Speicherplatz.\n") << L{};
        QTest::newRow("Verweis aufs volle Gerät, PDF")
            << uebersicht + L{"zumvollen.pdf"} << false << false << 1
            << QByteArray("ventoris: zumvollen.pdf: Zu wenig Speicherplatz.\n") << L{};
        QTest::newRow("Pipe ohne Leser") << uebersicht + L{"pipe"} << false << false << 1
                                         << QByteArray("ventoris: pipe: Niemand liest aus der benannten Pipe.\n") << L{};
        QTest::newRow("Pipe mit Leser") << uebersicht + L{"pipe"} << false << true << 0 << QByteArray() << L{};
        QTest::newRow("Socket") << uebersicht + L{"steckdose"} << false << false << 1
                                << QByteArray("ventoris: steckdose: Ein Socket ist keine Datei; nichts geschrieben.\n") << L{};
        QTest::newRow("unlesbare Einheiten")
            << L{"--uebersicht", "Kaputt"} << false << false << 1
            << QByteArray("ventoris: Kaputt/d.lkz: ein Ordner, keine Projektdatei\n"
                          "ventoris: Kaputt/leer.lkz: zu kurz (0 Bytes)\n"
                          "ventoris: Kaputt/weg.lkz: Verknüpfung ohne Ziel\n")
            << L{};
        QTest::newRow("nicht UTF-8") << L{"--pdf", "\xff\xfe.lkz"} << false << false << 0 << QByteArray()
                                     << L{"\xff\xfe.pdf"};
        QTest::newRow("Zeilenumbruch") << L{"--pdf", "a\nb.lkz"} << false << false << 1
                                       << QByteArray("ventoris: a\\nb.lkz: Datei nicht gefunden.\n") << L{};
        QTest::newRow("zweimal u.lkz")
            << L{"--pdf", "--ausgabe", "blaetter", "hausA/u.lkz", "hausB/u.lkz"} << false << false << 0
            << QByteArray("ventoris: hausB/u.lkz: Blatt als „blaetter/u (2).pdf“ geschrieben, denn "
                          "„blaetter/u.pdf“ ist schon das Blatt von „hausA/u.lkz“.\n")
            << L{"blaetter/u.pdf", "blaetter/u (2).pdf"};
        QTest::newRow("1 MiB") << L{"--pdf", "gross.lkz"} << false << false << 0
                               << QByteArray("ventoris: gross.lkz: 1048576 Bytes, nur die ersten 1160 gelesen\n")
                               << L{"gross.pdf"};
        for (const char *option : {"--help", "--version"})
            QTest::addRow("%s, Ausgabe voll", option) << L{option} << true << false << 1
                                                      << QByteArray("ventoris: Standardausgabe: Zu wenig Speicherplatz.\n") << L{};
        QTest::newRow("--ausgabe ohne Wert")
            << L{"--pdf", "--ausgabe"} << false << false << 2
            << QByteArray("ventoris: --ausgabe: Ordner oder Datei fehlt. (Hilfe: ventoris --help)\n") << L{};
        QTest::newRow("--uebersicht ohne Wert")
            << L{"--uebersicht"} << false << false << 2
            << QByteArray("ventoris: --uebersicht: Ordner fehlt. (Hilfe: ventoris --help)\n") << L{};
    }

    void feindlich()
    {
        QFETCH(QList<QByteArray>, argumente);
        QFETCH(bool, vollerSchirm);
        QFETCH(bool, leser);
        QFETCH(int, status);
        QFETCH(QByteArray, meldungen);
        QFETCH(QList<QByteArray>, pdfs);
        if (!m_ohneGeraete.isEmpty() && (vollerSchirm || argumente.join().contains('@') || meldungen.contains('@')))
            QSKIP(m_ohneGeraete.constData());
        for (QByteArray &a : argumente)
            a.replace("@null", m_null).replace("@voll", m_voll);
        meldungen.replace("@voll", m_voll);
        const QStringList vorher = bestand();
        const int lesend = leser ? ::open(pfad("pipe").constData(), O_RDONLY | O_NONBLOCK) : -1;

        QProcess programm;
        if (vollerSchirm)
            programm.setStandardOutputFile(QFile::decodeName(m_voll));
        starten(programm, argumente);
        QVERIFY(programm.waitForFinished(20000));
        QCOMPARE(programm.exitStatus(), QProcess::NormalExit);
        const QByteArray fehler = programm.readAllStandardError();
        QCOMPARE(fehler, meldungen);
        QCOMPARE(programm.exitCode(), status);
        if (leser) {
            char anfang[3] = {};
            QCOMPARE(::read(lesend, anfang, 3), 3); // the CSV, with its byte-order mark
            QCOMPARE(QByteArray(anfang, 3), QByteArray("\xEF\xBB\xBF"));
            ::close(lesend);
        }
        // the whole table still: header, four units, total
        if (argumente.contains("Kaputt"))
            QCOMPARE(programm.readAllStandardOutput().count("\r\n"), 6);
        // no node removed or replaced, nothing left over, every sheet whole
        QStringList erwartet = vorher;
        for (const QByteArray &pdf : pdfs) {
            QVERIFY2(lesen(pdf).startsWith("%PDF-"), pdf.constData());
            erwartet << QString::fromLatin1(pdf);
        }
        erwartet.removeDuplicates();
        erwartet.sort();
        QCOMPARE(bestand(), erwartet);
    }

    // SIGINT, SIGTERM, SIGHUP in the middle of a run: the status 128 + n and
    // only finished sheets, also where the temporary files have names.
    void signalMitten_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("benannt");
        QTest::newRow("SIGTERM") << int(SIGTERM) << false;
        QTest::newRow("SIGTERM, ohne O_TMPFILE") << int(SIGTERM) << true;
        QTest::newRow("SIGINT, ohne O_TMPFILE") << int(SIGINT) << true;
        QTest::newRow("SIGHUP, ohne O_TMPFILE") << int(SIGHUP) << true;
    }

    void signalMitten()
    {
        QFETCH(int, signal);
        QFETCH(bool, benannt);
        QDir stapel(QFile::decodeName(pfad("stapel")));
        for (const QString &alt : stapel.entryList(QDir::Files | QDir::Hidden))
            QVERIFY(stapel.remove(alt));
        QList<QByteArray> argumente = {"--pdf", "--ausgabe", "stapel"};
        for (int i = 1; i <= 30; ++i)
            argumente << "viele/e" + QByteArray::number(i) + ".lkz";
        QProcess programm;
        starten(programm, argumente, benannt);
        QTRY_VERIFY_WITH_TIMEOUT(!stapel.entryList({"*.pdf"}, QDir::Files).isEmpty(), 20000);
        QCOMPARE(::kill(pid_t(programm.processId()), signal), 0);
        QVERIFY(programm.waitForFinished(20000));
        QCOMPARE(programm.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programm.exitCode(), 128 + signal);
        const QStringList da = stapel.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QVERIFY2(!da.isEmpty() && da.size() < 30, qPrintable(da.join(',')));
        for (const QString &name : da) {
            QVERIFY2(QRegularExpression("^e\\d+\\.pdf$").match(name).hasMatch(), qPrintable(name));
            QFile blatt(stapel.filePath(name));
            QVERIFY(blatt.open(QIODevice::ReadOnly));
            QVERIFY2(blatt.readAll().trimmed().endsWith("%%EOF"), qPrintable(name));
        }
    }

    // A name that is not UTF-8 opens in the window, from the command line and
    // from the overview.
    void fensterOeffnetRohnamen()
    {
        const auto f = ProgrammStarten();
        ModalFolge keineMeldung({}); // an error report would end the test, not hang it
        AufrufDateiOeffnen(*f, AufrufLesen({"ventoris", RohnameText(pfad("\xff\xfe.lkz"))}));
        QTRY_COMPARE(f->Edit2->text(), QStringLiteral("Haus Birke"));
        f->Neu1Click();
        QCOMPARE(f->Edit2->text(), QString());

        auto *u = f->GebaeudeuebersichtOeffnen(QFile::decodeName(pfad("roh")));
        QTRY_VERIFY(!u->Liest());
        u->activateWindow();
        u->Tabelle->setFocus();
        u->Tabelle->setCurrentIndex(u->Tabelle->model()->index(0, 0));
        QTest::keyClick(u->Tabelle, Qt::Key_Return);
        QCOMPARE(f->Edit2->text(), QStringLiteral("Haus Birke"));
        QVERIFY(!keineMeldung.unerwartet);
    }
};

QTEST_MAIN(TestStapelgrenzen)
#include "tst_stapelgrenzen.moc"
