#pragma once

#include "report/blatt.h"
#include "report/blattdaten.h"

#include <QPageLayout>
#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace ventoris {

// One job of the whole document on the printer; a failure reaches the general
// error report.
void BlattDrucken(QWidget *parent, QPrinter &drucker, const TBlatt &blatt);

// The document's pages as printing draws them, in a preview from which the
// user may also print.
void BlattSeitenansicht(QWidget *parent, QPrinter &drucker, const TBlatt &blatt);

// Asks for a file name, starting where the dialogs of the current project
// start (proposing 'vorschlag' where given), and writes the document, built
// only then, into an A4 PDF. A failure leaves no file behind and shows the
// general error report.
void BlattAlsPdfSpeichern(QWidget *parent, const QString &dialogTitel, const std::function<TBlatt()> &aufbauen,
                          QPageLayout::Orientation lage, const QString &dokumentTitel,
                          const QString &aktuellesProjekt, const QString &vorschlag = QString());

// "Druckereinstellung": the page set-up dialog on the program's one printer;
// what the user chooses there stays for the later prints of this run.
void Druckereinstellung(QWidget *parent, QPrinter &drucker);

// "Ergebnis drucken": the print dialog, then one job of both pages on the
// printer chosen there, whatever page range was chosen. A cancelled dialog
// prints nothing.
void ErgebnisDrucken(QWidget *parent, QPrinter &drucker, const TBlattDaten &daten);

// "Seitenansicht": both pages as printing draws them, on the program's
// printer, in a preview from which the user may also print.
void ErgebnisSeitenansicht(QWidget *parent, QPrinter &drucker, const TBlattDaten &daten);

// Asks for a file name, starting where the dialogs of the current project
// start, and writes both pages into an A4 PDF. A failure leaves no file behind
// and shows the general error report.
void ErgebnisAlsPdfSpeichern(QWidget *parent, const TBlattDaten &daten, const QString &aktuellesProjekt);

} // namespace ventoris
