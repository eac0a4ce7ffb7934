#pragma once

// The project record: one fixed-size block of short strings (a length byte,
// then up to N Windows-1252 bytes) in the current layout of 1160 bytes and the
// two older layouts of 1130 and 1109 bytes that are still read.

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace ventoris {

enum class SatzLayout { TProjektSatz, TProjektSatz1130, TProjektSatz1109 };

// Length of a record in the given layout: 1160, 1130 or 1109 bytes.
int SatzLaenge(SatzLayout layout);

constexpr int SatzFeldAnzahl = 30;

// Place of one field in one layout. kapazitaet is the maximum text length N;
// the field occupies N + 1 bytes from offset on. A field that the layout lacks
// has offset -1 and capacity 0.
struct FeldLage {
    int offset;
    int kapazitaet;
    constexpr bool vorhanden() const { return offset >= 0; }
};

// One field of the record: its number (1..30), the main-window control whose
// text, index, ticks or caption it holds, and its place in each layout
// (indexed by SatzLayout).
struct SatzFeld {
    int nr;
    const char *quelle;
    std::array<FeldLage, 3> lage;
};

// The 30 fields in record order; reading and writing both work from this table.
const std::array<SatzFeld, SatzFeldAnzahl> &SatzFelder();

// Place of field feldNr in the layout; nullopt for a number outside 1..30 or a
// field that the layout lacks (field 26 in TProjektSatz1109).
std::optional<FeldLage> FeldLageIn(SatzLayout layout, int feldNr);

// Fields with a meaning of their own for the copy routines.
enum SatzFeldNr : int {
    FeldDatum = 4,            // written, never read back
    FeldGebaeudetyp = 8,      // the choice texts that a field may cut
    FeldVorgabekategorie = 21,
    FeldFensterloseRaeume = 15,
    FeldWeitereAnforderungen = 16,
    FeldAnforderungsCode = 17,
    FeldIntensivLueftung = 26, // absent from TProjektSatz1109
};

// The record that the program writes. It lives for the whole run: each save
// changes only the length byte and the text bytes of every field, so bytes
// after a shorter text keep whatever a longer text left there.
class TProjektSatz
{
public:
    TProjektSatz();

    // Stores the first N characters of text in field feldNr (N = the field's
    // capacity in the current layout). A character that Windows-1252 cannot
    // hold is stored as "?". A number outside 1..30 is ignored.
    void SetzeText(int feldNr, const QString &text);

    // The 1160 bytes of the record.
    const QByteArray &Bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// A record as read from a file, in whichever layout its length gave.
struct TGelesenerSatz {
    SatzLayout layout = SatzLayout::TProjektSatz;
    QByteArray bytes;

    // Text of field feldNr, decoded from Windows-1252; nullopt if the layout
    // lacks the field. A length byte beyond the capacity (a damaged file) is
    // taken as the capacity, so no byte of the next field is ever read.
    std::optional<QString> Text(int feldNr) const;

    // The text of field feldNr as the window takes it when the file is
    // opened. A choice text that the field cut (building type, field 8;
    // preset category, field 21) fills the field's width and begins exactly
    // one item of its list: it is that whole item. Anything else, and every
    // other field, as Text() gives it.
    std::optional<QString> FormularText(int feldNr) const;
};

// Reads fields 15 to 17 as whole numbers, like the window's year field: the
// leading part [blanks][sign]digits of the text; the empty text, or one that
// does not start with a number ("x", "-"), gives 0, and "2x" gives 2. Values
// beyond the int range are clamped to INT_MIN / INT_MAX.
int SatzGanzzahlLesen(const QString &text);

// Ticks of the four items of CheckListBox1: 0 "nein", 1 "erhöhte
// Schallschutzanforderungen", 2 "erhöhte Anforderungen der Raumluftqualität",
// 3 "erhöhte Energieeffizienz".
using AnforderungsHaken = std::array<bool, 4>;

// The AnforderungsCode 0..7 of the ticks of items 1 to 3; item 0 is not recorded.
int AnforderungsCodeAusHaken(const AnforderungsHaken &haken);

// The ticks that a code read from a file gives: 0 ticks only "nein", 1..7 the
// items of the code, any other value leaves all four unticked.
AnforderungsHaken HakenAusAnforderungsCode(int code);

// The item index of a radio group with the items "ja" (0) and "nein" (1) from
// a value read from a file: below -1 gives -1 (no item), above 1 gives 1.
int RadioIndexBegrenzen(int wert);

} // namespace ventoris
