// Every writer of the program under real faults of the system calls: the old
// file stays whole, no temporary file is left, the user sees the failure, and
// the next save without the fault succeeds.
#include "fehlerspritze.h"

#include "project/dauerhaftschreiben.h"
#include "report/druckbefehle.h"
#include "report/logofenster.h"
#include "tests/app/bedienung.h"
#include "tests/reference/modalhelfer.h"
#include "tests/report/testdaten.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ventoris;

namespace {

enum Schreiber { Projekt, Pdf, Logo, Direkt };
const char *const Dateiname[] = {"fall.lkz", "ergebnis.pdf", "Logo.bmp", "neu.dat"};

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
                                                 : ::rename(probe.constData(), (probe + "2").constData());
    const int fehler = ergebnis < 0 ? errno : 0;
    if (aufruf != "close")
        ::close(fd);
    ::unlink(probe.constData());
    ::unlink((probe + "2").constData());
    return fehler;
}

// Runs one writer as the user does: "Speichern" in the main window, "Als PDF
// speichern", "Logo laden" cancelled; the routine itself for a new file.
// 'vorher' runs just before the writing. Returns what the user was told.
Meldung schreiben(Schreiber schreiber, const QString &pfad, const std::function<void()> &vorher, bool fehler)
{
    Meldung m;
    if (schreiber == Direkt) {
        vorher();
        if (const auto f = DauerhaftSchreiben(pfad, QByteArray("neuer Inhalt")))
            m.text = f->meldung();
        return m;
    }
    const ModalFolge::Schritt waehlen = schreiber == Logo ? abbrechen() : dateiWaehlen(pfad);
    QList<ModalFolge::Schritt> schritte{[&](QWidget *w) {
        vorher();
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
        ErgebnisAlsPdfSpeichern(nullptr, testdaten::Bewertungsfall());
    } else {
        logo = std::make_unique<TForm5>();
        logo->Button3->click();
    }
    if (!abwarten(folge))
        m.text = QStringLiteral("Dialoge: ") + folge.gesehen.join(',');
    return m;
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
    const struct {
        const char *aufruf;
        int fehlerwert;
        const char *meldung;
    } faelle[] = {{"write", ENOSPC, "Zu wenig Speicherplatz."},
                  {"fdatasync", EIO, "E/A-Fehler 5."},
                  {"close", EIO, "E/A-Fehler 5."},
                  {"rename", EACCES, "Dateizugriff verweigert."},
                  {"fsync", EIO, "E/A-Fehler 5."}};
    for (int s : {Projekt, Pdf, Logo, Direkt})
        for (const auto &fall : faelle)
            QTest::addRow("%s %s", Dateiname[s], fall.aufruf)
                << s << QByteArray(fall.aufruf) << fall.fehlerwert << QString::fromUtf8(fall.meldung);
}

void TstDauerhaft::fehler()
{
    QFETCH(int, schreiber);
    QFETCH(QByteArray, aufruf);
    QFETCH(int, fehlerwert);
    QFETCH(QString, meldung);
    QTemporaryDir tmp;
    // as the kernel names it, for the faults
    const QString ordner = QFileInfo(tmp.path()).canonicalFilePath();
    // "Logo.bmp" goes into the working directory
    QVERIFY(QDir::setCurrent(ordner));
    const QString pfad = ordner + u'/' + QLatin1String(Dateiname[schreiber]);
    const QByteArray alt = "alter Inhalt";
    if (schreiber != Direkt) {
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write(alt) == alt.size());
    }
    const QStringList vorher = dateien(ordner);

    int direkt = 0;
    const Meldung m = schreiben(Schreiber(schreiber), pfad, [&] {
        FehlerEinschalten(aufruf.constData(), fehlerwert, QFile::encodeName(ordner).constData());
        direkt = direktAufrufen(aufruf, ordner);
    }, true);
    const int getroffen = FehlerGetroffen();
    FehlerAusschalten();
    // the fault was on: a call of the test's own failed, and the writer's too
    QCOMPARE(direkt, fehlerwert);
    QVERIFY2(getroffen >= 2, qPrintable(QString::number(getroffen)));
    if (schreiber == Logo) {
        QVERIFY2(m.text.contains(u'\n' + meldung + u'\n'), qPrintable(m.text));
        QCOMPARE(m.symbol, QMessageBox::Warning);
    } else {
        QCOMPARE(m.text, meldung);
        QVERIFY(schreiber == Direkt || m.symbol == QMessageBox::Critical);
    }
    QCOMPARE(inhalt(pfad), schreiber == Direkt ? QByteArray() : alt);
    QCOMPARE(QFileInfo::exists(pfad), schreiber != Direkt);
    QCOMPARE(dateien(ordner), vorher);

    // without the fault the same command saves
    QCOMPARE(schreiben(Schreiber(schreiber), pfad, [] {}, false).text, QString());
    const QByteArray neu = inhalt(pfad);
    const QByteArray kennung[] = {"", "%PDF-", "BM", "neuer Inhalt"};
    QVERIFY(neu.startsWith(kennung[schreiber]));
    QVERIFY(schreiber != Projekt || neu.size() == 1160);
    QCOMPARE(dateien(ordner), QStringList{QLatin1String(Dateiname[schreiber])});
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
