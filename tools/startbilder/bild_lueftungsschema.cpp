// Image3: section of a house with a ventilation system and heat recovery.

#include "startbilder.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRectF>
#include <QRegion>
#include <QString>

#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace startbilder {

// ---------------------------------------------------------------------------
// Image3: section of a house with a ventilation system and heat recovery.

QImage bildLueftungsschema()
{
    const int W = 272, H = 220;
    QImage bild = leeresBild(W, H);
    QPainter p(&bild);
    maler(p);

    const QColor aussenluft("#2E9B47");
    const QColor zuluft("#2F78C8");
    const QColor abluft("#E09A14");
    const QColor fortluft("#8B5A2B");
    const QColor bauteil("#8C96A1");
    const double gelaende = 194;

    // Outside: a faint sky and the ground
    QLinearGradient himmel(0, 0, 0, gelaende);
    himmel.setColorAt(0.0, QColor("#EAF3FB"));
    himmel.setColorAt(1.0, QColor("#FAFCFE"));
    p.fillRect(QRectF(0, 0, W, gelaende), himmel);
    p.fillRect(QRectF(0, gelaende, W, H - gelaende), QColor("#EEEBE4"));
    p.fillRect(QRectF(0, gelaende, W, 2), QColor("#7A8B57"));

    // The building: roof, ceilings, outer and inner walls
    const double links = 46, rechts = 226, first = 30, traufe = 96;
    const double dachX = 136;
    auto dachHoehe = [&](double x) {
        return first + std::abs(x - dachX) * (traufe - first) / (dachX - links + 12);
    };
    QPolygonF dachraum;
    dachraum << QPointF(links, traufe - 4) << QPointF(links, dachHoehe(links))
             << QPointF(dachX, first) << QPointF(rechts, dachHoehe(rechts))
             << QPointF(rechts, traufe - 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#F7F4EE"));
    p.drawPolygon(dachraum);
    p.fillRect(QRectF(links, traufe, rechts - links, gelaende - traufe), Qt::white);

    p.setPen(QPen(QColor("#A8492F"), 6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    QPolygonF dach;
    dach << QPointF(links - 12, traufe + 1) << QPointF(dachX, first) << QPointF(rechts + 12, traufe + 1);
    p.drawPolyline(dach);

    p.setPen(Qt::NoPen);
    p.setBrush(bauteil);
    p.drawRect(QRectF(links, traufe - 4, rechts - links, 4));          // top ceiling
    p.drawRect(QRectF(links, 142, rechts - links, 4));                 // storey ceiling
    p.drawRect(QRectF(links, traufe - 4, 5, gelaende - traufe + 4));   // outer walls
    p.drawRect(QRectF(rechts - 5, traufe - 4, 5, gelaende - traufe + 4));
    p.drawRect(QRectF(134, traufe, 4, 34));                            // inner walls, with
    p.drawRect(QRectF(134, 146, 4, 38));                               // a gap for overflow air
    p.drawRect(QRectF(links - 6, gelaende, rechts - links + 12, 4));   // floor slab

    // Windows in the outer walls
    p.setBrush(QColor("#BFE2F5"));
    for (double y : {108.0, 158.0}) {
        p.drawRect(QRectF(links, y, 5, 20));
        p.drawRect(QRectF(rechts - 5, y, 5, 20));
    }

    // Room names
    p.setFont(schrift(9));
    p.setPen(QColor("#6B7580"));
    p.drawText(QRectF(links + 5, 126, 83, 14), Qt::AlignCenter, QStringLiteral("Schlafen"));
    p.drawText(QRectF(138, 126, 83, 14), Qt::AlignCenter, QStringLiteral("Bad"));
    p.drawText(QRectF(links + 5, 178, 83, 14), Qt::AlignCenter, QStringLiteral("Wohnen"));
    p.drawText(QRectF(138, 178, 83, 14), Qt::AlignCenter, QStringLiteral("Küche"));

    // Overflow of the air from the living rooms to the wet rooms
    QPen ueberstroemung(QColor("#98A3AE"), 1.2, Qt::DashLine, Qt::FlatCap);
    ueberstroemung.setDashPattern({3, 2});
    for (double y : {136.5, 187.5}) {
        p.setPen(ueberstroemung);
        p.drawLine(QPointF(114, y), QPointF(154, y));
        pfeilspitze(p, QPointF(157, y), QPointF(1, 0), QColor("#98A3AE"), 6);
    }

    // Ducts
    auto kanal = [&p](const QPolygonF &verlauf, QColor farbe) {
        p.setPen(QPen(farbe, 3.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(verlauf);
    };
    // Outdoor air through the roof to the unit
    kanal(QPolygonF({QPointF(92, 16), QPointF(92, 72), QPointF(112, 72)}), aussenluft);
    pfeilspitze(p, QPointF(92, 36), QPointF(0, 1), aussenluft, 9);
    // Exhaust air from the unit out through the roof
    kanal(QPolygonF({QPointF(160, 72), QPointF(180, 72), QPointF(180, 16)}), fortluft);
    pfeilspitze(p, QPointF(180, 36), QPointF(0, -1), fortluft, 9);
    // Cowls on the roof
    p.setPen(QPen(QColor("#56606B"), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(85, 14), QPointF(99, 14));
    p.drawLine(QPointF(173, 14), QPointF(187, 14));
    // Supply air to the living rooms
    kanal(QPolygonF({QPointF(112, 83), QPointF(60, 83), QPointF(60, 152), QPointF(66, 152)}), zuluft);
    kanal(QPolygonF({QPointF(84, 83), QPointF(84, 100)}), zuluft);
    pfeil(p, QPointF(84, 99), QPointF(84, 110), zuluft, 2, 7);
    pfeil(p, QPointF(65, 152), QPointF(78, 152), zuluft, 2, 7);
    pfeilspitze(p, QPointF(72, 83), QPointF(-1, 0), zuluft, 7);
    pfeilspitze(p, QPointF(60, 120), QPointF(0, 1), zuluft, 7);
    // Extract air from the wet rooms
    kanal(QPolygonF({QPointF(206, 152), QPointF(212, 152), QPointF(212, 83), QPointF(160, 83)}), abluft);
    kanal(QPolygonF({QPointF(190, 100), QPointF(190, 83)}), abluft);
    pfeil(p, QPointF(190, 112), QPointF(190, 101), abluft, 2, 7);
    pfeil(p, QPointF(194, 152), QPointF(207, 152), abluft, 2, 7);
    pfeilspitze(p, QPointF(200, 83), QPointF(-1, 0), abluft, 7);
    pfeilspitze(p, QPointF(212, 120), QPointF(0, -1), abluft, 7);

    // The ventilation unit with fan and heat exchanger
    const QRectF geraet(112, 64, 48, 26);
    p.setPen(QPen(QColor("#46515C"), 1.4));
    QLinearGradient gehaeuse(0, geraet.top(), 0, geraet.bottom());
    gehaeuse.setColorAt(0.0, QColor("#FFFFFF"));
    gehaeuse.setColorAt(1.0, QColor("#DDE3E9"));
    p.setBrush(gehaeuse);
    p.drawRoundedRect(geraet, 3, 3);
    const QPointF luefter(125, 77);
    p.setBrush(Qt::white);
    p.drawEllipse(luefter, 7.5, 7.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#46515C"));
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(luefter);
        p.rotate(i * 120.0);
        QPainterPath fluegel;
        fluegel.moveTo(0, 0);
        fluegel.cubicTo(2, -2, 6, -3, 6, -0.5);
        fluegel.cubicTo(4, 1, 2, 1, 0, 0);
        p.drawPath(fluegel);
        p.restore();
    }
    p.drawEllipse(luefter, 1.5, 1.5);
    const QRectF waermetauscher(140, 70, 14, 14);
    p.setPen(QPen(QColor("#46515C"), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(waermetauscher);
    p.drawLine(waermetauscher.topLeft(), waermetauscher.bottomRight());
    p.drawLine(waermetauscher.topRight(), waermetauscher.bottomLeft());

    p.setFont(schrift(9, true));
    p.setPen(QColor("#46515C"));
    p.drawText(QRectF(96, 50, 80, 12), Qt::AlignCenter, QStringLiteral("Lüftungsgerät"));

    // Legend
    const std::vector<std::pair<QString, QColor>> legende = {
        {QStringLiteral("Außenluft"), aussenluft},
        {QStringLiteral("Zuluft"), zuluft},
        {QStringLiteral("Abluft"), abluft},
        {QStringLiteral("Fortluft"), fortluft},
    };
    // The four entries share the width evenly: equal gaps between them.
    const QFont fLegende = schrift(9);
    const QFontMetricsF mLegende(fLegende);
    const double muster = 12, abstandText = 4;
    double belegt = 0;
    for (const auto &eintrag : legende)
        belegt += muster + abstandText + mLegende.horizontalAdvance(eintrag.first);
    const double rand = 8;
    const double luecke = (W - 2 * rand - belegt) / (legende.size() - 1);
    double x = rand;
    p.setFont(fLegende);
    for (const auto &[text, farbe] : legende) {
        p.setPen(QPen(farbe, 3.2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x, 208.5), QPointF(x + muster, 208.5));
        const double b = mLegende.horizontalAdvance(text);
        p.setPen(QColor("#3C4650"));
        p.drawText(QRectF(x + muster + abstandText, 202, b + 2, 13), Qt::AlignLeft | Qt::AlignVCenter, text);
        x += muster + abstandText + b + luecke;
    }

    p.end();
    return bild;
}

} // namespace startbilder
