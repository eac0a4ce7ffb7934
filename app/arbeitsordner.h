#pragma once

#include <QString>

class QFileDialog;

// The folder where a file or folder dialog starts: the folder of the current project file if
// there is one (aktuellesProjekt non-empty), else the folder the user chose last in any
// dialog (remembered across runs), else the user's home folder.
QString DialogStartordner(const QString &aktuellesProjekt);
// Remembers the folder that the user chose in a dialog (for a chosen file pass its folder).
void DialogOrdnerMerken(const QString &ordner);

// Shows the file dialog modally in DialogStartordner(aktuellesProjekt), with
// the proposed file selected if one is given, and remembers the folder of the
// file that the user chooses. Returns that file, or an empty text when the
// user cancels.
QString DateiDialogZeigen(QFileDialog &dialog, const QString &aktuellesProjekt,
                          const QString &vorschlag = QString());
