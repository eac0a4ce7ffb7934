#include "project/projektdatei.h"
#include "pruefhilfen.h"
#include "satztabelle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ventoris;

namespace {

QByteArray muster(int laenge)
{
    QByteArray b(laenge, '\0');
    for (int i = 0; i < laenge; ++i)
        b[i] = static_cast<char>((i * 7 + 3) % 251);
    return b;
}

bool dateiSchreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
}

QByteArray dateiInhalt(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstProjektDatei : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void erkennung_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<int>("satzLaenge"); // 0: the read fails
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("1108") << 1108 << 0;
        QTest::newRow("1109") << 1109 << 1109;
        QTest::newRow("1129") << 1129 << 1109;
        QTest::newRow("1130") << 1130 << 1130;
        QTest::newRow("1159") << 1159 << 1130;
        QTest::newRow("1160") << 1160 << 1160;
        QTest::newRow("1200") << 1200 << 1160;
    }

    void erkennung()
    {
        QFETCH(int, groesse);
        QFETCH(int, satzLaenge);
        const QByteArray inhalt = muster(groesse);
        QVERIFY(dateiSchreiben(pfad("p.lkz"), inhalt));
        const SatzLeseErgebnis e = SatzLesen(pfad("p.lkz"));
        if (satzLaenge == 0) {
            QVERIFY(!e.satz);
            QCOMPARE(e.fehler.meldung(), QStringLiteral("Versuch hinter dem Dateiende zu lesen."));
            return;
        }
        QVERIFY(e.satz);
        QCOMPARE(SatzLaenge(e.satz->layout), satzLaenge);
        QCOMPARE(e.satz->bytes, inhalt.left(satzLaenge));
        // The same decision on the bytes alone.
        const std::optional<TGelesenerSatz> ausSpeicher = SatzErkennen(inhalt);
        QVERIFY(ausSpeicher);
        QCOMPARE(ausSpeicher->layout, e.satz->layout);
    }

    void lesefehler_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Datei fehlt") << "fehlt.lkz" << "Datei nicht gefunden.";
        QTest::newRow("Ordner fehlt") << "kein/p.lkz" << "Datei nicht gefunden.";
        QTest::newRow("Ordner") << "ordner" << "Dateizugriff verweigert.";
        QTest::newRow("Datei als Ordner") << "datei.lkz/p.lkz" << "Ungültiger Dateiname.";
    }

    void lesefehler()
    {
        QFETCH(QString, name);
        QFETCH(QString, meldung);
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("ordner")));
        QVERIFY(dateiSchreiben(pfad("datei.lkz"), muster(1160)));
        const SatzLeseErgebnis e = SatzLesen(pfad(name));
        QVERIFY(!e.satz);
        QCOMPARE(e.fehler.meldung(), meldung);
    }

    // Opening needs read access only.
    void schreibgeschuetzt()
    {
        QVERIFY(dateiSchreiben(pfad("nurlesen.lkz"), muster(1130)));
        QVERIFY(QFile::setPermissions(pfad("nurlesen.lkz"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const SatzLeseErgebnis e = SatzLesen(pfad("nurlesen.lkz"));
        QVERIFY(e.satz);
        QCOMPARE(e.satz->layout, SatzLayout::TProjektSatz1130);
    }

    void ohneLeserecht()
    {
        if (geteuid() == 0)
            QSKIP("root may read any file");
        QVERIFY(dateiSchreiben(pfad("gesperrt.lkz"), muster(1160)));
        QVERIFY(QFile::setPermissions(pfad("gesperrt.lkz"), {}));
        const SatzLeseErgebnis e = SatzLesen(pfad("gesperrt.lkz"));
        QVERIFY(!e.satz);
        QCOMPARE(e.fehler.meldung(), QStringLiteral("Dateizugriff verweigert."));
    }

    void schreibenUndLesen()
    {
        TProjektSatz satz;
        satz.SetzeText(1, QStringLiteral("Wohnung Süd"));
        satz.SetzeText(21, QStringLiteral("freie Lüftung Neubau"));
        satz.SetzeText(30, QStringLiteral("Lüftung mit Ventilator € nötig"));
        QCOMPARE(SatzSchreiben(pfad("neu.lkz"), satz.Bytes()), std::nullopt);
        const QByteArray inhalt = dateiInhalt(pfad("neu.lkz"));
        QCOMPARE(inhalt.size(), 1160);
        QCOMPARE(inhalt, satz.Bytes());
        QCOMPARE(satztabelle::feldText(inhalt, 0, 1), QByteArray("Wohnung S\xfc" "d"));

        const SatzLeseErgebnis e = SatzLesen(pfad("neu.lkz"));
        QVERIFY(e.satz);
        QCOMPARE(e.satz->layout, SatzLayout::TProjektSatz);
        QCOMPARE(e.satz->Text(21), std::optional<QString>(QStringLiteral("freie Lüftung Neubau")));
        QCOMPARE(e.satz->Text(30), std::optional<QString>(QStringLiteral("Lüftung mit Ventilator € nötig")));
    }

    void ueberschreiben()
    {
        QVERIFY(dateiSchreiben(pfad("alt.lkz"), muster(2000)));
        TProjektSatz satz;
        satz.SetzeText(2, QStringLiteral("Ringstraße 1"));
        QCOMPARE(SatzSchreiben(pfad("alt.lkz"), satz.Bytes()), std::nullopt);
        QCOMPARE(dateiInhalt(pfad("alt.lkz")), satz.Bytes());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("alt.lkz")});
    }

    void ordnerFehlt()
    {
        const std::optional<DateiFehler> f = SatzSchreiben(pfad("kein/neu.lkz"), TProjektSatz().Bytes());
        QVERIFY(f);
        QCOMPARE(f->meldung(), QStringLiteral("Datei nicht gefunden."));
        QVERIFY(!QFile::exists(pfad("kein")));
    }

    // Under a file-size limit the write stops after 300 bytes with EFBIG; the save
    // must fail and leave the old file untouched. Run in a child process so the
    // limit cannot reach the test's own files.
    void groessenGrenze()
    {
        const QByteArray alt = muster(1160);
        QVERIFY(dateiSchreiben(pfad("grenze.lkz"), alt));
        TProjektSatz satz;
        satz.SetzeText(28, QString(120, u'x'));

        int rohr[2];
        QCOMPARE(::pipe(rohr), 0);
        const pid_t kind = ::fork();
        QVERIFY(kind >= 0);
        if (kind == 0) {
            ::close(rohr[0]);
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit grenze{300, 300};
            ::setrlimit(RLIMIT_FSIZE, &grenze);
            const std::optional<DateiFehler> f = SatzSchreiben(pfad("grenze.lkz"), satz.Bytes());
            const QByteArray antwort = f ? f->meldung().toUtf8() : QByteArray("ok");
            const ssize_t n = ::write(rohr[1], antwort.constData(), static_cast<size_t>(antwort.size()));
            ::_exit(n == antwort.size() ? 0 : 1);
        }
        ::close(rohr[1]);
        QByteArray antwort;
        char puffer[256];
        ssize_t n;
        while ((n = ::read(rohr[0], puffer, sizeof puffer)) > 0)
            antwort.append(puffer, static_cast<int>(n));
        ::close(rohr[0]);
        int status = 0;
        QCOMPARE(::waitpid(kind, &status, 0), kind);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);

        QCOMPARE(QString::fromUtf8(antwort), QStringLiteral("E/A-Fehler 27."));
        QCOMPARE(dateiInhalt(pfad("grenze.lkz")), alt);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("grenze.lkz")});
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString pfad(const QString &name) const { return m_dir->filePath(name); }
};

QTEST_GUILESS_MAIN(TstProjektDatei)
#include "tst_projektdatei.moc"
