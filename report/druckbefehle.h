#pragma once

#include "report/blattdaten.h"

#include <QString>

class QPrinter;
class QWidget;

namespace ventoris {

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
