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
using L = QList<QByteArray>;

class TestStapelgrenzen : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QByteArray m_null = "/dev/null", m_voll = "/dev/full";
    QByteArray m_ohneGeraete; // why root could make no device nodes of its own

    // Names by their bytes: QFile and QDir would take them as UTF-8.
    QByteArray pfad(const QByteArray &name) const { return QFile::encodeName(m_dir.path()) + '/' + name; }
    void datei(const QByteArray &name, const QByteArray &inhalt)
    {
        schreiben(m_dir.filePath("neu"), inhalt);
        QCOMPARE(::rename(pfad("neu").constData(), pfad(name).constData()), 0);
    }
    bool istPdf(const QByteArray &name) const
    {
        char anfang[5] = {};
        const int fd = ::open(pfad(name).constData(), O_RDONLY);
        const bool pdf = fd >= 0 && ::read(fd, anfang, 5) == 5 && std::memcmp(anfang, "%PDF-", 5) == 0;
        ::close(fd);
        return pdf;
    }

    // Everything below the test folder: a file by its name, any other node
    // (device, pipe, socket, link) with what makes it that node.
    QStringList bestand(const QByteArray &unter = ".") const
    {
        QStringList liste;
        DIR *ordner = ::opendir(pfad(unter).constData());
        while (const dirent *e = ordner ? ::readdir(ordner) : nullptr) {
            const QByteArray name = unter + '/' + e->d_name;
            struct stat info {};
            if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0 ||
                ::lstat(pfad(name).constData(), &info) != 0)
                continue;
            if (S_ISDIR(info.st_mode))
                liste << bestand(name);
            else
                liste << QString::fromLatin1(name) +
                             (S_ISREG(info.st_mode) ? QString() : QStringLiteral(" %1 %2 %3").arg(info.st_mode).arg(info.st_rdev).arg(info.st_ino));
        }
        if (ordner)
            ::closedir(ordner);
        liste.sort();
        return liste;
    }

    // Starts the program in the test folder with the arguments' own bytes
    // (QProcess would pass them as UTF-8) and the signals at their defaults,
    // as from a terminal. The child shares this process's memory until it
    // runs the program (vfork): it touches nothing but the prepared argv.
    void starten(QProcess &programm, const L &argumente)
    {
        L roh = L{VENTORIS_PROGRAMM} + argumente;
        std::vector<char *> argv;
        for (QByteArray &a : roh)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        programm.setWorkingDirectory(m_dir.path());
        programm.setChildProcessModifier([argv = argv.data()] {
            ::signal(SIGINT, SIG_DFL);
            ::signal(SIGTERM, SIG_DFL);
            ::signal(SIGHUP, SIG_DFL);
            ::execv(argv[0], argv);
            ::_exit(127);
        });
        programm.start(QStringLiteral(VENTORIS_PROGRAMM), {});
        QVERIFY(programm.waitForStarted());
    }

private slots:
    void initTestCase()
    {
        // as over ssh or in a container
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LC_ALL"})
            qunsetenv(name);
        for (const char *ordner : {"Haus", "Kaputt/d.lkz", "hausA", "hausB", "blaetter", "viele", "roh"})
            QVERIFY(QDir(m_dir.path()).mkpath(ordner));
        for (const char *name : {"Haus/w1.lkz", "Haus/w2.lkz", "Kaputt/gut.lkz", "hausA/u.lkz", "hausB/u.lkz",
                                 "\xff\xfe.lkz", "roh/\xff\xfe.lkz"})
            datei(name, altSatz(0));
        for (int i = 1; i <= 30; ++i)
            datei("viele/e" + QByteArray::number(i) + ".lkz", altSatz(0));
        datei("Kaputt/leer.lkz", {});
        datei("blaetter/u.pdf", "aus einem früheren Lauf");
        datei("gross.lkz", altSatz(0) + QByteArray(1048576 - 1160, 'z'));
        QCOMPARE(::symlink("nirgends", pfad("Kaputt/weg.lkz").constData()), 0);
        QCOMPARE(::mkfifo(pfad("pipe").constData(), 0600), 0);
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        std::strncpy(adresse.sun_path, pfad("steckdose").constData(), sizeof adresse.sun_path - 1);
        const int steckdose = ::socket(AF_UNIX, SOCK_STREAM, 0);
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
        // what QTemporaryDir cannot remove by a name in UTF-8
        for (const char *name : {"\xff\xfe.lkz", "\xff\xfe.pdf", "roh/\xff\xfe.lkz"})
            ::unlink(pfad(name).constData());
    }

    void feindlich_data()
    {
        QTest::addColumn<L>("argumente"); // @null, @voll: the devices; ">@voll": standard output onto it
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("meldungen"); // standard error, exactly
        QTest::addColumn<L>("pdfs");               // the PDFs there afterwards
        const L ueber = {"--uebersicht", "Haus", "--ausgabe"};
        const struct {
            const char *name;
            L argumente;
            int status;
            const char *meldungen;
            L pdfs;
        } faelle[] = {
            {"Gerät null", ueber + L{"@null"}, 0, "", {}},
            {"Verweis aufs volle Gerät, PDF", ueber + L{"zumvollen.pdf"}, 1,
             "ventoris: zumvollen.pdf: Zu wenig Speicherplatz.\n", {}},
            {"Pipe ohne Leser", ueber + L{"pipe"}, 1, "ventoris: pipe: Niemand liest aus der benannten Pipe.\n", {}},
            {"Pipe mit Leser", ueber + L{"pipe", "<leser>"}, 0, "", {}},
            {"Socket", ueber + L{"steckdose"}, 1,
             "ventoris: steckdose: Ein Socket ist keine Datei; nichts geschrieben.\n", {}},
            {"unlesbare Einheiten", {"--uebersicht", "Kaputt"}, 1,
             "ventoris: Kaputt/d.lkz: ein Ordner, keine Projektdatei\n"
             "ventoris: Kaputt/leer.lkz: zu kurz (0 Bytes)\n"
             "ventoris: Kaputt/weg.lkz: Verknüpfung ohne Ziel\n", {}},
            {"nicht UTF-8", {"--pdf", "\xff\xfe.lkz"}, 0, "", {"\xff\xfe.pdf"}},
            {"Zeilenumbruch", {"--pdf", "a\nb.lkz"}, 1, "ventoris: a\\nb.lkz: Datei nicht gefunden\n", {}},
            {"zweimal u.lkz", {"--pdf", "--ausgabe", "blaetter", "hausA/u.lkz", "hausB/u.lkz"}, 0,
             "ventoris: hausB/u.lkz: Blatt als „blaetter/u (2).pdf“ geschrieben, denn „blaetter/u.pdf“ ist "
             "schon das Blatt von „hausA/u.lkz“.\n", {"blaetter/u.pdf", "blaetter/u (2).pdf"}},
            {"1 MiB", {"--pdf", "gross.lkz"}, 0, "ventoris: gross.lkz: 1048576 Bytes, nur die ersten 1160 gelesen\n",
             {"gross.pdf"}},
            // (--version goes the same way)
            {"--help, Ausgabe voll", {"--help", ">@voll"}, 1, "ventoris: Standardausgabe: Zu wenig Speicherplatz.\n", {}},
            {"--ausgabe ohne Wert", {"--pdf", "--ausgabe"}, 2,
             "ventoris: --ausgabe: Ordner oder Datei fehlt. (Hilfe: ventoris --help)\n", {}},
            {"--uebersicht ohne Wert", {"--uebersicht"}, 2,
             "ventoris: --uebersicht: Ordner fehlt. (Hilfe: ventoris --help)\n", {}},
        };
        for (const auto &f : faelle)
            QTest::newRow(f.name) << f.argumente << f.status << QByteArray(f.meldungen) << f.pdfs;
    }

    void feindlich()
    {
        QFETCH(L, argumente);
        QFETCH(int, status);
        QFETCH(QByteArray, meldungen);
        QFETCH(L, pdfs);
        if (!m_ohneGeraete.isEmpty() && (argumente.join().contains('@') || argumente.contains("zumvollen.pdf")))
            QSKIP(m_ohneGeraete.constData());
        QProcess programm;
        const bool leser = argumente.removeAll("<leser>") > 0;
        if (argumente.removeAll(">@voll") > 0)
            programm.setStandardOutputFile(QFile::decodeName(m_voll));
        for (QByteArray &a : argumente)
            a.replace("@null", m_null).replace("@voll", m_voll);
        meldungen.replace("@voll", m_voll);
        const QStringList vorher = bestand();
        const int lesend = leser ? ::open(pfad("pipe").constData(), O_RDONLY | O_NONBLOCK) : -1;

        starten(programm, argumente);
        QVERIFY(programm.waitForFinished(20000));
        QCOMPARE(programm.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programm.readAllStandardError(), meldungen);
        QCOMPARE(programm.exitCode(), status);
        char bom[3] = {};
        QVERIFY(!leser || (::read(lesend, bom, 3) == 3 && QByteArray(bom, 3) == "\xEF\xBB\xBF")); // the CSV
        ::close(lesend);
        // the whole table still: header, four units, total
        if (argumente.contains("Kaputt"))
            QCOMPARE(programm.readAllStandardOutput().count("\r\n"), 6);
        // no node removed or replaced, nothing left over, every sheet whole
        QStringList erwartet = vorher;
        for (const QByteArray &pdf : pdfs) {
            QVERIFY2(istPdf(pdf), pdf.constData());
            erwartet << QString::fromLatin1("./" + pdf);
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
        QTemporaryDir ausgabe;
        const QDir stapel(ausgabe.path());
        L argumente = {"--pdf", "--ausgabe", QFile::encodeName(ausgabe.path())};
        for (int i = 1; i <= 30; ++i)
            argumente << "viele/e" + QByteArray::number(i) + ".lkz";
        // the fault library refuses unnamed files, as some file systems do
        if (benannt) {
            qputenv("LD_PRELOAD", FEHLERSPRITZE);
            qputenv("VENTORIS_OHNE_O_TMPFILE", "1");
            qputenv("ASAN_OPTIONS", qgetenv("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        }
        QProcess programm;
        starten(programm, argumente);
        qunsetenv("LD_PRELOAD");
        qunsetenv("VENTORIS_OHNE_O_TMPFILE");
        QTRY_VERIFY_WITH_TIMEOUT(!stapel.entryList({"*.pdf"}, QDir::Files).isEmpty(), 20000);
        QCOMPARE(::kill(pid_t(programm.processId()), signal), 0);
        QVERIFY(programm.waitForFinished(20000));
        QCOMPARE(programm.exitStatus(), QProcess::NormalExit);
        QCOMPARE(programm.exitCode(), 128 + signal);
        const QStringList da = stapel.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QVERIFY2(!da.isEmpty() && da.size() < 30, qPrintable(da.join(',')));
        for (const QString &name : da) {
            QFile blatt(stapel.filePath(name));
            QVERIFY2(QRegularExpression("^e\\d+\\.pdf$").match(name).hasMatch() && blatt.open(QIODevice::ReadOnly) &&
                         blatt.readAll().trimmed().endsWith("%%EOF"),
                     qPrintable(name));
        }
    }

    // A name that is not UTF-8 opens in the window, from the command line and
    // from the overview.
    void fensterOeffnetRohnamen()
    {
        const auto f = ProgrammStarten();
        ModalFolge keineMeldung({}); // an error report fails the test instead of hanging it
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
