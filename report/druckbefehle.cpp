#include "report/druckbefehle.h"

#include "app/arbeitsordner.h"

#include "project/dateifehler.h"
#include "report/blattzeichnen.h"
#include "report/ergebnisblatt.h"
#include "report/ergebnispdf.h"

#include <QApplication>
#include <QFileDialog>
#include <QPageRanges>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <cerrno>
#include <new>

namespace ventoris {

namespace {

// The window takes no input until the job is handed over; the cursor says so.
class TWarteCursor
{
public:
    TWarteCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWarteCursor() { QApplication::restoreOverrideCursor(); }
    TWarteCursor(const TWarteCursor &) = delete;
    TWarteCursor &operator=(const TWarteCursor &) = delete;
};

} // namespace

void BlattDrucken(QWidget *parent, QPrinter &drucker, const TBlatt &blatt)
{
    int fehler = 0;
    try {
        TWarteCursor warten;
        if (!BlattZeichnen(blatt, drucker))
            fehler = EIO;
    } catch (const std::bad_alloc &) {
        fehler = ENOMEM;
    }
    if (fehler != 0)
        AllgemeinerFehlerbericht(parent, DateiFehler::ausErrno(fehler));
}

void BlattSeitenansicht(QWidget *parent, QPrinter &drucker, const TBlatt &blatt)
{
    QPrintPreviewDialog dialog(&drucker, parent);
    dialog.setObjectName(QStringLiteral("Seitenansicht"));
    dialog.setWindowTitle(QStringLiteral("Seitenansicht"));
    if (parent)
        dialog.resize(parent->window()->size());
    // The preview asks for the pages again after a change of its page set-up,
    // and once more when the user prints from it.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter *geraet) { BlattDrucken(&dialog, *geraet, blatt); });
    dialog.exec();
}

void BlattAlsPdfSpeichern(QWidget *parent, const QString &dialogTitel, const std::function<TBlatt()> &aufbauen,
                          QPageLayout::Orientation lage, const QString &dokumentTitel,
                          const QString &aktuellesProjekt, const QString &vorschlag)
{
    QFileDialog dialog(parent, dialogTitel);
    dialog.setObjectName(QStringLiteral("PdfSpeichernDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF-Dokument (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QString pfad = DateiDialogZeigen(dialog, aktuellesProjekt, vorschlag);
    if (pfad.isEmpty())
        return;

    std::optional<DateiFehler> fehler;
    try {
        TWarteCursor warten;
        fehler = BlattPdfSchreiben(aufbauen(), pfad, lage, dokumentTitel);
    } catch (const std::bad_alloc &) {
        fehler = DateiFehler::ausErrno(ENOMEM);
    }
    if (fehler)
        AllgemeinerFehlerbericht(parent, *fehler);
}

void Druckereinstellung(QWidget *parent, QPrinter &drucker)
{
    QPageSetupDialog dialog(&drucker, parent);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    dialog.exec();
}

void ErgebnisDrucken(QWidget *parent, QPrinter &drucker, const TBlattDaten &daten)
{
    QPrintDialog dialog(&drucker, parent);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
    // The range box starts at page 1; no minimum or maximum page is set.
    drucker.setFromTo(1, 2);
    if (dialog.exec() != QDialog::Accepted)
        return;

    // The document is always printed in full.
    drucker.setPrintRange(QPrinter::AllPages);
    drucker.setPageRanges(QPageRanges());
    BlattDrucken(parent, drucker, ErgebnisblattAufbauen(daten));
}

void ErgebnisSeitenansicht(QWidget *parent, QPrinter &drucker, const TBlattDaten &daten)
{
    BlattSeitenansicht(parent, drucker, ErgebnisblattAufbauen(daten));
}

void ErgebnisAlsPdfSpeichern(QWidget *parent, const TBlattDaten &daten, const QString &aktuellesProjekt)
{
    BlattAlsPdfSpeichern(
        parent, QStringLiteral("Ergebnis als PDF speichern"), [&daten] { return ErgebnisblattAufbauen(daten); },
        QPageLayout::Portrait, QStringLiteral("Bewertung lüftungstechnischer Maßnahmen nach DIN 1946-6"),
        aktuellesProjekt);
}

} // namespace ventoris
