// The installed tree: "cmake --install" into a fresh folder brings exactly the
// program and what the desktop and Debian need beside it; the menu entry and
// the software-centre entry validate.
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Id = QStringLiteral("example.tessarix.ventoris");

// Runs a tool; false with its output as the message when it fails.
bool ausfuehren(const QString &programm, const QStringList &argumente, QString &aus)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programm, argumente);
    const bool gut = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    aus = programm + ": " + p.errorString() + '\n' + QString::fromUtf8(p.readAll());
    return gut;
}

} // namespace

class TestInstallation : public QObject
{
    Q_OBJECT

    QTemporaryDir ziel;
    QString aus;
    QString pfad(const QString &relativ) const { return ziel.filePath(relativ); }

private slots:
    void initTestCase()
    {
        QVERIFY2(ausfuehren(VENTORIS_CMAKE, {"--install", VENTORIS_BAUORDNER, "--prefix", ziel.path()}, aus),
                 qPrintable(aus));
    }

    void genauDieseDateien()
    {
        QStringList erwartet{"bin/ventoris", "share/applications/" + Id + ".desktop",
                             "share/doc/ventoris/changelog.gz", "share/doc/ventoris/copyright",
                             "share/man/man1/ventoris.1.gz", "share/metainfo/" + Id + ".metainfo.xml",
                             "share/mime/packages/" + Id + ".xml"};
        for (const int n : {16, 24, 32, 48, 64, 128, 256}) {
            const QString ordner = QStringLiteral("share/icons/hicolor/%1x%1/").arg(n);
            erwartet << ordner + "apps/" + Id + ".png" << ordner + "mimetypes/application-x-ventoris-projekt.png";
        }
        QStringList gefunden;
        for (QDirIterator it(ziel.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            gefunden << QDir(ziel.path()).relativeFilePath(it.next());
        erwartet.sort();
        gefunden.sort();
        QCOMPARE(gefunden, erwartet);
    }

    void gueltig()
    {
        QVERIFY2(ausfuehren("desktop-file-validate", {pfad("share/applications/" + Id + ".desktop")}, aus),
                 qPrintable(aus));
        QVERIFY2(ausfuehren("appstreamcli", {"validate", "--no-net", pfad("share/metainfo/" + Id + ".metainfo.xml")}, aus),
                 qPrintable(aus));
    }
};

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
