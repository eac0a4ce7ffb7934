#pragma once

#include <QVariant>

// What the program remembers between runs, kept with QSettings under the
// application's organisation and name, i.e. in the user's configuration
// folder. Every call reads the file afresh: a second running program and a
// new program state see what was written last.
namespace ventoris {

// Gives the application its organisation and name unless they are set already.
void ProgrammNamenSetzen();

// The stored value, or an invalid one. A file that is damaged or written by a
// newer version of the program is not read.
QVariant EinstellungLesen(const QString &schluessel);

// Stores the value. A damaged file is replaced, one of a newer version is left
// alone, and a file that cannot be written only means that nothing is kept.
void EinstellungSchreiben(const QString &schluessel, const QVariant &wert);

} // namespace ventoris
