#pragma once

#include <QImage>
#include <QString>
#include <QVector>

namespace ventoris {

// The printed document as plain data: every text and picture with its page
// and its place in 0.1 mm, measured from the top-left corner of the printable
// area (x to the right, y downwards). Building it needs no printer, so the
// layout can be checked without one; BlattZeichnen turns it into pages.

// The font settings of the documents; all are "Arial", black. The result
// sheet uses the first four; the building overview also the table's, and the
// compact table's where the table would not fit the page otherwise.
enum class TSchrift { Titel, Abschnitt, Text, Fusszeile, Tabelle, TabelleFett, Eng, EngFett };

// Character cell height (ascent + descent) of a setting, in 0.1 mm.
int ZellenHoehe(TSchrift schrift);
bool IstFett(TSchrift schrift);

// One line of text; (links, oben) is the top-left corner of its character cell.
// A line break inside the text is printed as a blank, so that words never run
// together; layouts that want a new line give each line a text of its own.
struct TBlattText {
    int seite = 1;
    int links = 0;
    int oben = 0;
    TSchrift schrift = TSchrift::Text;
    QString text;
};

// A picture stretched, without keeping its aspect ratio, into a box.
struct TBlattBild {
    int seite = 1;
    int links = 0;
    int oben = 0;
    int rechts = 0;
    int unten = 0;
    QImage bild;
};

// A straight line, 0.2 mm wide.
struct TBlattLinie {
    int seite = 1;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// How a rectangle is filled; all read in black and white.
enum class TFuellung {
    Schwarz,     // solid black
    Hellgrau,    // a light grey, without an edge (bands, grid lines)
    Schraffiert, // white, hatched with diagonal lines inside a black edge
};

// A rectangle between its edges.
struct TBlattFlaeche {
    int seite = 1;
    int links = 0;
    int oben = 0;
    int rechts = 0;
    int unten = 0;
    TFuellung fuellung = TFuellung::Schwarz;
};

struct TBlatt {
    // every page is printed, even one that carries nothing
    int seiten = 0;
    // drawn first, in their order, so that lines and texts stand on them
    QVector<TBlattFlaeche> flaechen;
    QVector<TBlattText> texte;
    QVector<TBlattBild> bilder;
    QVector<TBlattLinie> linien;
};

} // namespace ventoris
