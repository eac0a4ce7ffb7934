// The company-logo window: the built-in default, loading a bitmap through the
// file dialog, and writing "Logo.bmp" into the working directory.

#include "report/logofenster.h"

#include "modalhelfer.h"
#include "reference/bildfeld.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// A picture whose every pixel differs from its neighbours', so that any
// scaling or shift shows.
QImage Muster(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB888);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 40 + (y / 256) * 120));
    return bild;
}

// The file dialog step: the picture chosen as a user would.
ModalFolge::Schritt DateiWaehlen(const QString &pfad, QStringList *filter)
{
    return [pfad, filter](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        *filter = dialog->nameFilters();
        const QString fehler = DialogBeantworten(dialog, pfad);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    };
}

ModalFolge::Schritt Abbrechen(QStringList *filter)
{
    return [filter](QWidget *modal) {
        if (auto *dialog = qobject_cast<QFileDialog *>(modal))
            *filter = dialog->nameFilters();
        QTest::keyClick(modal, Qt::Key_Escape);
    };
}

ModalFolge::Schritt MeldungMerken(QString *text, QMessageBox::Icon *symbol)
{
    return [text, symbol](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            *text = box->text();
            *symbol = box->icon();
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            modal->close();
        }
    };
}

QImage Gezeigt(TForm5 &fenster)
{
    return fenster.Image1->grab().toImage().convertToFormat(QImage::Format_RGB888);
}

} // namespace

class TstLogofenster : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_ordner;
    QString m_vorherigerOrdner;
    std::unique_ptr<QWidget> m_haupt;
    TForm5 *m_fenster = nullptr;

    QString LogoDatei() const { return QDir(m_ordner->path()).filePath(QStringLiteral("Logo.bmp")); }

    // A bitmap in a sub-folder, so that it is never taken for "Logo.bmp".
    QString BildAblegen(const QImage &bild, const QString &name) const
    {
        QDir(m_ordner->path()).mkpath(QStringLiteral("bilder"));
        const QString pfad = QDir(m_ordner->path()).filePath(QStringLiteral("bilder/") + name);
        if (!bild.save(pfad, "BMP"))
            qFatal("Testbild nicht gespeichert");
        return pfad;
    }

private slots:
    void init()
    {
        m_ordner = std::make_unique<QTemporaryDir>();
        QVERIFY(m_ordner->isValid());
        m_vorherigerOrdner = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_ordner->path()));
        m_haupt = std::make_unique<QWidget>();
        m_fenster = new TForm5(m_haupt.get());
        m_haupt->show();
        m_fenster->Oeffnen();
    }

    void cleanup()
    {
        m_haupt.reset();
        QDir::setCurrent(m_vorherigerOrdner);
        m_ordner.reset();
    }

    void fensterWieEntworfen()
    {
        QCOMPARE(m_fenster->objectName(), QStringLiteral("TForm5"));
        QCOMPARE(m_fenster->windowTitle(), QStringLiteral("Logo"));
        QCOMPARE(m_fenster->size(), QSize(849, 244));
        QVERIFY(m_fenster->windowFlags().testFlag(Qt::Window));
        QVERIFY(!m_fenster->isModal());
        QCOMPARE(m_fenster->windowModality(), Qt::NonModal);
        QCOMPARE(m_fenster->Panel3->geometry(), QRect(13, 13, 820, 185));
        QCOMPARE(m_fenster->Image1->geometry(), QRect(16, 16, 600, 150));
        QCOMPARE(m_fenster->Button3->text(), QStringLiteral("Logo laden"));
        QCOMPARE(m_fenster->Button3->geometry(), QRect(640, 16, 161, 25));
        QCOMPARE(m_fenster->Button1->text(), QStringLiteral("Schliessen"));
        QCOMPARE(m_fenster->Button1->geometry(), QRect(640, 104, 161, 25));
        QCOMPARE(m_fenster->Label7->text(), QStringLiteral("Firmenlogo mit 600 x 150 Pixel"));
        QCOMPARE(m_fenster->Label7->pos(), QPoint(640, 152));
        TForm5 versteckt;
        QVERIFY(versteckt.isHidden());
    }

    void standardlogoNachDemStart()
    {
        const QImage logo = m_fenster->Logo();
        QCOMPARE(logo.size(), QSize(600, 150));
        QCOMPARE(logo.format(), QImage::Format_RGB888);
        QCOMPARE(logo.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(Gezeigt(*m_fenster), logo);
        // Showing it writes nothing.
        QVERIFY(!QFileInfo::exists(LogoDatei()));
    }

    void abbrechenSchreibtStandardlogo()
    {
        QStringList filter;
        ModalFolge folge({Abbrechen(&filter)});
        const QImage vorher = m_fenster->Logo();
        QTest::mouseClick(m_fenster->Button3, Qt::LeftButton);
        QVERIFY(folge.alleErledigt());
        QCOMPARE(folge.gesehen, QStringList{QStringLiteral("QFileDialog")});
        QCOMPARE(filter, QStringList{QStringLiteral("Logo-Datei (*.bmp)")});
        QCOMPARE(QDir::currentPath(), m_ordner->path());
        QCOMPARE(m_fenster->Logo(), vorher);

        QImageReader leser(LogoDatei());
        QCOMPARE(leser.format(), QByteArray("bmp"));
        const QImage geschrieben = leser.read();
        QCOMPARE(geschrieben.size(), QSize(600, 150));
        QCOMPARE(geschrieben.convertToFormat(QImage::Format_RGB888), vorher);
    }

    void ladenZeigtObereLinkeEcke()
    {
        const QImage gross = Muster(1200, 300);
        const QString pfad = BildAblegen(gross, QStringLiteral("gross.bmp"));
        QStringList filter;
        ModalFolge folge({DateiWaehlen(pfad, &filter)});
        QTest::mouseClick(m_fenster->Button3, Qt::LeftButton);
        QVERIFY(folge.alleErledigt());
        QCOMPARE(filter, QStringList{QStringLiteral("Logo-Datei (*.bmp)")});
        // The dialog leaves the working directory alone.
        QCOMPARE(QDir::currentPath(), m_ordner->path());

        // The whole picture is the logo (the print stretches it) ...
        QCOMPARE(m_fenster->Logo().convertToFormat(QImage::Format_RGB888), gross);
        // ... the window shows its top-left 600 x 150 pixels, unscaled.
        const QImage gezeigt = Gezeigt(*m_fenster);
        QCOMPARE(gezeigt.size(), QSize(600, 150));
        QCOMPARE(gezeigt, gross.copy(0, 0, 600, 150));
        QCOMPARE(gezeigt.pixel(599, 149), qRgb(599 % 256, 149, 2 * 40));

        // "Logo.bmp" holds the whole loaded picture.
        const QImage geschrieben(LogoDatei());
        QCOMPARE(geschrieben.convertToFormat(QImage::Format_RGB888), gross);
    }

    void kleinesLogoLaesstRestLeer()
    {
        const QImage klein = Muster(200, 50);
        const QString pfad = BildAblegen(klein, QStringLiteral("klein.bmp"));
        QStringList filter;
        ModalFolge folge({DateiWaehlen(pfad, &filter)});
        QTest::mouseClick(m_fenster->Button3, Qt::LeftButton);
        QVERIFY(folge.alleErledigt());
        const QImage gezeigt = Gezeigt(*m_fenster);
        QCOMPARE(gezeigt.copy(0, 0, 200, 50), klein);
        // Nothing of the default logo remains beside or below it.
        const QImage standard = TForm5().Logo();
        const QRgb rest = gezeigt.pixel(400, 120);
        for (int x = 200; x < 600; x += 7)
            for (int y = 0; y < 150; y += 5)
                QCOMPARE(gezeigt.pixel(x, y), rest);
        QVERIFY(gezeigt != standard);
    }

    void zweitesLadenErsetztDasErste()
    {
        const QString erstes = BildAblegen(Muster(600, 150), QStringLiteral("erstes.bmp"));
        QImage blau(600, 150, QImage::Format_RGB888);
        blau.fill(qRgb(0, 0, 200));
        const QString zweites = BildAblegen(blau, QStringLiteral("zweites.bmp"));
        QStringList filter;
        {
            ModalFolge folge({DateiWaehlen(erstes, &filter)});
            QTest::mouseClick(m_fenster->Button3, Qt::LeftButton);
            QVERIFY(folge.alleErledigt());
        }
        {
            ModalFolge folge({DateiWaehlen(zweites, &filter)});
            QTest::mouseClick(m_fenster->Button3, Qt::LeftButton);
            QVERIFY(folge.alleErledigt());
        }
        QCOMPARE(m_fenster->Logo().convertToFormat(QImage::Format_RGB888), blau);
        QCOMPARE(QImage(LogoDatei()).convertToFormat(QImage::Format_RGB888), blau);
        // Cancelling now writes the loaded logo, not the default.
        QFile::remove(LogoDatei());
        ModalFolge folge({Abbrechen(&filter)});
        QTest::mouseClick(m_fenster->Button3, Qt::LeftButton);
        QVERIFY(folge.alleErledigt());
        QCOMPARE(QImage(LogoDatei()).convertToFormat(QImage::Format_RGB888), blau);
    }

    void unlesbareDateiMeldetUndSchreibtNichts()
    {
        QDir(m_ordner->path()).mkpath(QStringLiteral("bilder"));
        const QString pfad = QDir(m_ordner->path()).filePath(QStringLiteral("bilder/kaputt.bmp"));
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("Das ist kein Bild, nur Text mit der Endung bmp.\n");
        datei.close();

        const QImage vorher = m_fenster->Logo();
        QStringList filter;
        QString meldung;
        QMessageBox::Icon symbol = QMessageBox::NoIcon;
        ModalFolge folge({DateiWaehlen(pfad, &filter), MeldungMerken(&meldung, &symbol)});
        QTest::mouseClick(m_fenster->Button3, Qt::LeftButton);
        QVERIFY(folge.alleErledigt());
        QCOMPARE(folge.gesehen, (QStringList{QStringLiteral("QFileDialog"), QStringLiteral("QMessageBox")}));
        QCOMPARE(symbol, QMessageBox::Warning);
        QVERIFY2(meldung.contains(QStringLiteral("kaputt.bmp")), qPrintable(meldung));
        QVERIFY2(meldung.contains(QStringLiteral("nicht")), qPrintable(meldung));
        QCOMPARE(m_fenster->Logo(), vorher);
        QCOMPARE(Gezeigt(*m_fenster), vorher);
        QVERIFY(!QFileInfo::exists(LogoDatei()));
    }

    void nichtSchreibbarMeldetUndBehaeltLogo()
    {
        // A folder named "Logo.bmp" blocks the file, also for root.
        QVERIFY(QDir(m_ordner->path()).mkdir(QStringLiteral("Logo.bmp")));
        const QImage neu = Muster(600, 150);
        const QString pfad = BildAblegen(neu, QStringLiteral("neu.bmp"));
        QStringList filter;
        QString meldung;
        QMessageBox::Icon symbol = QMessageBox::NoIcon;
        ModalFolge folge({DateiWaehlen(pfad, &filter), MeldungMerken(&meldung, &symbol)});
        QTest::mouseClick(m_fenster->Button3, Qt::LeftButton);
        QVERIFY(folge.alleErledigt());
        QCOMPARE(symbol, QMessageBox::Warning);
        QVERIFY2(meldung.contains(QStringLiteral("Logo.bmp")), qPrintable(meldung));
        QVERIFY2(meldung.contains(QStringLiteral("nicht")), qPrintable(meldung));
        // The loaded logo stays for the print.
        QCOMPARE(m_fenster->Logo().convertToFormat(QImage::Format_RGB888), neu);
        QCOMPARE(Gezeigt(*m_fenster), neu);
        QVERIFY(QFileInfo(LogoDatei()).isDir());
    }

    void schliessenVerbirgtUndBehaeltLogo()
    {
        const QImage neu = Muster(600, 150);
        const QString pfad = BildAblegen(neu, QStringLiteral("neu.bmp"));
        QStringList filter;
        ModalFolge folge({DateiWaehlen(pfad, &filter)});
        QTest::mouseClick(m_fenster->Button3, Qt::LeftButton);
        QVERIFY(folge.alleErledigt());
        QPointer<TForm5> fenster = m_fenster;
        QTest::mouseClick(m_fenster->Button1, Qt::LeftButton);
        QVERIFY(fenster);
        QVERIFY(m_fenster->isHidden());
        m_fenster->Oeffnen();
        m_fenster->Oeffnen();
        QVERIFY(m_fenster->isVisible());
        QCOMPARE(m_fenster->Logo().convertToFormat(QImage::Format_RGB888), neu);
        QVERIFY(m_fenster->close());
        QVERIFY(fenster);
        QVERIFY(m_fenster->isHidden());
    }

    void neuerStartZeigtStandardTrotzLogoDatei()
    {
        const QImage neu = Muster(600, 150);
        const QString pfad = BildAblegen(neu, QStringLiteral("neu.bmp"));
        QStringList filter;
        ModalFolge folge({DateiWaehlen(pfad, &filter)});
        QTest::mouseClick(m_fenster->Button3, Qt::LeftButton);
        QVERIFY(folge.alleErledigt());
        QVERIFY(QFileInfo::exists(LogoDatei()));
        // A window created afresh, as at the next start, ignores "Logo.bmp".
        TForm5 neuerStart;
        QCOMPARE(neuerStart.Logo().size(), QSize(600, 150));
        QVERIFY(neuerStart.Logo().convertToFormat(QImage::Format_RGB888) != neu);
        QCOMPARE(neuerStart.Logo().pixel(0, 0), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TstLogofenster)
#include "tst_logofenster.moc"
