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

// Draws both pages onto the printer in one job; a failure reaches the general
// error report.
void blattDrucken(QWidget *parent, QPrinter &drucker, const TBlattDaten &daten)
{
    int fehler = 0;
    try {
        TWarteCursor warten;
        if (!BlattZeichnen(ErgebnisblattAufbauen(daten), drucker))
            fehler = EIO;
    } catch (const std::bad_alloc &) {
        fehler = ENOMEM;
    }
    if (fehler != 0)
        AllgemeinerFehlerbericht(parent, DateiFehler::ausErrno(fehler));
}

} // namespace

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
    blattDrucken(parent, drucker, daten);
}

void ErgebnisSeitenansicht(QWidget *parent, QPrinter &drucker, const TBlattDaten &daten)
{
    QPrintPreviewDialog dialog(&drucker, parent);
    dialog.setObjectName(QStringLiteral("Seitenansicht"));
    dialog.setWindowTitle(QStringLiteral("Seitenansicht"));
    if (parent)
        dialog.resize(parent->window()->size());
    // The preview asks for the pages again after a change of its page set-up,
    // and once more when the user prints from it.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter *geraet) { blattDrucken(&dialog, *geraet, daten); });
    dialog.exec();
}

void ErgebnisAlsPdfSpeichern(QWidget *parent, const TBlattDaten &daten, const QString &aktuellesProjekt)
{
    QFileDialog dialog(parent, QStringLiteral("Ergebnis als PDF speichern"));
    dialog.setObjectName(QStringLiteral("PdfSpeichernDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF-Dokument (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QString pfad = DateiDialogZeigen(dialog, aktuellesProjekt);
    if (pfad.isEmpty())
        return;

    int fehler = 0;
    try {
        TWarteCursor warten;
        fehler = ErgebnisPdfSchreiben(ErgebnisblattAufbauen(daten), pfad);
    } catch (const std::bad_alloc &) {
        fehler = ENOMEM;
    }
    if (fehler != 0)
        AllgemeinerFehlerbericht(parent, DateiFehler::ausErrno(fehler));
}

} // namespace ventoris
