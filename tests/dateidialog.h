#pragma once

// Answers a Qt file or folder dialog the way its user does, and only as a
// user can: once the dialog is the active window and shows the folder it
// opened in, the folder of the choice (if another one) is typed into the name
// field and entered with Return, and once that folder is shown, the name is
// typed and the accept button pressed. Then it checks that the dialog really
// closed, accepted, with that choice.
//
// Answering any earlier races with the window system: until the dialog is
// activated the keyboard still belongs to the main window, and selectFile()
// changes the name field only while the field has no focus, so whether a
// programmatic answer sticks depends on which comes first.

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <functional>

namespace dateidialog {

inline QString kanonisch(const QString &pfad)
{
    const QFileInfo info(pfad);
    return info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
}

// The entries that the dialog must list for 'ordner': its folders, and its
// files that the chosen type filter lets through.
inline QStringList erwarteteEintraege(const QFileDialog &dialog, const QString &ordner)
{
    QDir dir(ordner);
    QStringList eintraege = dir.entryList(QDir::AllDirs | QDir::NoDotAndDotDot);
    if (!dialog.testOption(QFileDialog::ShowDirsOnly)) {
        QString filter = dialog.selectedNameFilter();
        const qsizetype auf = filter.lastIndexOf(QLatin1Char('(')), zu = filter.lastIndexOf(QLatin1Char(')'));
        if (auf >= 0 && zu > auf)
            filter = filter.mid(auf + 1, zu - auf - 1);
        eintraege += dir.entryList(filter.split(QLatin1Char(' '), Qt::SkipEmptyParts), QDir::Files);
    }
    return eintraege;
}

// Whether the dialog's list shows 'ordner' with all its entries loaded.
inline bool zeigtOrdner(const QFileDialog &dialog, const QString &ordner)
{
    const auto *liste = dialog.findChild<QAbstractItemView *>(QStringLiteral("listView"));
    if (!liste || !liste->model())
        return false;
    const QModelIndex wurzel = liste->rootIndex();
    if (kanonisch(wurzel.data(QFileSystemModel::FilePathRole).toString()) != kanonisch(ordner))
        return false;
    QSet<QString> gezeigt;
    for (int zeile = 0; zeile < liste->model()->rowCount(wurzel); ++zeile)
        gezeigt.insert(liste->model()->index(zeile, 0, wurzel).data(QFileSystemModel::FileNameRole).toString());
    for (const QString &eintrag : erwarteteEintraege(dialog, ordner))
        if (!gezeigt.contains(eintrag))
            return false;
    return true;
}

// Clicks into the name field, replaces its text by typing, and closes the
// completion list that typing opened.
inline void eintippen(QLineEdit *name, const QString &text)
{
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_Delete);
    QTest::keyClicks(name, text);
    if (name->completer() && name->completer()->popup())
        name->completer()->popup()->hide();
}

} // namespace dateidialog

// Chooses 'pfad' (a file, or for a folder dialog a folder) in the open
// dialog. 'vorDemBestaetigen' runs just before the accept button is pressed
// (e.g. to take the folder away meanwhile). Returns what went wrong, or an
// empty text when the dialog closed with exactly that choice (with the
// dialog's default suffix added to a name without one).
inline QString DialogBeantworten(QFileDialog *dialog, const QString &pfad,
                                 const std::function<void()> &vorDemBestaetigen = {})
{
    using namespace dateidialog;
    if (!dialog)
        return QStringLiteral("kein Dateidialog offen");
    // A dialog left open would block the test until its time runs out.
    const auto scheitern = [dialog](const QString &grund) {
        if (dialog->isVisible())
            dialog->reject();
        return grund;
    };
    // (QWindow::isActive() is already true while only the main window is: a
    // dialog counts as active with its parent.)
    if (!QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }, 5000))
        return scheitern(QStringLiteral("Dialog wird nicht aktiv"));
    const QString start = dialog->directory().absolutePath();
    if (!QTest::qWaitFor([&] { return zeigtOrdner(*dialog, start); }, 5000))
        return scheitern(QStringLiteral("Dialog zeigt seinen Ordner nicht: ") + start);
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    auto *knoepfe = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QPushButton *annehmen = knoepfe ? knoepfe->button(dialog->acceptMode() == QFileDialog::AcceptSave
                                                          ? QDialogButtonBox::Save
                                                          : QDialogButtonBox::Open)
                                    : nullptr;
    if (!name || !annehmen)
        return scheitern(QStringLiteral("Namensfeld oder Knopf fehlt"));

    const bool ordnerWahl = dialog->fileMode() == QFileDialog::Directory;
    const QFileInfo ziel(pfad);
    const QString zielOrdner = ordnerWahl ? start : ziel.absolutePath();
    if (kanonisch(zielOrdner) != kanonisch(start)) {
        eintippen(name, zielOrdner);
        QTest::keyClick(name, Qt::Key_Return);
        if (!QTest::qWaitFor([&] { return zeigtOrdner(*dialog, zielOrdner); }, 5000))
            return scheitern(QStringLiteral("Dialog zeigt den Zielordner nicht: ") + zielOrdner);
    }
    eintippen(name, ordnerWahl ? ziel.absoluteFilePath() : ziel.fileName());
    if (vorDemBestaetigen)
        vorDemBestaetigen();
    QTest::mouseClick(annehmen, Qt::LeftButton);

    QString erwartet = ziel.absoluteFilePath();
    if (!ordnerWahl && !dialog->defaultSuffix().isEmpty() && !ziel.fileName().contains(QLatin1Char('.')))
        erwartet += QLatin1Char('.') + dialog->defaultSuffix();
    if (dialog->isVisible() || dialog->result() != QDialog::Accepted)
        return scheitern(QStringLiteral("Dialog nicht mit der Wahl geschlossen; Namensfeld: ") + name->text());
    const QString gewaehlt = dialog->selectedFiles().value(0);
    if (kanonisch(gewaehlt) != kanonisch(erwartet))
        return QStringLiteral("gewählt: %1, erwartet: %2").arg(gewaehlt, erwartet);
    return QString();
}
