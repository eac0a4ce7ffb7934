#pragma once

#include "building/einheit.h"
#include "report/blatt.h"

#include <QStringList>
#include <QVector>

#include <utility>

namespace ventoris {

// The columns of the printed building overview, as data: which text of a
// unit, its short head, its widest box and its alignment. The columns of the
// engine give the texts; two more are set from them.
enum : int {
    FeldUrteil = SpaltenAnzahl, // the measure in words and, beneath, why
    FeldSaetze,                 // numbers of the verdict sentences listed after the table
    FeldBilanz,                 // the balance of the measure: system, flow to supply, ALDs, exhaust
};

// Texts start at the box's left edge; figures stand on their decimal comma.
enum class TAusrichtung { Links, Komma };

struct TDruckspalte {
    int feld;              // a TSpalte or one of the fields above
    const char *kopf;      // short head, UTF-8
    const char *einheit;   // second line of the head ("m³/h"), or ""
    int hoechstens;        // widest box in 0.1 mm: a longer text wraps
    TAusrichtung ausrichtung;
    bool inDenKopf;        // printed once in the page head where every unit has the same text
    bool kuerzbar;         // a descriptive text whose words may end in "…" where the page is too narrow
    const char *legende;   // what the footer says the head means, or ""
};

// A column as it is printed, its box from the left margin in 0.1 mm.
struct TGesetzteSpalte {
    const TDruckspalte *art = nullptr;
    int links = 0;
    int breite = 0;
    qreal komma = 0; // Komma columns: where the decimal comma stands, from 'links'
};

// A cell holds at most so many lines; more end in "…".
constexpr int HoechstZeilen = 3;
// Width of the mark of a unit that needs a measure, and the gap after it.
constexpr int MarkeBreite = 20, MarkeAbstand = 12;

// The table of one printing: the columns that differ between the units,
// sized to their texts across 'breite', and the texts that every unit shares.
class TDruckTabelle
{
public:
    TDruckTabelle(const QVector<TEinheit> &einheiten, const TEinheit &summe, int breite);

    QVector<TGesetzteSpalte> spalten;
    // the table's fonts, the pitch of its lines and its cells' margin in
    // 0.1 mm: compact ones where the columns would not fit the page otherwise
    TSchrift schrift = TSchrift::Tabelle;
    TSchrift fett = TSchrift::TabelleFett;
    int zeile = 34;
    int rand = 10; // between a cell's edge and its text
    // "Strasse, Nr." and the street, for each column that went to the page head
    QVector<std::pair<QString, QString>> gemeinsam;
    // the verdict sentences in the order in which the units first use them
    QStringList saetze;

    // A cell's text; lines break at '\n'.
    QString Text(const TEinheit &e, const TGesetzteSpalte &s, bool summe) const;
    // The footer's explanation of the short heads shown.
    QStringList Legende() const;

private:
    QString saetzeText(const TEinheit &e) const;
    void auslegen(const QVector<TEinheit> &einheiten, const TEinheit &summe, int breite);
};

// Whether a unit's row carries the mark of a needed measure.
bool Markiert(const TEinheit &e);

} // namespace ventoris
