// The rendered document end to end: fonts sized by cell height, the PDF with
// its pages, text positions and pictures as poppler reads them, and the
// print and PDF commands with their dialogs and failure paths.

#include "report/blattzeichnen.h"
#include "report/druckbefehle.h"
#include "report/ergebnisblatt.h"
#include "report/ergebnispdf.h"
#include "popplerwerkzeuge.h"
#include "testdaten.h"
#include "tests/dateidialog.h"

#include <QPrintDialog>
#include <QBuffer>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QPrinter>
#include <QtTest>

#include <cerrno>
#include <functional>

using namespace ventoris;

Q_DECLARE_METATYPE(ventoris::TSchrift)

namespace {

constexpr double PunkteJeMillimeter = 72.0 / 25.4;

// Calls 'handeln' with the next modal dialog of type T once it is open.
template <typename T>
void WennModal(std::function<void(T *)> handeln)
{
    auto *uhr = new QTimer;
    uhr->setInterval(10);
    QObject::connect(uhr, &QTimer::timeout, [uhr, handeln] {
        if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget())) {
            uhr->stop();
            uhr->deleteLater();
            handeln(w);
        }
    });
    uhr->start();
}

// Closes every message box that opens while it lives and keeps its text, so a
// report that a test does not expect fails the test instead of blocking it.
class TBerichtWaechter
{
public:
    TBerichtWaechter()
    {
        m_uhr.setInterval(10);
        QObject::connect(&m_uhr, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                berichte.append(box->objectName() + QLatin1Char(':') + box->text());
                box->close();
            }
        });
        m_uhr.start();
    }
    QStringList berichte;

private:
    QTimer m_uhr;
};

QStringList Dateien(const QString &ordner)
{
    return QDir(ordner).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TstBlattdokument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void schriftNachZellenhoehe_data();
    void schriftNachZellenhoehe();
    void pdfZweiSeitenA4();
    void textPositionen_data();
    void textPositionen();
    void umlauteLesbar();
    void bilderInIhrenKaesten();
    void pdfBefehlSchreibtDatei();
    void pdfBefehlAbgebrochen();
    void pdfBefehlFehlerbericht();
    void pdfSchreibenOhneReste();
    void druckereinstellungAmGemeinsamenDrucker();
    void druckenAbgebrochen();
    void druckenImmerBeideSeiten_data();
    void druckenImmerBeideSeiten();
    void druckfehlerGibtDruckerFrei();

private:
    QTemporaryDir m_ordner;
    QString m_pdf;
};

void TstBlattdokument::initTestCase()
{
    QVERIFY(m_ordner.isValid());
    m_pdf = m_ordner.filePath(QStringLiteral("blatt.pdf"));
    QCOMPARE(ErgebnisPdfSchreiben(ErgebnisblattAufbauen(testdaten::Bewertungsfall()), m_pdf), std::nullopt);
}

void TstBlattdokument::schriftNachZellenhoehe_data()
{
    QTest::addColumn<TSchrift>("schrift");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<double>("zelleMm");
    QTest::addColumn<bool>("fett");
    QTest::newRow("Titel 1200 dpi") << TSchrift::Titel << 1200 << 6.0 << true;
    QTest::newRow("Abschnitt 1200 dpi") << TSchrift::Abschnitt << 1200 << 4.0 << true;
    QTest::newRow("Text 1200 dpi") << TSchrift::Text << 1200 << 4.0 << false;
    QTest::newRow("Fusszeile 1200 dpi") << TSchrift::Fusszeile << 1200 << 3.0 << false;
    QTest::newRow("Text 300 dpi") << TSchrift::Text << 300 << 4.0 << false;
    QTest::newRow("Fusszeile 600 dpi") << TSchrift::Fusszeile << 600 << 3.0 << false;
}

void TstBlattdokument::schriftNachZellenhoehe()
{
    QFETCH(TSchrift, schrift);
    QFETCH(int, dpi);
    QFETCH(double, zelleMm);
    QFETCH(bool, fett);
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setResolution(dpi);
    qreal oberlaenge = 0;
    const QFont font = BlattSchrift(schrift, &pdf, &oberlaenge);
    const QFontMetricsF m(font, &pdf);
    const double zellePixel = zelleMm / 25.4 * dpi;
    // the cell, not the em square, has the layout's height
    QVERIFY2(qAbs(m.ascent() + m.descent() - zellePixel) < zellePixel * 0.01,
             qPrintable(QStringLiteral("Zelle %1 px statt %2 px").arg(m.ascent() + m.descent()).arg(zellePixel)));
    QVERIFY(qAbs(oberlaenge - m.ascent()) < 0.01 * zellePixel);
    QCOMPARE(font.bold(), fett);
    QCOMPARE(font.family(), QStringLiteral("Arial"));
}

void TstBlattdokument::pdfZweiSeitenA4()
{
    if (!poppler::Vorhanden())
        QSKIP("poppler-utils fehlen");
    QCOMPARE(poppler::Info(m_pdf, QStringLiteral("Pages")), QStringLiteral("2"));
    const QStringList mass = poppler::Info(m_pdf, QStringLiteral("Page size")).split(QLatin1Char(' '));
    QVERIFY(mass.size() >= 3);
    QVERIFY(qAbs(mass.at(0).toDouble() - 210.0 * PunkteJeMillimeter) < 0.5);
    QVERIFY(qAbs(mass.at(2).toDouble() - 297.0 * PunkteJeMillimeter) < 0.5);
}

void TstBlattdokument::textPositionen_data()
{
    QTest::addColumn<QString>("wort");
    QTest::addColumn<double>("linksMm");
    QTest::addColumn<double>("obenMm");
    QTest::addColumn<double>("zelleMm");
    QTest::newRow("Titel") << "Bewertung" << 15.0 << 70.0 << 6.0;
    QTest::newRow("Abschnitt") << "Objektdaten:" << 15.0 << 80.0 << 4.0;
    QTest::newRow("Text links") << "Objektbezeichnung:" << 15.0 << 85.0 << 4.0;
    QTest::newRow("Wert") << "Wohnanlage" << 55.0 << 85.0 << 4.0;
    QTest::newRow("rechte Spalte") << "Abfrage" << 105.0 << 135.0 << 4.0;
    QTest::newRow("Wert rechts") << "1980" << 175.0 << 165.0 << 4.0;
    QTest::newRow("Einheit") << "m²" << 85.0 << 155.0 << 4.0;
    QTest::newRow("Datum") << "Datum:" << 15.0 << 275.0 << 4.0;
    QTest::newRow("Fusszeile") << "Ventoris" << 15.0 << 280.0 << 3.0;
}

void TstBlattdokument::textPositionen()
{
    if (!poppler::Vorhanden())
        QSKIP("poppler-utils fehlen");
    QFETCH(QString, wort);
    QFETCH(double, linksMm);
    QFETCH(double, obenMm);
    QFETCH(double, zelleMm);
    const QVector<poppler::TWort> woerter = poppler::Woerter(m_pdf);
    QVERIFY(!woerter.isEmpty());
    const auto it = std::find_if(woerter.cbegin(), woerter.cend(),
                                 [&](const poppler::TWort &w) { return w.seite == 1 && w.text == wort; });
    QVERIFY2(it != woerter.cend(), qPrintable(wort));
    const double links = it->xMin / PunkteJeMillimeter;
    const double oben = it->yMin / PunkteJeMillimeter;
    const double unten = it->yMax / PunkteJeMillimeter;
    qInfo("%s: links %.3f mm, oben %.3f mm, Zelle %.3f mm", qPrintable(wort), links, oben, unten - oben);
    QVERIFY2(qAbs(links - linksMm) <= 0.5, qPrintable(QString::number(links)));
    QVERIFY2(qAbs(oben - obenMm) <= 0.5, qPrintable(QString::number(oben)));
    QVERIFY2(qAbs(unten - oben - zelleMm) <= 0.5, qPrintable(QString::number(unten - oben)));
}

void TstBlattdokument::umlauteLesbar()
{
    if (!poppler::Vorhanden())
        QSKIP("poppler-utils fehlen");
    const QString text = QString::fromUtf8(
        poppler::Ausfuehren(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), m_pdf, QStringLiteral("-")}));
    QVERIFY(text.contains(QStringLiteral("Bewertung lüftungstechnischer Maßnahmen nach DIN 1946-6 Kap. 4.2")));
    QVERIFY(text.contains(QStringLiteral("Gebäudedaten:")));
    QVERIFY(text.contains(QStringLiteral("Jürgen Müller")));
    QVERIFY(text.contains(QStringLiteral("m³/h")));
    QVERIFY(text.contains(QStringLiteral("Ventoris Lüftungskonzept Aerolis e.V. www.aerolis.example Version 1.0.0.11")));
}

void TstBlattdokument::bilderInIhrenKaesten()
{
    if (!poppler::Vorhanden())
        QSKIP("poppler-utils fehlen");
    const QVector<poppler::TBildEintrag> bilder = poppler::Bilder(m_pdf);
    QCOMPARE(bilder.size(), 2);
    QCOMPARE((QList<int>{bilder.at(0).seite, bilder.at(0).breite, bilder.at(0).hoehe}), (QList<int>{1, 600, 150}));
    QCOMPARE((QList<int>{bilder.at(1).seite, bilder.at(1).breite, bilder.at(1).hoehe}), (QList<int>{2, 947, 670}));

    // Rendered, each quarter of the test picture must fill its quarter of the box.
    struct TKasten { int seite; double l, o, r, u; };
    for (const TKasten &k : {TKasten{1, 15.0, 15.0, 165.0, 45.0}, TKasten{2, 5.0, 15.0, 194.4, 154.0}}) {
        const QString ziel = m_ordner.filePath(QStringLiteral("seite%1").arg(k.seite));
        poppler::Ausfuehren(QStringLiteral("pdftoppm"),
                            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-f"),
                             QString::number(k.seite), QStringLiteral("-l"), QString::number(k.seite),
                             QStringLiteral("-singlefile"), m_pdf, ziel});
        const QImage seite(ziel + QStringLiteral(".png"));
        QVERIFY(!seite.isNull());
        const double px = 50.0 / 25.4;
        auto farbe = [&](double xMm, double yMm) { return seite.pixelColor(int(xMm * px), int(yMm * px)); };
        auto nahe = [](const QColor &a, const QColor &b) {
            return qAbs(a.red() - b.red()) < 40 && qAbs(a.green() - b.green()) < 40 && qAbs(a.blue() - b.blue()) < 40;
        };
        const double b = k.r - k.l, h = k.u - k.o;
        // 2 % inside each corner of the box, and 2 mm outside its edges
        QVERIFY(nahe(farbe(k.l + 0.02 * b, k.o + 0.04 * h), QColor(200, 30, 30)));
        QVERIFY(nahe(farbe(k.r - 0.02 * b, k.o + 0.04 * h), QColor(30, 160, 30)));
        QVERIFY(nahe(farbe(k.l + 0.02 * b, k.u - 0.04 * h), QColor(30, 30, 200)));
        QVERIFY(nahe(farbe(k.r - 0.02 * b, k.u - 0.04 * h), QColor(230, 200, 20)));
        QVERIFY(nahe(farbe(k.l - 2, k.o + h / 2), Qt::white));
        QVERIFY(nahe(farbe(k.r + 2, k.o + h / 2), Qt::white));
        QVERIFY(nahe(farbe(k.l + b / 2, k.o - 2), Qt::white));
        QVERIFY(nahe(farbe(k.l + b / 2, k.u + 2), Qt::white));
    }
}

void TstBlattdokument::pdfBefehlSchreibtDatei()
{
    QTemporaryDir ordner;
    TBerichtWaechter waechter;
    bool geprueft = false;
    QString fehler = QStringLiteral("kein Dialog");
    WennModal<QFileDialog>([&](QFileDialog *dialog) {
        geprueft = dialog->acceptMode() == QFileDialog::AcceptSave && dialog->defaultSuffix() == QLatin1String("pdf")
                   && dialog->nameFilters() == QStringList{QStringLiteral("PDF-Dokument (*.pdf)")};
        fehler = DialogBeantworten(dialog, ordner.filePath(QStringLiteral("ergebnis")));
    });
    ErgebnisAlsPdfSpeichern(nullptr, testdaten::Startzustand(), QString());
    QVERIFY(geprueft);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    QCOMPARE(waechter.berichte, QStringList());
    // the default suffix is added to a name without one
    QCOMPARE(Dateien(ordner.path()), QStringList{QStringLiteral("ergebnis.pdf")});
    QFile datei(ordner.filePath(QStringLiteral("ergebnis.pdf")));
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QVERIFY(datei.read(5) == "%PDF-");
    if (poppler::Vorhanden())
        QCOMPARE(poppler::Info(datei.fileName(), QStringLiteral("Pages")), QStringLiteral("2"));
}

void TstBlattdokument::pdfBefehlAbgebrochen()
{
    QTemporaryDir ordner;
    bool gezeigt = false;
    WennModal<QFileDialog>([&](QFileDialog *dialog) {
        gezeigt = true;
        dateidialog::eintippen(dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")),
                               ordner.filePath(QStringLiteral("ergebnis.pdf")));
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    ErgebnisAlsPdfSpeichern(nullptr, testdaten::Bewertungsfall(), QString());
    QVERIFY(gezeigt);
    QCOMPARE(Dateien(ordner.path()), QStringList());
}

void TstBlattdokument::pdfBefehlFehlerbericht()
{
    QTemporaryDir ordner;
    const QString fehlt = ordner.filePath(QStringLiteral("fehlt"));
    QVERIFY(QDir().mkdir(fehlt));
    TBerichtWaechter waechter;
    QString fehler = QStringLiteral("kein Dialog");
    WennModal<QFileDialog>([&](QFileDialog *dialog) {
        fehler = DialogBeantworten(dialog, fehlt + QStringLiteral("/ergebnis.pdf"), [&] {
            // The folder disappears between the choice and the writing.
            QObject::connect(dialog, &QFileDialog::fileSelected, [fehlt] { QDir(fehlt).removeRecursively(); });
        });
    });
    ErgebnisAlsPdfSpeichern(nullptr, testdaten::Bewertungsfall(), QString());
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    QCOMPARE(waechter.berichte, QStringList{QStringLiteral("AllgemeinerFehlerbericht:Datei nicht gefunden.")});
    QVERIFY(!QFileInfo::exists(fehlt));
    QCOMPARE(Dateien(ordner.path()), QStringList());
}

void TstBlattdokument::pdfSchreibenOhneReste()
{
    QTemporaryDir ordner;
    const TBlatt blatt = ErgebnisblattAufbauen(testdaten::Bewertungsfall());
    QCOMPARE(ErgebnisPdfSchreiben(blatt, ordner.filePath(QStringLiteral("fehlt/ergebnis.pdf"))),
             DateiFehler::ausErrno(ENOENT));
    // a folder of the same name is not replaced by the file
    QVERIFY(QDir(ordner.path()).mkdir(QStringLiteral("ordner.pdf")));
    QVERIFY(ErgebnisPdfSchreiben(blatt, ordner.filePath(QStringLiteral("ordner.pdf"))));
    QVERIFY(QFileInfo(ordner.filePath(QStringLiteral("ordner.pdf"))).isDir());
    QCOMPARE(Dateien(ordner.path()), QStringList());
}

void TstBlattdokument::druckereinstellungAmGemeinsamenDrucker()
{
    QPrinter drucker;
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageOrientation(QPageLayout::Landscape);
    QPrinter *bearbeitet = nullptr;
    WennModal<QPageSetupDialog>([&](QPageSetupDialog *dialog) {
        bearbeitet = dialog->printer();
        dialog->accept();
    });
    Druckereinstellung(nullptr, drucker);
    // the dialog works on the program's printer itself, not on a copy
    QCOMPARE(bearbeitet, &drucker);
    QCOMPARE(drucker.pageLayout().orientation(), QPageLayout::Landscape);
}

void TstBlattdokument::druckenAbgebrochen()
{
    QTemporaryDir ordner;
    QPrinter drucker;
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(ordner.filePath(QStringLiteral("druck.pdf")));
    bool gezeigt = false;
    WennModal<QPrintDialog>([&](QPrintDialog *dialog) {
        gezeigt = true;
        dialog->reject();
    });
    ErgebnisDrucken(nullptr, drucker, testdaten::Bewertungsfall());
    QVERIFY(gezeigt);
    QCOMPARE(Dateien(ordner.path()), QStringList());
}

void TstBlattdokument::druckenImmerBeideSeiten_data()
{
    QTest::addColumn<int>("bereich");
    QTest::newRow("Seiten 2 bis 2") << int(QPrinter::PageRange);
    QTest::newRow("Auswahl") << int(QPrinter::Selection);
    QTest::newRow("aktuelle Seite") << int(QPrinter::CurrentPage);
}

void TstBlattdokument::druckenImmerBeideSeiten()
{
    QFETCH(int, bereich);
    QTemporaryDir ordner;
    QPrinter drucker;
    drucker.setOutputFormat(QPrinter::PdfFormat);
    const QString ziel = ordner.filePath(QStringLiteral("druck.pdf"));
    TBerichtWaechter waechter;
    QList<bool> optionen;
    int vonSeite = 0;
    QList<int> grenzen;
    WennModal<QPrintDialog>([&](QPrintDialog *dialog) {
        optionen = {dialog->testOption(QAbstractPrintDialog::PrintToFile),
                    dialog->testOption(QAbstractPrintDialog::PrintPageRange),
                    dialog->testOption(QAbstractPrintDialog::PrintSelection)};
        vonSeite = dialog->fromPage();
        grenzen = {dialog->minPage(), dialog->maxPage()};
        // What the user chose in the dialog: a page range, and a printer that
        // here writes into a file (the test machine has no printer).
        QObject::connect(dialog, &QDialog::accepted, [&] {
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(ziel);
            drucker.setPrintRange(QPrinter::PrintRange(bereich));
            drucker.setFromTo(2, 2);
        });
        dialog->accept();
    });
    ErgebnisDrucken(nullptr, drucker, testdaten::Bewertungsfall());
    QCOMPARE(optionen, (QList<bool>{false, true, true}));
    QCOMPARE(vonSeite, 1);
    QCOMPARE(grenzen, (QList<int>{0, INT_MAX}));
    QCOMPARE(waechter.berichte, QStringList());
    QVERIFY(QFileInfo::exists(ziel));
    QCOMPARE(drucker.printRange(), QPrinter::AllPages);
    if (poppler::Vorhanden())
        QCOMPARE(poppler::Info(ziel, QStringLiteral("Pages")), QStringLiteral("2"));
}

void TstBlattdokument::druckfehlerGibtDruckerFrei()
{
    QTemporaryDir ordner;
    QPrinter drucker;
    TBerichtWaechter waechter;
    auto drucken = [&](const QString &ziel) {
        WennModal<QPrintDialog>([&, ziel](QPrintDialog *dialog) {
            QObject::connect(dialog, &QDialog::accepted, [&, ziel] {
                drucker.setOutputFormat(QPrinter::PdfFormat);
                drucker.setOutputFileName(ziel);
            });
            dialog->accept();
        });
        ErgebnisDrucken(nullptr, drucker, testdaten::Bewertungsfall());
    };
    // a job that cannot be written is reported and leaves the printer idle
    drucken(ordner.filePath(QStringLiteral("fehlt/druck.pdf")));
    QCOMPARE(waechter.berichte, QStringList{QStringLiteral("AllgemeinerFehlerbericht:E/A-Fehler 5.")});
    QVERIFY(drucker.printerState() != QPrinter::Active);
    // the next job on the same printer starts and completes
    const QString ziel = ordner.filePath(QStringLiteral("druck.pdf"));
    drucken(ziel);
    QCOMPARE(waechter.berichte.size(), 1);
    QVERIFY(QFileInfo(ziel).size() > 0);
}

QTEST_MAIN(TstBlattdokument)
#include "tst_blattdokument.moc"
