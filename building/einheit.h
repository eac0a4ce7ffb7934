#pragma once

// One dwelling unit of a building overview: a project file read with the
// program's own reader and shown as the main window would show it after
// opening the file and recalculating its stored inputs once.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

namespace ventoris {

struct SatzLeseErgebnis;

// The overview's columns, in their order.
enum TSpalte : int {
    SpalteDatei,
    SpalteObjekt,
    SpalteStrasse,
    SpalteOrt,
    SpalteDatum,
    SpalteBearbeiter,
    SpalteGebaeudetyp,
    SpalteGebaeudelage,
    SpalteFlaeche,
    SpalteN50,
    SpalteDruckexponent,
    SpalteQualitaet,
    SpalteFeuchteschutz,
    SpalteReduziert,
    SpalteNennlueftung,
    SpalteIntensiv,
    SpalteInfiltration,
    SpalteMassnahme,
    SpalteErgebnis1,
    SpalteErgebnis2,
    SpalteErgebnis3,
    SpalteHinweis,
    // the balance of the measure, from the unit's sidecar file
    SpalteSystem,
    SpalteZuDecken,
    SpalteAldAnzahl,
    SpalteAbluftSumme,
    SpaltenAnzahl
};

// The column headers, in column order.
const QStringList &SpaltenKoepfe();
// Whether a column holds numbers (sorted as numbers, summed in the total).
bool IstZahlenspalte(int spalte);

// What the first verdict line means for the unit.
enum class TMassnahme { Keine, Erforderlich, NichtErforderlich, Abluft };

struct TEinheit {
    QByteArray pfad; // in the file system's own bytes; empty for the total
    std::array<QString, SpaltenAnzahl> text;
    bool gelesen = false; // false: only the file name and the note are filled
    TMassnahme massnahme = TMassnahme::Keine;
};

// The words of the measure column for a verdict.
QString MassnahmeText(TMassnahme m);
// Why, in a few words, for a unit's verdict: which comparison or question of
// the assessment gave it; empty where the unit has no verdict.
QString MassnahmeGrund(const TEinheit &e);

// Reads one project file. 'lokalerPfad' is the path in the file system's own
// bytes, 'name' the file name as shown.
TEinheit EinheitLesen(const QByteArray &lokalerPfad, const QString &name);

// The note on a file longer than the record read from it ("1048576 Bytes, nur
// die ersten 1160 gelesen"); empty for any other reading. The command line
// warns with it too.
QString LaengenHinweis(const SatzLeseErgebnis &gelesen);

} // namespace ventoris
