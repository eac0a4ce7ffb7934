#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QPlainTextEdit;
class QWidget;

// Helpers shared by the secondary windows. Every secondary window is created
// hidden at start-up, is a top-level window of its own beside the main window
// (never modal) and is only shown and hidden until the program ends.
namespace ventoris {

// Name, caption and designed size; the Qt::Window flag keeps the window a
// separate top-level window even with the main window as parent.
void FensterEinrichten(QWidget *fenster, const char *name, const QString &titel,
                       int breite, int hoehe);

// Shows the window, or brings it to the front when it is already visible.
void FensterOeffnen(QWidget *fenster);

// A multi-line text box as the windows use it: wraps at its width, has no
// scroll bars, accepts typing. Each entry of zeilen becomes one line.
QPlainTextEdit *TextfeldAnlegen(QWidget *eltern, const QRect &lage,
                                const QStringList &zeilen);

} // namespace ventoris
