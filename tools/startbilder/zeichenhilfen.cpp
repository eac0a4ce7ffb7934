// Small drawing helpers shared by several pictures.

#include "startbilder.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>

#include <cmath>

namespace startbilder {

QFont schrift(double pixel, bool fett)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(static_cast<int>(std::lround(pixel)));
    f.setBold(fett);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

double massstab = 1;

QImage leeresBild(int breite, int hoehe, QColor grund)
{
    QImage bild(static_cast<int>(std::lround(breite * massstab)), static_cast<int>(std::lround(hoehe * massstab)),
                QImage::Format_RGB32);
    bild.setDevicePixelRatio(massstab);
    bild.fill(grund);
    return bild;
}

void maler(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

// A straight arrow with a filled head at "nach".
void pfeil(QPainter &p, QPointF von, QPointF nach, QColor farbe, double breite, double spitze)
{
    const QPointF d = nach - von;
    const double laenge = std::hypot(d.x(), d.y());
    if (laenge <= 0.0)
        return;
    const QPointF e(d.x() / laenge, d.y() / laenge);
    const QPointF n(-e.y(), e.x());
    const QPointF basis = nach - e * spitze;
    p.setPen(QPen(farbe, breite, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(von, basis + e * 0.5);
    QPolygonF kopf;
    kopf << nach << basis + n * (spitze * 0.6) << basis - n * (spitze * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPolygon(kopf);
}

// Only the head of an arrow, centred on "mitte" and pointing along "richtung".
void pfeilspitze(QPainter &p, QPointF mitte, QPointF richtung, QColor farbe, double spitze)
{
    const double laenge = std::hypot(richtung.x(), richtung.y());
    const QPointF e(richtung.x() / laenge, richtung.y() / laenge);
    const QPointF n(-e.y(), e.x());
    const QPointF vorn = mitte + e * (spitze * 0.5);
    const QPointF hinten = mitte - e * (spitze * 0.5);
    QPolygonF kopf;
    kopf << vorn << hinten + n * (spitze * 0.6) << hinten - n * (spitze * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPolygon(kopf);
}

void wolke(QPainter &p, QPointF mitte, double groesse, int deckung)
{
    QPainterPath pfad;
    pfad.setFillRule(Qt::WindingFill);
    const double g = groesse;
    pfad.addEllipse(QPointF(mitte.x() - g * 0.9, mitte.y() + g * 0.15), g * 0.6, g * 0.42);
    pfad.addEllipse(QPointF(mitte.x() - g * 0.25, mitte.y() - g * 0.2), g * 0.7, g * 0.6);
    pfad.addEllipse(QPointF(mitte.x() + g * 0.5, mitte.y() - g * 0.02), g * 0.6, g * 0.48);
    pfad.addEllipse(QPointF(mitte.x() + g * 1.05, mitte.y() + g * 0.2), g * 0.45, g * 0.32);
    pfad.addRoundedRect(QRectF(mitte.x() - g * 1.4, mitte.y() + g * 0.05, g * 2.85, g * 0.5),
                        g * 0.25, g * 0.25);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, deckung));
    p.drawPath(pfad.simplified());
}

// A pointed leaf from "basis" in the direction "winkel" (degrees, 0 = to the right,
// counted clockwise on screen).
void blatt(QPainter &p, QPointF basis, double winkel, double laenge, double breite, QColor farbe)
{
    p.save();
    p.translate(basis);
    p.rotate(winkel);
    QPainterPath pfad;
    pfad.moveTo(0, 0);
    pfad.cubicTo(laenge * 0.3, -breite, laenge * 0.75, -breite * 0.8, laenge, 0);
    pfad.cubicTo(laenge * 0.75, breite * 0.8, laenge * 0.3, breite, 0, 0);
    QLinearGradient verlauf(0, -breite, 0, breite);
    verlauf.setColorAt(0.0, farbe.lighter(118));
    verlauf.setColorAt(1.0, farbe.darker(112));
    p.setPen(Qt::NoPen);
    p.setBrush(verlauf);
    p.drawPath(pfad);
    p.setPen(QPen(farbe.lighter(135), 0.8));
    p.drawLine(QPointF(1, 0), QPointF(laenge * 0.85, 0));
    p.restore();
}

} // namespace startbilder
