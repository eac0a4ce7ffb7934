// Image4: a detached house with sky and garden.

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
// Image4: a detached house with sky and garden.

QImage bildHaus()
{
    const int W = 272, H = 220;
    QImage bild = leeresBild(W, H);
    QPainter p(&bild);
    maler(p);

    // Sky and sun
    QLinearGradient himmel(0, 0, 0, 150);
    himmel.setColorAt(0.0, QColor("#5EA8E4"));
    himmel.setColorAt(1.0, QColor("#D3EBF8"));
    p.fillRect(QRectF(0, 0, W, 160), himmel);
    QRadialGradient schein(QPointF(234, 32), 40);
    schein.setColorAt(0.0, QColor(255, 244, 190, 200));
    schein.setColorAt(1.0, QColor(255, 244, 190, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(schein);
    p.drawEllipse(QPointF(234, 32), 40, 40);
    p.setBrush(QColor("#FFE47E"));
    p.drawEllipse(QPointF(234, 32), 14, 14);
    wolke(p, QPointF(52, 32), 14);
    wolke(p, QPointF(150, 20), 10, 220);
    wolke(p, QPointF(196, 64), 8, 200);

    // Hills in the distance
    QPainterPath huegel1;
    huegel1.moveTo(0, 140);
    huegel1.cubicTo(50, 118, 100, 126, 150, 136);
    huegel1.cubicTo(200, 146, 240, 120, 272, 128);
    huegel1.lineTo(272, 170);
    huegel1.lineTo(0, 170);
    huegel1.closeSubpath();
    p.setBrush(QColor("#A7CF86"));
    p.drawPath(huegel1);
    QPainterPath huegel2;
    huegel2.moveTo(0, 156);
    huegel2.cubicTo(70, 144, 160, 150, 272, 146);
    huegel2.lineTo(272, 170);
    huegel2.lineTo(0, 170);
    huegel2.closeSubpath();
    p.setBrush(QColor("#8EC268"));
    p.drawPath(huegel2);

    // Lawn
    QLinearGradient rasen(0, 160, 0, H);
    rasen.setColorAt(0.0, QColor("#7EBB54"));
    rasen.setColorAt(1.0, QColor("#5B9A39"));
    p.fillRect(QRectF(0, 162, W, H - 162), rasen);
    p.setBrush(rasen);
    QPainterPath rasenkante;
    rasenkante.moveTo(0, 164);
    rasenkante.cubicTo(90, 158, 180, 160, 272, 163);
    rasenkante.lineTo(272, 170);
    rasenkante.lineTo(0, 170);
    rasenkante.closeSubpath();
    p.drawPath(rasenkante);

    // Trees
    auto baum = [&p](QPointF fuss, double hoehe, double krone) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 30));
        p.drawEllipse(QPointF(fuss.x() + 4, fuss.y() + 1), krone * 0.8, 3);
        p.setBrush(QColor("#6E4A2C"));
        p.drawRect(QRectF(fuss.x() - 2.5, fuss.y() - hoehe, 5, hoehe));
        const QPointF m(fuss.x(), fuss.y() - hoehe - krone * 0.5);
        p.setBrush(QColor("#3F7F32"));
        p.drawEllipse(m + QPointF(-krone * 0.45, krone * 0.25), krone * 0.65, krone * 0.6);
        p.drawEllipse(m + QPointF(krone * 0.45, krone * 0.25), krone * 0.65, krone * 0.6);
        p.setBrush(QColor("#4C9139"));
        p.drawEllipse(m, krone * 0.8, krone * 0.75);
        p.setBrush(QColor("#5DA548"));
        p.drawEllipse(m + QPointF(-krone * 0.25, -krone * 0.3), krone * 0.45, krone * 0.38);
    };
    baum(QPointF(30, 176), 26, 26);
    baum(QPointF(238, 172), 20, 20);

    // House
    const double wandL = 72, wandR = 200, wandO = 100, wandU = 178;
    p.setBrush(QColor(0, 0, 0, 35));
    p.drawEllipse(QPointF(136, wandU + 1), 74, 4);
    QLinearGradient putz(wandL, 0, wandR, 0);
    putz.setColorAt(0.0, QColor("#FBF6EC"));
    putz.setColorAt(1.0, QColor("#EFE6D5"));
    p.setBrush(putz);
    p.drawRect(QRectF(wandL, wandO, wandR - wandL, wandU - wandO));
    p.fillRect(QRectF(wandL, wandU - 6, wandR - wandL, 6), QColor("#C9BFAE"));   // plinth

    // Chimney behind the roof
    p.setBrush(QColor("#9C3F2C"));
    p.drawRect(QRectF(166, 48, 12, 30));
    p.setBrush(QColor("#7E3222"));
    p.drawRect(QRectF(164, 45, 16, 4));

    // Roof with rows of tiles
    QPolygonF dach;
    dach << QPointF(60, 103) << QPointF(92, 58) << QPointF(180, 58) << QPointF(212, 103);
    QLinearGradient ziegel(0, 58, 0, 103);
    ziegel.setColorAt(0.0, QColor("#C2533A"));
    ziegel.setColorAt(1.0, QColor("#A8412C"));
    p.setBrush(ziegel);
    p.drawPolygon(dach);
    p.save();
    p.setClipRegion(QRegion(dach.toPolygon()));
    p.setPen(QPen(QColor(110, 30, 18, 90), 1));
    for (double y = 64; y < 103; y += 6.5)
        p.drawLine(QPointF(40, y), QPointF(232, y));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#8C3522"));
    p.drawRect(QRectF(90, 56, 92, 3));                           // ridge
    p.fillRect(QRectF(wandL, wandO + 3, wandR - wandL, 4), QColor(0, 0, 0, 30));   // eaves shadow
    p.setBrush(QColor("#7F2F1F"));
    p.drawRect(QRectF(58, 102, 156, 2.5));

    // Windows
    auto fenster = [&p](const QRectF &r) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 30));
        p.drawRect(r.translated(1, 1));
        p.setBrush(Qt::white);
        p.drawRect(r);
        const QRectF glas = r.adjusted(2, 2, -2, -2);
        QLinearGradient g(glas.topLeft(), glas.bottomRight());
        g.setColorAt(0.0, QColor("#CDE7F6"));
        g.setColorAt(0.5, QColor("#8EC0E2"));
        g.setColorAt(1.0, QColor("#6FA7D2"));
        p.setBrush(g);
        p.drawRect(glas);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(r.center().x() - 1, glas.top(), 2, glas.height()));
        p.drawRect(QRectF(glas.left(), glas.top() + glas.height() * 0.4 - 1, glas.width(), 2));
        p.setBrush(QColor("#FFFFFF"));
        p.drawRect(QRectF(r.left() - 2, r.bottom(), r.width() + 4, 2.5));
    };
    for (double x : {86.0, 126.0, 166.0})
        fenster(QRectF(x, 110, 20, 20));
    fenster(QRectF(84, 142, 26, 24));
    fenster(QRectF(162, 142, 26, 24));

    // Front door with a small canopy and a step
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#D6D1C7"));
    p.drawRect(QRectF(124, 176, 24, 3));
    QLinearGradient tuer(126, 0, 146, 0);
    tuer.setColorAt(0.0, QColor("#86553A"));
    tuer.setColorAt(1.0, QColor("#6C412A"));
    p.setBrush(tuer);
    p.drawRect(QRectF(127, 140, 18, 36));
    p.setBrush(QColor("#BFE0F3"));
    p.drawRect(QRectF(131, 144, 10, 8));
    p.setBrush(QColor("#E8C86A"));
    p.drawEllipse(QPointF(141.5, 160), 1.4, 1.4);
    p.setBrush(QColor("#5F6A73"));
    p.drawRect(QRectF(122, 136, 28, 3));

    // Garden path
    QPolygonF weg;
    weg << QPointF(126, 179) << QPointF(146, 179) << QPointF(166, H) << QPointF(108, H);
    p.setBrush(QColor("#DDD2BC"));
    p.drawPolygon(weg);
    p.setPen(QPen(QColor("#C4B89F"), 1));
    for (double y : {186.0, 195.0, 206.0})
        p.drawLine(QPointF(126 - (y - 179) * 0.43, y), QPointF(146 + (y - 179) * 0.48, y));

    // Bushes and flowers along the house
    auto busch = [&p](QPointF m, double r) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor("#3E7A2E"));
        p.drawEllipse(m + QPointF(-r * 0.6, 0), r * 0.75, r * 0.6);
        p.drawEllipse(m + QPointF(r * 0.6, 0), r * 0.75, r * 0.6);
        p.setBrush(QColor("#4F9038"));
        p.drawEllipse(m + QPointF(0, -r * 0.2), r * 0.8, r * 0.65);
    };
    busch(QPointF(88, 176), 13);
    busch(QPointF(112, 178), 9);
    busch(QPointF(162, 178), 9);
    busch(QPointF(186, 176), 13);
    const QColor bluete[] = {QColor("#E8514F"), QColor("#F5C542"), QColor("#F08CB3"), QColor("#FFFFFF")};
    int n = 0;
    for (double x = 76; x < 198; x += 7.3) {
        if (x > 118 && x < 156)
            continue;
        const double y = 182 + std::sin(x * 0.7) * 2.0;
        p.setBrush(bluete[n++ % 4]);
        p.drawEllipse(QPointF(x, y), 1.8, 1.8);
    }

    // Garden fence in front
    auto zaun = [&p](double von, double bis) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor("#FFFFFF"));
        p.drawRect(QRectF(von, 201, bis - von, 2.5));
        p.drawRect(QRectF(von, 210, bis - von, 2.5));
        for (double x = von + 2; x < bis - 2; x += 9) {
            QPolygonF latte;
            latte << QPointF(x, 214) << QPointF(x, 197) << QPointF(x + 2.5, 194) << QPointF(x + 5, 197)
                  << QPointF(x + 5, 214);
            p.setBrush(QColor(0, 0, 0, 30));
            p.drawPolygon(latte.translated(1, 1));
            p.setBrush(QColor("#FFFFFF"));
            p.drawPolygon(latte);
        }
    };
    zaun(0, 112);
    zaun(164, W);

    p.end();
    return bild;
}

} // namespace startbilder
