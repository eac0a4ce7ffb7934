// Every writer of the program under real faults of the system calls: the old
// file stays whole, no temporary file is left, the user sees the failure, and
// the next save without the fault succeeds.
#include "beispielsatz.h"
#include "fehlerspritze.h"

#include "project/dauerhaftschreiben.h"
#include "report/druckbefehle.h"
#include "report/logofenster.h"
#include "tests/app/bedienung.h"
#include "tests/reference/modalhelfer.h"
#include "tests/report/testdaten.h"

#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ventoris;

namespace {

enum Schreiber { Projekt, Pdf, Logo, Direkt, Befehlszeile };
const char *const Dateiname[] = {"fall.lkz", "ergebnis.pdf", "Logo.bmp", "neu.dat", "fall.pdf"};

// What the user was told, and the command line's status.
struct Bericht {
    QString text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    int status = 0;
};

QByteArray inhalt(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

QStringList dateien(const QString &ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The faulty call made directly on a file of the folder (on the folder itself
// for fsync): its errno, or 0 when it went through.
int direktAufrufen(const QByteArray &aufruf, const QString &ordner)
{
    const QByteArray probe = QFile::encodeName(ordner + QStringLiteral("/probe"));
    const int fd = aufruf == "fsync" ? ::open(QFile::encodeName(ordner).constData(), O_RDONLY | O_DIRECTORY)
                                     : ::open(probe.constData(), O_WRONLY | O_CREAT, 0600);
    errno = 0;
    const int ergebnis = aufruf == "write"       ? int(::write(fd, "x", 1))
                         : aufruf == "fdatasync" ? ::fdatasync(fd)
                         : aufruf == "fsync"     ? ::fsync(fd)
                         : aufruf == "close"     ? ::close(fd)
                         : aufruf == "linkat"    ? ::linkat(AT_FDCWD, probe.constData(), AT_FDCWD, (probe + "2").constData(), 0)
                                                 : ::rename(probe.constData(), (probe + "2").constData());
    const int fehler = ergebnis < 0 ? errno : 0;
    if (aufruf != "close")
        ::close(fd);
    ::unlink(probe.constData());
    ::unlink((probe + "2").constData());
    return fehler;
}

// The program from the command line, with the fault library preloaded and the
// fault given in its environment: its status and its standard error.
QPair<int, QString> befehlszeile(const QString &lkz, const QByteArray &fehler)
{
    QProcess programm;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    if (!fehler.isEmpty()) {
        umgebung.insert("LD_PRELOAD", FEHLERSPRITZE);
        umgebung.insert("VENTORIS_FEHLER", fehler);
        // a sanitizer build: its runtime is then no longer the first library
        umgebung.insert("ASAN_OPTIONS", umgebung.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    }
    programm.setProcessEnvironment(umgebung);
    programm.start(QStringLiteral(VENTORIS_PROGRAMM), {QStringLiteral("--pdf"), lkz});
    if (!programm.waitForFinished(20000) || programm.exitStatus() != QProcess::NormalExit)
        return {-1, QString()};
    return {programm.exitCode(), QString::fromUtf8(programm.readAllStandardError())};
}

// Runs one writer as the user does: "Speichern" in the main window, "Als PDF
// speichern", "Logo laden" cancelled, "ventoris --pdf"; the routine itself for
// a new file. 'einschalten' switches the fault on just before the writing.
// Returns what the user was told.
Bericht ausfuehren(Schreiber schreiber, const QString &pfad, const std::function<QByteArray()> &einschalten,
                   bool fehler)
{
    if (schreiber == Befehlszeile) {
        const auto [status, text] = befehlszeile(pfad.chopped(3) + QStringLiteral("lkz"), einschalten());
        return {text, QMessageBox::NoIcon, status};
    }
    if (schreiber == Direkt) {
        einschalten();
        const auto f = DauerhaftSchreiben(pfad, QByteArray("neuer Inhalt"));
        return {f ? f->meldung() : QString()};
    }
    Meldung m;
    const ModalFolge::Schritt waehlen = schreiber == Logo ? abbrechen() : dateiWaehlen(pfad);
    QList<ModalFolge::Schritt> schritte{[&](QWidget *w) {
        einschalten();
        // the PDF dialog asks before it replaces a file: "Ja"
        QTimer::singleShot(50, [] {
            auto *frage = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (frage && frage->button(QMessageBox::Yes))
                frage->button(QMessageBox::Yes)->click();
        });
        waehlen(w);
    }};
    if (fehler)
        schritte << meldungLesen(m);
    ModalFolge folge(schritte);
    std::unique_ptr<TForm1> f;
    std::unique_ptr<TForm5> logo;
    if (schreiber == Projekt) {
        f = ProgrammStarten();
        f->Speichern1->trigger();
    } else if (schreiber == Pdf) {
        ErgebnisAlsPdfSpeichern(nullptr, testdaten::Bewertungsfall(), QString());
    } else {
        logo = std::make_unique<TForm5>();
        logo->Button3->click();
    }
    if (!abwarten(folge))
        m.text = QStringLiteral("Dialoge: ") + folge.gesehen.join(',');
    return {m.text, m.symbol};
}

} // namespace

class TstDauerhaft : public QObject
{
    Q_OBJECT

private slots:
    void fehler_data();
    void fehler();
    void rechteVerweiseAusnahmen();
};

void TstDauerhaft::fehler_data()
{
    QTest::addColumn<int>("schreiber");
    QTest::addColumn<QByteArray>("aufruf");
    QTest::addColumn<int>("fehlerwert");
    QTest::addColumn<QString>("meldung");
    // the fallback where the file system has no unnamed files: a named temporary file
    QTest::addColumn<bool>("benannt");
    const struct {
        const char *aufruf;
        int fehlerwert;
        const char *meldung;
    } faelle[] = {{"write", ENOSPC, "Zu wenig Speicherplatz."},
                  {"fdatasync", EIO, "E/A-Fehler 5."},
                  {"close", EIO, "E/A-Fehler 5."},
                  {"rename", EACCES, "Dateizugriff verweigert."},
                  {"linkat", EACCES, "Dateizugriff verweigert."},
                  {"fsync", EIO, "E/A-Fehler 5."}};
    for (int s : {Projekt, Pdf, Logo, Direkt, Befehlszeile})
        for (const bool benannt : {false, true})
            for (const auto &fall : faelle) {
                const bool linkat = std::strcmp(fall.aufruf, "linkat") == 0;
                // a new unnamed file is linked in place, not renamed
                const bool umbenannt = std::strcmp(fall.aufruf, "rename") == 0 && s == Direkt;
                // (the fallback once, on the routine itself: every writer goes through it)
                if ((benannt && (linkat || s != Direkt)) || (!benannt && umbenannt))
                    continue;
                QTest::addRow("%s %s%s", Dateiname[s], fall.aufruf, benannt ? " (ohne O_TMPFILE)" : "")
                    << s << QByteArray(fall.aufruf) << fall.fehlerwert << QString::fromUtf8(fall.meldung) << benannt;
            }
}

void TstDauerhaft::fehler()
{
    QFETCH(int, schreiber);
    QFETCH(QByteArray, aufruf);
    QFETCH(int, fehlerwert);
    QFETCH(QString, meldung);
    QFETCH(bool, benannt);
    QTemporaryDir tmp;
    // as the kernel names it, for the faults
    const QString ordner = QFileInfo(tmp.path()).canonicalFilePath();
    // "Logo.bmp" goes into the working directory
    QVERIFY(QDir::setCurrent(ordner));
    const QString name = QLatin1String(Dateiname[schreiber]);
    const QString pfad = ordner + u'/' + name;
    const QByteArray alt = "alter Inhalt";
    if (schreiber != Direkt)
        schreiben(pfad, alt);
    if (schreiber == Befehlszeile)
        schreiben(ordner + QStringLiteral("/fall.lkz"), altSatz(0));
    const QStringList vorher = dateien(ordner);

    int direkt = 0;
    UnbenannteAblehnen(benannt);
    const Bericht b = ausfuehren(Schreiber(schreiber), pfad, [&] {
        FehlerEinschalten(aufruf.constData(), fehlerwert, QFile::encodeName(ordner).constData());
        direkt = direktAufrufen(aufruf, ordner);
        // the program from the command line gets the fault through its environment
        if (schreiber == Befehlszeile)
            FehlerAusschalten();
        return aufruf + ':' + QByteArray::number(fehlerwert) + ':' + QFile::encodeName(ordner);
    }, true);
    const int getroffen = FehlerGetroffen();
    FehlerAusschalten();
    UnbenannteAblehnen(false);
    // the fault was on: a call of the test's own failed, and the writer's too
    // (the command line's shows in its message alone)
    QCOMPARE(direkt, fehlerwert);
    QVERIFY2(getroffen >= (schreiber == Befehlszeile ? 1 : 2), qPrintable(QString::number(getroffen)));
    if (schreiber == Logo) {
        QVERIFY2(b.text.contains(u'\n' + meldung + u'\n'), qPrintable(b.text));
        QCOMPARE(b.symbol, QMessageBox::Warning);
    } else if (schreiber == Befehlszeile) {
        QCOMPARE(b.text, QStringLiteral("ventoris: %1: %2\n").arg(pfad, meldung));
        QCOMPARE(b.status, 1);
    } else {
        QCOMPARE(b.text, meldung);
        QCOMPARE(b.symbol, schreiber == Direkt ? QMessageBox::NoIcon : QMessageBox::Critical);
    }
    QCOMPARE(inhalt(pfad), schreiber == Direkt ? QByteArray() : alt);
    QCOMPARE(QFileInfo::exists(pfad), schreiber != Direkt);
    QCOMPARE(dateien(ordner), vorher);

    // without the fault the same command saves
    const Bericht danach = ausfuehren(Schreiber(schreiber), pfad, [] { return QByteArray(); }, false);
    QCOMPARE(danach.text, QString());
    QCOMPARE(danach.status, 0);
    const QByteArray neu = inhalt(pfad);
    const QByteArray kennung[] = {"", "%PDF-", "BM", "neuer Inhalt", "%PDF-"};
    QVERIFY(neu.startsWith(kennung[schreiber]));
    QVERIFY(schreiber != Projekt || neu.size() == 1160);
    QStringList alle = vorher;
    if (!alle.contains(name))
        alle << name;
    QCOMPARE(dateien(ordner), alle);
}

// A new file gets 0666 less the umask, a replaced one keeps its permissions, a
// symbolic link stays a link to the new file, and a writer that throws leaves
// nothing behind.
void TstDauerhaft::rechteVerweiseAusnahmen()
{
    QTemporaryDir tmp;
    const QString neu = tmp.filePath(QStringLiteral("neu")), alt = tmp.filePath(QStringLiteral("alt"));
    const mode_t maske = ::umask(027);
    const auto fehlerNeu = DauerhaftSchreiben(neu, QByteArray("1"));
    ::umask(maske);
    QCOMPARE(fehlerNeu, std::nullopt);
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(neu).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0640));

    QVERIFY(DauerhaftSchreiben(alt, QByteArray("1")) == std::nullopt);
    QCOMPARE(::chmod(QFile::encodeName(alt).constData(), 0604), 0);
    QVERIFY(QFile::link(alt, tmp.filePath(QStringLiteral("verweis"))));
    QCOMPARE(DauerhaftSchreiben(tmp.filePath(QStringLiteral("verweis")), QByteArray("2")), std::nullopt);
    QVERIFY(QFileInfo(tmp.filePath(QStringLiteral("verweis"))).isSymLink());
    QCOMPARE(inhalt(alt), QByteArray("2"));
    QCOMPARE(::stat(QFile::encodeName(alt).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0604));

    QVERIFY_THROWS_EXCEPTION(std::bad_alloc, DauerhaftSchreiben(alt, [](QIODevice &) -> bool { throw std::bad_alloc(); }));
    QCOMPARE(inhalt(alt), QByteArray("2"));
    QCOMPARE(dateien(tmp.path()), (QStringList{"alt", "neu", "verweis"}));
}

QTEST_MAIN(TstDauerhaft)
#include "tst_dauerhaft.moc"
