// The program's icon (a house with a stream of air through it) and the icon of
// its project files (a sheet that carries the program's icon). Both are drawn
// in a frame of 64 × 64 units and scaled to the size asked for, so that every
// size comes from the same drawing.

#include "startbilder.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>

#include <algorithm>

namespace startbilder {

namespace {

constexpr double Rahmen = 64.0;

void symbolZeichnen(QPainter &p)
{
    QLinearGradient grund(0, 2, 0, 62);
    grund.setColorAt(0.0, QColor("#3A93D8"));
    grund.setColorAt(1.0, QColor("#1B4F8A"));
    p.setPen(Qt::NoPen);
    p.setBrush(grund);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    QPainterPath haus;
    haus.moveTo(32, 11);
    haus.lineTo(54, 31);
    haus.lineTo(48, 31);
    haus.lineTo(48, 52);
    haus.lineTo(16, 52);
    haus.lineTo(16, 31);
    haus.lineTo(10, 31);
    haus.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(haus);

    // Curved arrow of fresh air inside the house
    QPainterPath luft;
    luft.moveTo(20, 45);
    luft.cubicTo(26, 45, 28, 36, 34, 36);
    luft.lineTo(37, 36);
    p.setPen(QPen(QColor("#1F7FC4"), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(luft);
    QPolygonF spitze;
    spitze << QPointF(45, 36) << QPointF(36, 29.5) << QPointF(36, 42.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#1F7FC4"));
    p.drawPolygon(spitze);
}

// A sheet with a folded corner, the program's icon on it.
void dateisymbolZeichnen(QPainter &p)
{
    const double links = 10, rechts = 54, oben = 3, unten = 61, ecke = 14;
    QPainterPath blatt;
    blatt.moveTo(links, oben);
    blatt.lineTo(rechts - ecke, oben);
    blatt.lineTo(rechts, oben + ecke);
    blatt.lineTo(rechts, unten);
    blatt.lineTo(links, unten);
    blatt.closeSubpath();
    // The sheet's edge stays at least one pixel wide in the small sizes.
    const double pixel = 1.0 / p.transform().m11();
    p.setPen(QPen(QColor("#7B8794"), std::max(1.5, pixel), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor("#FBFCFD"));
    p.drawPath(blatt);

    QPolygonF falte;
    falte << QPointF(rechts - ecke, oben) << QPointF(rechts - ecke, oben + ecke) << QPointF(rechts, oben + ecke);
    p.setBrush(QColor("#D5DBE1"));
    p.drawPolygon(falte);

    p.save();
    p.translate(15, 25);
    p.scale(34 / Rahmen, 34 / Rahmen);
    symbolZeichnen(p);
    p.restore();
}

QImage gezeichnet(int groesse, void (*zeichnen)(QPainter &))
{
    QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    maler(p);
    p.scale(groesse / Rahmen, groesse / Rahmen);
    zeichnen(p);
    p.end();
    return bild;
}

} // namespace

QImage bildSymbol(int groesse)
{
    return gezeichnet(groesse, symbolZeichnen);
}

QImage bildDateisymbol(int groesse)
{
    return gezeichnet(groesse, dateisymbolZeichnen);
}

} // namespace startbilder
