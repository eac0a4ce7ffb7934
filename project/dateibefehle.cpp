// The main window's commands on the project file: "Öffnen" and "Speichern".
#include "app/arbeitsordner.h"
#include "app/tform1.h"
#include "app/zuletztgeoeffnet.h"

#include "project/dateifehler.h"
#include "project/formularsatz.h"
#include "project/massnahmestand.h"
#include "project/projektdatei.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

using namespace ventoris;

namespace {

const QString DateiFilter = QStringLiteral("Datendateien-Ventoris (*.lkz)");

void dialogEinrichten(QFileDialog &dialog)
{
    dialog.setNameFilter(DateiFilter);
    // The commands report a missing file themselves and overwrite without asking.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
}

void alteVersionWarnen(QWidget *parent)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Warnung"),
                    QStringLiteral("Einlesen älterer Dateiversion; Luftdichtheitswert NEU einstellen !"),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("AlteVersionWarnung"));
    box.exec();
}

} // namespace

void TForm1::projektTitelSetzen()
{
    setWindowTitle(QStringLiteral("Ventoris Wohnungslüftung          Aktuelles Projekt:      ") +
                   AktuellesProjekt);
}

void TForm1::ffnen1Click()
{
    QFileDialog dialog(this, QStringLiteral("Projekt öffnen"));
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialogEinrichten(dialog);
    const QString datei = DateiDialogZeigen(dialog, AktuellesProjekt);
    if (!datei.isEmpty()) {
        ProjektOeffnen(datei);
        return;
    }
    projektTitelSetzen();
    Button1Click();
}

void TForm1::ProjektOeffnen(const QString &pfad)
{
    ProjektOeffnen(QFile::encodeName(pfad));
}

void TForm1::ProjektOeffnen(const QByteArray &lokalerPfad)
{
    // The caption and the names show the path as text; a name that is not
    // UTF-8 shows replacement characters there, but its bytes open it.
    const QString pfad = QFile::decodeName(lokalerPfad);
    const SatzLeseErgebnis gelesen = SatzLesen(lokalerPfad);
    if (!gelesen.satz) {
        // A file too short for any layout was opened; it is named current
        // although nothing of it was read.
        if (gelesen.fehler == DateiFehler::ausCode(FehlerDateiende))
            AktuellesProjekt = pfad;
        AllgemeinerFehlerbericht(this, gelesen.fehler);
        return;
    }
    AktuellesProjekt = pfad;
    SatzInFormular(*gelesen.satz, *this);
    MassnahmeStand->Laden(lokalerPfad);
    if (gelesen.satz->layout != SatzLayout::TProjektSatz)
        alteVersionWarnen(this);
    projektTitelSetzen();
    Button1Click();
    // Counts as opened however it was chosen: dialog, list, command line,
    // drop or overview; but a name that its text cannot open again is not
    // offered there.
    if (QFile::encodeName(pfad) == lokalerPfad)
        Zuletzt->Merken(pfad);
}

void TForm1::Speichern1Click()
{
    FormularInSatz(*this, Satz);
    QFileDialog dialog(this, QStringLiteral("Projekt speichern"));
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialogEinrichten(dialog);
    dialog.setDefaultSuffix(QStringLiteral("lkz"));
    const QString datei = DateiDialogZeigen(dialog, AktuellesProjekt, AktuellesProjekt);
    // A cancelled dialog leaves the names and the caption as they are.
    if (datei.isEmpty())
        return;
    GespeicherteDatei = datei;
    setWindowTitle(QFileInfo(GespeicherteDatei).fileName());
    if (const auto fehler = SatzSchreiben(GespeicherteDatei, Satz.Bytes())) {
        AllgemeinerFehlerbericht(this, *fehler);
        return;
    }
    AktuellesProjekt = GespeicherteDatei;
    projektTitelSetzen();
    Zuletzt->Merken(AktuellesProjekt);
    // the balance of the measure beside the unit
    if (const auto fehler = MassnahmeStand->Speichern(GespeicherteDatei))
        AllgemeinerFehlerbericht(this, *fehler);
}
