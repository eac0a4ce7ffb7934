#pragma once

#include <QImage>

class QPainter;
class QRectF;

// The built-in pictures, drawn by the program itself as 24-bit RGB pictures.
// Each routine draws anew; the windows call them only when a picture is first
// needed. The sizes are in device-independent pixels; dpr draws the picture
// with that many device pixels to each (2 for a sharp picture at 200 %).
namespace ventoris {

// "Auswahl eines Lüftungssystems", 947 × 670: the overview of ventilation systems.
QImage Uebersichtsbild(qreal dpr = 1);

// Preset design air-change rates n50 after table 9 of DIN 1946-6, 545 × 471.
QImage Vorgabewertetabelle(qreal dpr = 1);

// The developer's logo, 250 × 100.
QImage Entwicklerlogo(qreal dpr = 1);

// The built-in company logo, 600 × 150: the publisher's emblem and name at the
// left, "Ventoris" and "Lüftungskonzept" centred to the right, on white.
QImage Standardfirmenlogo(qreal dpr = 1);

// The publisher's round emblem, fitted into the square rahmen.
void VerlagsemblemZeichnen(QPainter &maler, const QRectF &rahmen);

} // namespace ventoris
