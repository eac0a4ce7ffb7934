// Shared declarations of the picture generator: the small drawing helpers used by
// several pictures and the functions that draw each picture.

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>

namespace startbilder {

// ---------------------------------------------------------------------------
// Drawing helpers (zeichenhilfen.cpp)

// Arial with the given pixel size, antialiased.
QFont schrift(double pixel, bool fett = false);
// Device pixels per pixel of the pictures drawn next: 1, or 2 for the "@2x"
// files that screens at 200 % show.
extern double massstab;
// An opaque picture filled with one colour, of the given size in pixels at
// the current massstab.
QImage leeresBild(int breite, int hoehe, QColor grund = Qt::white);
// Switches on antialiasing for shapes, text and scaled pixmaps.
void maler(QPainter &p);
// A straight arrow with a filled head at "nach".
void pfeil(QPainter &p, QPointF von, QPointF nach, QColor farbe, double breite, double spitze);
// Only the head of an arrow, centred on "mitte" and pointing along "richtung".
void pfeilspitze(QPainter &p, QPointF mitte, QPointF richtung, QColor farbe, double spitze);
// A white cloud around "mitte"; "deckung" is its opacity (0-255).
void wolke(QPainter &p, QPointF mitte, double groesse, int deckung = 235);
// A pointed leaf from "basis" in the direction "winkel" (degrees, 0 = to the right,
// counted clockwise on screen).
void blatt(QPainter &p, QPointF basis, double winkel, double laenge, double breite, QColor farbe);

// ---------------------------------------------------------------------------
// Interior, ventilation diagram and house (bilder_gebaeude.cpp)

QImage bildWohnung();          // image5: a bright living room
QImage bildLueftungsschema();  // image3: section of a house with a ventilation system
QImage bildHaus();             // image4: a detached house with sky and garden

// ---------------------------------------------------------------------------
// Emblems and START button (bilder_zeichen.cpp)

QImage bildVerlagslogo();      // image2: emblem of the publishing association
QImage bildStart();            // image7: the START button
QImage bildEntwicklerlogo();   // image1: logo of the rights holder

// ---------------------------------------------------------------------------
// Icons (bild_symbole.cpp), square, with transparency, of any size in pixels

QImage bildSymbol(int groesse = 64);   // the program's icon; 64: the window icon
QImage bildDateisymbol(int groesse);   // the icon of the project files

} // namespace startbilder
