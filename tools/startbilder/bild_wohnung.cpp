// Image5: a bright living room.

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
// Image5: a bright living room.

QImage bildWohnung()
{
    const int W = 272, H = 220;
    QImage bild = leeresBild(W, H);
    QPainter p(&bild);
    maler(p);

    const double boden = 156;

    // Wall
    QLinearGradient wand(0, 0, 0, boden);
    wand.setColorAt(0.0, QColor("#F7F2E9"));
    wand.setColorAt(1.0, QColor("#ECE2D1"));
    p.fillRect(QRectF(0, 0, W, boden), wand);

    // Wooden floor in perspective
    QLinearGradient parkett(0, boden, 0, H);
    parkett.setColorAt(0.0, QColor("#D9B990"));
    parkett.setColorAt(1.0, QColor("#BC9062"));
    p.fillRect(QRectF(0, boden, W, H - boden), parkett);
    const QPointF flucht(136, 30);
    p.setPen(QPen(QColor(150, 105, 62, 90), 1.0));
    for (int i = -14; i <= 14; ++i) {
        const double xOben = 136 + i * 19.0;
        const double xUnten = flucht.x() + (xOben - flucht.x()) * (H - flucht.y()) / (boden - flucht.y());
        p.drawLine(QPointF(xOben, boden), QPointF(xUnten, H));
    }
    p.setPen(QPen(QColor(150, 105, 62, 45), 1.0));
    for (double y : {163.0, 173.0, 187.0, 205.0})
        p.drawLine(QPointF(0, y), QPointF(W, y));

    // Skirting board
    p.fillRect(QRectF(0, boden - 5, W, 5), QColor("#FBF8F3"));
    p.fillRect(QRectF(0, boden, W, 1), QColor("#CDBFA8"));

    // Sunlight falling through the window onto the floor
    QPolygonF licht;
    licht << QPointF(34, boden) << QPointF(118, boden) << QPointF(168, H) << QPointF(48, H);
    QLinearGradient lichtVerlauf(0, boden, 0, H);
    lichtVerlauf.setColorAt(0.0, QColor(255, 250, 225, 95));
    lichtVerlauf.setColorAt(1.0, QColor(255, 250, 225, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(lichtVerlauf);
    p.drawPolygon(licht);

    // Window
    const QRectF rahmen(24, 20, 100, 120);
    const QRectF glas = rahmen.adjusted(6, 6, -6, -6);
    p.fillRect(rahmen.adjusted(-1, -1, 1, 1), QColor("#D9CEBB"));
    p.fillRect(rahmen, QColor("#FFFFFF"));
    p.save();
    p.setClipRect(glas);
    QLinearGradient himmel(0, glas.top(), 0, glas.bottom());
    himmel.setColorAt(0.0, QColor("#7DBDEB"));
    himmel.setColorAt(1.0, QColor("#DDF0FA"));
    p.fillRect(glas, himmel);
    wolke(p, QPointF(56, 44), 11);
    wolke(p, QPointF(100, 62), 8, 210);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#9CCB78"));
    p.drawEllipse(QPointF(40, 118), 22, 16);
    p.setBrush(QColor("#86BA62"));
    p.drawEllipse(QPointF(70, 122), 20, 13);
    p.setBrush(QColor("#78AE56"));
    p.drawEllipse(QPointF(104, 114), 18, 19);
    p.fillRect(QRectF(glas.left(), 124, glas.width(), 12), QColor("#A9D38A"));
    // Reflection on the panes
    p.setBrush(QColor(255, 255, 255, 45));
    QPolygonF glanz;
    glanz << QPointF(30, 70) << QPointF(62, 26) << QPointF(76, 26) << QPointF(30, 90);
    p.drawPolygon(glanz);
    p.restore();
    p.fillRect(QRectF(rahmen.center().x() - 2, glas.top(), 4, glas.height()), Qt::white);
    p.fillRect(QRectF(glas.left(), 76, glas.width(), 4), Qt::white);
    p.setPen(QPen(QColor(0, 0, 0, 28), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(glas);
    // Window sill
    p.fillRect(QRectF(18, 140, 112, 5), QColor("#FFFFFF"));
    p.fillRect(QRectF(18, 145, 112, 2), QColor(0, 0, 0, 30));

    // Curtains and rod
    auto vorhang = [&p](double links, double breite) {
        QPainterPath stoff;
        stoff.moveTo(links, 14);
        stoff.lineTo(links + breite, 14);
        stoff.cubicTo(links + breite - 4, 70, links + breite + 3, 110, links + breite - 2, 150);
        stoff.lineTo(links + 2, 150);
        stoff.cubicTo(links - 1, 110, links + 3, 70, links, 14);
        QLinearGradient falten(links, 0, links + breite, 0);
        for (int i = 0; i <= 6; ++i)
            falten.setColorAt(i / 6.0, (i % 2) ? QColor("#E4D5BB") : QColor("#F3E9D8"));
        p.setPen(Qt::NoPen);
        p.setBrush(falten);
        p.drawPath(stoff);
    };
    vorhang(8, 22);
    vorhang(118, 22);
    p.setPen(QPen(QColor("#7D6D5A"), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 13), QPointF(144, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#7D6D5A"));
    p.drawEllipse(QPointF(4, 13), 2.6, 2.6);
    p.drawEllipse(QPointF(144, 13), 2.6, 2.6);

    // Framed picture above the sofa
    const QRectF gemaelde(178, 34, 62, 44);
    p.fillRect(gemaelde.translated(1.5, 2), QColor(0, 0, 0, 30));
    p.fillRect(gemaelde, QColor("#5E4B3A"));
    const QRectF passepartout = gemaelde.adjusted(3, 3, -3, -3);
    p.fillRect(passepartout, QColor("#FBFAF6"));
    const QRectF motiv = passepartout.adjusted(5, 5, -5, -5);
    p.save();
    p.setClipRect(motiv);
    p.fillRect(motiv, QColor("#F2E6CF"));
    p.setBrush(QColor("#E8A84A"));
    p.drawEllipse(QPointF(motiv.left() + 33, motiv.top() + 8), 6, 6);
    QPainterPath huegel;
    huegel.moveTo(motiv.left(), motiv.bottom());
    huegel.cubicTo(motiv.left() + 14, motiv.top() + 6, motiv.left() + 24, motiv.top() + 12,
                   motiv.left() + 40, motiv.bottom() - 6);
    huegel.lineTo(motiv.right(), motiv.bottom());
    huegel.closeSubpath();
    p.setBrush(QColor("#3E8E86"));
    p.drawPath(huegel);
    p.setBrush(QColor("#2E6F69"));
    p.drawEllipse(QPointF(motiv.right() - 4, motiv.bottom() + 2), 16, 9);
    p.restore();

    // Rug, with the shadow of the sofa
    p.setBrush(QColor(0, 0, 0, 38));
    p.drawEllipse(QPointF(206, 168), 66, 5);
    p.setPen(QPen(QColor("#CDB996"), 2));
    p.setBrush(QColor("#EADFCB"));
    p.drawEllipse(QPointF(196, 196), 72, 17);
    p.setPen(QPen(QColor("#D6C4A4"), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(196, 196), 62, 12.5);

    // Sofa
    const QColor bezug("#5E7C94");
    const QColor bezugHell("#7393AC");
    const QColor bezugDunkel("#4B667B");
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#5A4634"));
    for (double x : {152.0, 256.0})
        p.drawRect(QRectF(x, 160, 4, 8));
    QLinearGradient lehne(0, 100, 0, 140);
    lehne.setColorAt(0.0, bezugHell);
    lehne.setColorAt(1.0, bezug);
    p.setBrush(lehne);
    p.drawRoundedRect(QRectF(150, 100, 112, 42), 9, 9);
    p.setBrush(bezugDunkel);
    p.drawRect(QRectF(148, 146, 116, 15));
    QLinearGradient sitz(0, 128, 0, 150);
    sitz.setColorAt(0.0, bezugHell.lighter(106));
    sitz.setColorAt(1.0, bezug);
    p.setBrush(sitz);
    p.drawRoundedRect(QRectF(157, 130, 49, 20), 5, 5);
    p.drawRoundedRect(QRectF(207, 130, 48, 20), 5, 5);
    QLinearGradient arm(0, 112, 0, 160);
    arm.setColorAt(0.0, bezug);
    arm.setColorAt(1.0, bezugDunkel);
    p.setBrush(arm);
    p.drawRoundedRect(QRectF(141, 114, 20, 47), 7, 7);
    p.drawRoundedRect(QRectF(251, 114, 20, 47), 7, 7);
    p.setPen(QPen(bezugDunkel, 1));
    p.drawLine(QPointF(206.5, 132), QPointF(206.5, 149));
    // Cushions
    auto kissen = [&p](QPointF mitte, double winkel, QColor farbe) {
        p.save();
        p.translate(mitte);
        p.rotate(winkel);
        QLinearGradient k(0, -12, 0, 12);
        k.setColorAt(0.0, farbe.lighter(112));
        k.setColorAt(1.0, farbe.darker(108));
        p.setPen(Qt::NoPen);
        p.setBrush(k);
        p.drawRoundedRect(QRectF(-12, -11, 24, 22), 5, 5);
        p.restore();
    };
    kissen(QPointF(176, 120), -9, QColor("#E2AE48"));
    kissen(QPointF(237, 121), 8, QColor("#3E9A90"));
    kissen(QPointF(196, 123), 4, QColor("#F1ECE2"));

    // Coffee table with a vase
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#6E5036"));
    p.drawRect(QRectF(180, 184, 3, 12));
    p.drawRect(QRectF(210, 184, 3, 12));
    p.setBrush(QColor("#7F5D40"));
    p.drawEllipse(QPointF(196.5, 185), 30, 6.5);
    p.setBrush(QColor("#A27A55"));
    p.drawEllipse(QPointF(196.5, 183), 30, 6.5);
    p.setBrush(QColor("#FFFFFF"));
    p.drawRoundedRect(QRectF(201, 170, 8, 13), 3, 3);
    p.setPen(QPen(QColor("#4E8F3A"), 1.0));
    p.drawLine(QPointF(205, 171), QPointF(202, 161));
    p.drawLine(QPointF(205, 171), QPointF(209, 162));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#E35D5B"));
    p.drawEllipse(QPointF(202, 160), 2.6, 2.6);
    p.setBrush(QColor("#F2B84B"));
    p.drawEllipse(QPointF(209.5, 161), 2.4, 2.4);
    p.setBrush(QColor("#C9C3BA"));
    p.drawRoundedRect(QRectF(184, 178, 8, 5), 1.5, 1.5);

    // Floor lamp on the right
    p.setPen(QPen(QColor("#3D3D3D"), 1.6));
    p.drawLine(QPointF(264, 62), QPointF(264, 166));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#3D3D3D"));
    p.drawEllipse(QPointF(264, 167), 7, 2);
    QPainterPath schirm;
    schirm.moveTo(256, 46);
    schirm.lineTo(272, 46);
    schirm.lineTo(276, 64);
    schirm.lineTo(252, 64);
    schirm.closeSubpath();
    QLinearGradient schirmVerlauf(252, 0, 276, 0);
    schirmVerlauf.setColorAt(0.0, QColor("#FFF6DC"));
    schirmVerlauf.setColorAt(1.0, QColor("#EBD9AE"));
    p.setBrush(schirmVerlauf);
    p.drawPath(schirm);

    // Plant in a terracotta pot
    QPolygonF topf;
    topf << QPointF(126, 152) << QPointF(150, 152) << QPointF(146, 176) << QPointF(130, 176);
    QLinearGradient ton(126, 0, 150, 0);
    ton.setColorAt(0.0, QColor("#D98A5F"));
    ton.setColorAt(1.0, QColor("#B5633F"));
    p.setBrush(QColor(0, 0, 0, 35));
    p.drawEllipse(QPointF(138, 177), 13, 3);
    p.setBrush(ton);
    p.drawPolygon(topf);
    p.setBrush(QColor("#C7714A"));
    p.drawRect(QRectF(124, 149, 28, 5));
    const QPointF stiel(138, 150);
    const std::vector<std::tuple<double, double, double, QColor>> blaetter = {
        {-160, 30, 7, QColor("#3F7D31")}, {-20, 30, 7, QColor("#3F7D31")},
        {-140, 38, 8, QColor("#4C9139")}, {-40, 38, 8, QColor("#4C9139")},
        {-118, 44, 8, QColor("#5AA344")}, {-62, 44, 8, QColor("#5AA344")},
        {-98, 50, 8, QColor("#4C9139")},  {-80, 47, 8, QColor("#63AE4C")},
        {-130, 28, 6, QColor("#6DB854")}, {-52, 28, 6, QColor("#6DB854")},
    };
    for (const auto &[winkel, laenge, breite, farbe] : blaetter)
        blatt(p, stiel, winkel, laenge, breite, farbe);

    p.end();
    return bild;
}

} // namespace startbilder
