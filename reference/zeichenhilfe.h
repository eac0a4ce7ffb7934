#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

// Drawing helpers for the built-in pictures.
namespace ventoris {

// A white 24-bit picture of the given size in device-independent pixels,
// with dpr device pixels to each of them (2 at 200 % scaling).
QImage WeissesBild(int breite, int hoehe, qreal dpr = 1);

// Draws rich text (a few HTML tags such as <b>, <sup>, <sub>, <br>) in Arial
// with the given pixel size into rahmen, wrapped at its width, in the painter's
// pen colour. Text that does not fit is still drawn, but reported with a
// warning and false, so that a cell that is too small is noticed. The height
// the text takes is stored in *hoehe when given.
bool TextZeichnen(QPainter &maler, const QRectF &rahmen, const QString &html,
                  qreal pixel, bool fett = false,
                  Qt::Alignment ausrichtung = Qt::AlignCenter, qreal *hoehe = nullptr);

// A filled cell with a thin grey border and its text.
bool ZelleZeichnen(QPainter &maler, const QRectF &rahmen, const QColor &fuellung,
                   const QString &html, qreal pixel, bool fett = false,
                   Qt::Alignment ausrichtung = Qt::AlignCenter);

// An arrow from von to nach with a filled head.
void PfeilZeichnen(QPainter &maler, const QPointF &von, const QPointF &nach,
                   const QColor &farbe, qreal staerke = 1.6, bool gestrichelt = false);

} // namespace ventoris
