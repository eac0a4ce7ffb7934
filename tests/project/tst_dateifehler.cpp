#include "project/dateifehler.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cerrno>

using namespace ventoris;

class TstDateiFehler : public QObject
{
    Q_OBJECT

private slots:
    void ausErrno_data()
    {
        QTest::addColumn<int>("fehler");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("ENOENT") << ENOENT << "Datei nicht gefunden.";
        QTest::newRow("ENOTDIR") << ENOTDIR << "Ungültiger Dateiname.";
        QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << "Ungültiger Dateiname.";
        QTest::newRow("EINVAL") << EINVAL << "Ungültiger Dateiname.";
        QTest::newRow("EMFILE") << EMFILE << "Zu viele geöffnete Dateien.";
        QTest::newRow("ENFILE") << ENFILE << "Zu viele geöffnete Dateien.";
        QTest::newRow("EACCES") << EACCES << "Dateizugriff verweigert.";
        QTest::newRow("EPERM") << EPERM << "Dateizugriff verweigert.";
        QTest::newRow("EROFS") << EROFS << "Dateizugriff verweigert.";
        QTest::newRow("EISDIR") << EISDIR << "Dateizugriff verweigert.";
        QTest::newRow("ENOSPC") << ENOSPC << "Zu wenig Speicherplatz.";
        QTest::newRow("EDQUOT") << EDQUOT << "Zu wenig Speicherplatz.";
        // Without a text of their own, shown with the errno value (Linux numbers).
        QTest::newRow("EIO") << EIO << "E/A-Fehler 5.";
        QTest::newRow("EFBIG") << EFBIG << "E/A-Fehler 27.";
        QTest::newRow("EEXIST") << EEXIST << "E/A-Fehler 17.";
        QTest::newRow("EAGAIN") << EAGAIN << "E/A-Fehler 11.";
    }

    void ausErrno()
    {
        QFETCH(int, fehler);
        QFETCH(QString, meldung);
        const DateiFehler f = DateiFehler::ausErrno(fehler);
        QCOMPARE(f.meldung(), meldung);
        QCOMPARE(f.text() + u'.', meldung);
    }

    void tabellenCodes()
    {
        const std::pair<int, const char *> tabelle[] = {
            {2, "Datei nicht gefunden."},       {3, "Ungültiger Dateiname."},
            {4, "Zu viele geöffnete Dateien."}, {5, "Dateizugriff verweigert."},
            {100, "Versuch hinter dem Dateiende zu lesen."},
            {101, "Zu wenig Speicherplatz."},   {106, "Ungültige numerische Eingabe."},
            {103, "E/A-Fehler 103."}};
        for (const auto &[code, meldung] : tabelle)
            QCOMPARE(DateiFehler::ausCode(code).meldung(), QString::fromUtf8(meldung));
    }

    // The report is a modal box: application name as title, error icon, one OK.
    void fehlerbericht()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Ventoris"));
        QString titel, text;
        QMessageBox::Icon symbol = QMessageBox::NoIcon;
        QMessageBox::StandardButtons knoepfe;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            titel = box->windowTitle();
            text = box->text();
            symbol = box->icon();
            knoepfe = box->standardButtons();
            box->accept();
        });
        AllgemeinerFehlerbericht(nullptr, DateiFehler::ausErrno(ENOSPC));
        QCOMPARE(titel, QStringLiteral("Ventoris"));
        QCOMPARE(text, QStringLiteral("Zu wenig Speicherplatz."));
        QCOMPARE(symbol, QMessageBox::Critical);
        QCOMPARE(knoepfe, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
};

QTEST_MAIN(TstDateiFehler)
#include "tst_dateifehler.moc"
