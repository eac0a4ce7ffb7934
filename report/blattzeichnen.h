#pragma once

#include "report/blatt.h"

#include <functional>

class QFont;
class QPainter;
class QPagedPaintDevice;
class QPaintDevice;

namespace ventoris {

// Font of a setting for a device of the given vertical resolution: "Arial",
// sized so that its character cell (ascent + descent) is the setting's height.
// 'oberlaenge' receives the ascent in device pixels, the distance from the
// cell's top to the baseline.
QFont BlattSchrift(TSchrift schrift, QPaintDevice *geraet, qreal *oberlaenge = nullptr);

// Width of a text in a setting, in 0.1 mm, whatever the device.
qreal BlattTextBreite(TSchrift schrift, const QString &text);

// Draws all pages onto an active painter. The painter's origin must be the
// top-left corner of the printable area; 'neueSeite' is called between pages
// and returns false when the device could not start one.
bool BlattZeichnen(const TBlatt &blatt, QPainter &maler, const std::function<bool()> &neueSeite);

// Begins a painter on a printer or PDF writer, draws all pages and ends it.
// On a failure after the job was begun, a printer's job is aborted before the
// painter ends, so the printing system is free for the next job.
bool BlattZeichnen(const TBlatt &blatt, QPagedPaintDevice &geraet);

} // namespace ventoris
