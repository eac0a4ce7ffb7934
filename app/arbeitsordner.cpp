#include "app/arbeitsordner.h"

#include "app/einstellungen.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

const QString OrdnerSchluessel = QStringLiteral("Dialoge/Ordner");

// A folder that a dialog can show: named in full and still there.
bool vorhanden(const QString &ordner)
{
    return !ordner.isEmpty() && QDir::isAbsolutePath(ordner) && QFileInfo(ordner).isDir();
}

} // namespace

QString DialogStartordner(const QString &aktuellesProjekt)
{
    // Never the process's working directory: started from a menu, that is "/"
    // or the home folder, and says nothing about where the user works.
    if (!aktuellesProjekt.isEmpty()) {
        const QString ordner = QFileInfo(aktuellesProjekt).absolutePath();
        if (vorhanden(ordner))
            return ordner;
    }
    const QString gemerkt = ventoris::EinstellungLesen(OrdnerSchluessel).toString();
    if (vorhanden(gemerkt))
        return QDir::cleanPath(gemerkt);
    return QDir::homePath();
}

void DialogOrdnerMerken(const QString &ordner)
{
    if (vorhanden(ordner))
        ventoris::EinstellungSchreiben(OrdnerSchluessel, QDir::cleanPath(ordner));
}

QString DateiDialogZeigen(QFileDialog &dialog, const QString &aktuellesProjekt, const QString &vorschlag)
{
    dialog.setDirectory(DialogStartordner(aktuellesProjekt));
    if (!vorschlag.isEmpty())
        dialog.selectFile(vorschlag);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString datei = dialog.selectedFiles().constFirst();
    DialogOrdnerMerken(QFileInfo(datei).absolutePath());
    return datei;
}
