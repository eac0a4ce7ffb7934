// The emblems and small pictures: the emblem of the publishing association (image2),
// the START button (image7) and the logo of the rights holder (image1).

#include "startbilder.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRectF>
#include <QString>

namespace startbilder {

// ---------------------------------------------------------------------------
// Image2: emblem of the publishing association.

namespace {

// One line of moving air, drawn with round ends.
void windbogen(QPainter &p, double breiteStift, QColor farbe, const QPainterPath &pfad)
{
    p.setPen(QPen(farbe, breiteStift, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pfad);
}

} // namespace

QImage bildVerlagslogo()
{
    const int W = 240, H = 110;
    QImage bild = leeresBild(W, H);
    QPainter p(&bild);
    maler(p);

    // Round emblem with three lines of moving air
    const QPointF m(44, 55);
    const double r = 34;
    QLinearGradient grund(m.x() - r, m.y() - r, m.x() + r, m.y() + r);
    grund.setColorAt(0.0, QColor("#3FB0DC"));
    grund.setColorAt(1.0, QColor("#1A5A9E"));
    p.setPen(Qt::NoPen);
    p.setBrush(grund);
    p.drawEllipse(m, r, r);

    QPainterPath oben;
    oben.moveTo(m + QPointF(-22, -10));
    oben.cubicTo(m + QPointF(-8, -16), m + QPointF(6, -4), m + QPointF(16, -12));
    oben.cubicTo(m + QPointF(24, -18), m + QPointF(18, -27), m + QPointF(11, -22));
    windbogen(p, 4.2, Qt::white, oben);
    QPainterPath mitte;
    mitte.moveTo(m + QPointF(-26, 4));
    mitte.cubicTo(m + QPointF(-10, -2), m + QPointF(6, 10), m + QPointF(24, 3));
    windbogen(p, 4.2, Qt::white, mitte);
    QPainterPath unten;
    unten.moveTo(m + QPointF(-18, 17));
    unten.cubicTo(m + QPointF(-6, 12), m + QPointF(4, 22), m + QPointF(14, 18));
    unten.cubicTo(m + QPointF(21, 15), m + QPointF(22, 25), m + QPointF(15, 26));
    windbogen(p, 4.2, QColor(255, 255, 255, 215), unten);

    // Name: "Aerolis" bold and "e.V." after it, fitted into the space right of the emblem
    const QString name = QStringLiteral("Aerolis");
    const QString zusatz = QStringLiteral("e.V.");
    const double textLinks = 90, textRechts = W - 8;
    double groesse = 40;
    QFont fNamen, fZusatz;
    double bName = 0, bZusatz = 0;
    for (;; groesse -= 1) {
        fNamen = schrift(groesse, true);
        fZusatz = schrift(groesse * 0.55, false);
        bName = QFontMetricsF(fNamen).horizontalAdvance(name);
        bZusatz = QFontMetricsF(fZusatz).horizontalAdvance(zusatz);
        if (bName + 5 + bZusatz <= textRechts - textLinks || groesse <= 12)
            break;
    }
    const double grundlinie = 62;
    p.setFont(fNamen);
    p.setPen(QColor("#1B4F8A"));
    p.drawText(QPointF(textLinks, grundlinie), name);
    p.setFont(fZusatz);
    p.setPen(QColor("#2D8CC4"));
    p.drawText(QPointF(textLinks + bName + 5, grundlinie), zusatz);

    // A sweep of air under the name
    QPainterPath schwung;
    schwung.moveTo(textLinks + 1, grundlinie + 12);
    schwung.cubicTo(textLinks + 50, grundlinie + 5, textLinks + 90, grundlinie + 18,
                    textRechts - 2, grundlinie + 8);
    windbogen(p, 2.4, QColor("#3FB0DC"), schwung);

    p.end();
    return bild;
}

// ---------------------------------------------------------------------------
// Image7: the START button, a red disc on a white ground.

QImage bildStart()
{
    const int W = 143, H = 169;
    QImage bild = leeresBild(W, H);
    QPainter p(&bild);
    maler(p);

    const QPointF m(W / 2.0, 78);
    const double r = 62;

    // Soft shadow on the ground
    QRadialGradient schatten(QPointF(m.x(), 153), 52);
    schatten.setColorAt(0.0, QColor(0, 0, 0, 70));
    schatten.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.save();
    p.translate(m.x(), 153);
    p.scale(1.0, 0.16);
    p.translate(-m.x(), -153);
    p.setBrush(schatten);
    p.drawEllipse(QPointF(m.x(), 153), 52, 52);
    p.restore();

    // Rim and disc
    QLinearGradient rand(0, m.y() - r, 0, m.y() + r);
    rand.setColorAt(0.0, QColor("#D8322C"));
    rand.setColorAt(1.0, QColor("#8E0E0E"));
    p.setBrush(rand);
    p.drawEllipse(m, r, r);
    QRadialGradient scheibe(m + QPointF(-14, -20), r * 1.25);
    scheibe.setColorAt(0.0, QColor("#F4483D"));
    scheibe.setColorAt(0.6, QColor("#D81F1F"));
    scheibe.setColorAt(1.0, QColor("#B11216"));
    p.setBrush(scheibe);
    p.drawEllipse(m, r - 5, r - 5);

    // Gloss on the upper half
    QLinearGradient glanz(0, m.y() - r + 6, 0, m.y());
    glanz.setColorAt(0.0, QColor(255, 255, 255, 105));
    glanz.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(glanz);
    p.drawEllipse(QPointF(m.x(), m.y() - 24), r - 16, 28);

    // Label
    QFont f = schrift(29, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    p.setFont(f);
    const QRectF feld(m.x() - r, m.y() - 20, 2 * r, 40);
    p.setPen(QColor(90, 0, 0, 110));
    p.drawText(feld.translated(0.8, 1.4), Qt::AlignCenter, QStringLiteral("START"));
    p.setPen(Qt::white);
    p.drawText(feld, Qt::AlignCenter, QStringLiteral("START"));

    p.end();
    return bild;
}

// ---------------------------------------------------------------------------
// Image1: logo of the rights holder, four tiles and the name.

QImage bildEntwicklerlogo()
{
    const int W = 200, H = 80;
    QImage bild = leeresBild(W, H);
    QPainter p(&bild);
    maler(p);

    const QPointF m(38, 40);
    const double kante = 19, fuge = 3;
    const QColor kacheln[4] = {QColor("#2E3B4E"), QColor("#1F9E89"), QColor("#F08A24"), QColor("#8A9BB0")};
    p.save();
    p.translate(m);
    p.rotate(45);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const double x = (i % 2) ? fuge / 2 : -kante - fuge / 2;
        const double y = (i / 2) ? fuge / 2 : -kante - fuge / 2;
        p.setBrush(kacheln[i]);
        p.drawRoundedRect(QRectF(x, y, kante, kante), 3, 3);
    }
    p.restore();

    const QString name = QStringLiteral("Tessarix");
    const double textLinks = 78, textRechts = W - 8;
    double groesse = 34;
    QFont f;
    double breite = 0;
    for (;; groesse -= 1) {
        f = schrift(groesse, true);
        breite = QFontMetricsF(f).horizontalAdvance(name);
        if (breite <= textRechts - textLinks || groesse <= 12)
            break;
    }
    p.setFont(f);
    p.setPen(QColor("#2E3B4E"));
    p.drawText(QPointF(textLinks, 48), name);
    p.fillRect(QRectF(textLinks + 1, 56, breite * 0.42, 3), QColor("#F08A24"));
    p.fillRect(QRectF(textLinks + 1 + breite * 0.42 + 3, 56, breite * 0.18, 3), QColor("#1F9E89"));

    p.end();
    return bild;
}

} // namespace startbilder
