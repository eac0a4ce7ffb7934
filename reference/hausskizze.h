#pragma once

#include <QRectF>

class QPainter;

namespace ventoris {

// The ventilation systems of the overview, in the order of its columns.
enum class TLueftungssystem {
    QuerlueftungFeuchteschutz,
    Querlueftung,
    Schachtlueftung,
    Abluftsystem,
    Zuluftsystem,
    ZuUndAbluftsystem,
};

// A small house in section with the air paths of the system: blue arrows for
// outdoor and supply air, red arrows for extract and exhaust air.
void HausskizzeZeichnen(QPainter &maler, const QRectF &rahmen, TLueftungssystem system);

} // namespace ventoris
