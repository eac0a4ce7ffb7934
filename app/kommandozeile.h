#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class TForm1;

// What the command line asks of one run: at most one project file to open at
// start, a text to print instead of a window, or work without a window.
struct TAufruf {
    // Without a window: result sheets as PDF, or a building overview.
    enum class Stapel { Keiner, Pdf, Uebersicht };
    Stapel stapel = Stapel::Keiner;
    // Names in the file system's own bytes, exactly as given (they need not
    // be UTF-8). --pdf: the project files; --uebersicht: the folder
    QList<QByteArray> eingaben;
    // --ausgabe: the folder of the PDFs, or the overview's file
    QByteArray ziel;

    // The project file as an absolute path, as the open dialog returns one;
    // empty when none was given.
    QByteArray datei;
    // Set when the run ends without a window: the text and the exit status
    // (0: the text goes to standard output, otherwise to standard error).
    bool beenden = false;
    int status = 0;
    QString ausgabe;
};

// Reads the arguments (the program's name first), each as RohnameText made it
// of its bytes, so that no name loses any. Needs no application object, so
// --version and --help work without a display.
TAufruf AufrufLesen(const QStringList &argumente);

// Prints the text of a run that ends without a window; returns its exit status,
// or 1 with a German line on standard error when the text could not be written.
int AufrufBeenden(const TAufruf &aufruf);

// Opens the file of the command line as "Öffnen" does, once the event loop
// runs, so that its messages stand over the shown main window.
void AufrufDateiOeffnen(TForm1 &hauptfenster, const TAufruf &aufruf);
