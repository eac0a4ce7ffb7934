// Draws the pictures of the start page and the window icon of Ventoris and writes
// them into the resources folder. Every picture is drawn here with QPainter, so the
// files can be made again at any time:
//
//   QT_QPA_PLATFORM=offscreen startbilder [output folder]
//
// Without an argument the files go to the resources folder of the repository.
// After writing, each file is read back and its size is checked.

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QTextStream>

#include <cmath>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr int JpegQualitaet = 85;

QFont schrift(double pixel, bool fett = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(static_cast<int>(std::lround(pixel)));
    f.setBold(fett);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QImage leeresBild(int breite, int hoehe, QColor grund = Qt::white)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
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

void wolke(QPainter &p, QPointF mitte, double groesse, int deckung = 235)
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

// ---------------------------------------------------------------------------
// Image2: emblem of the publishing association.

void windbogen(QPainter &p, double breiteStift, QColor farbe, const QPainterPath &pfad)
{
    p.setPen(QPen(farbe, breiteStift, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pfad);
}

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

// ---------------------------------------------------------------------------
// Window icon: a house with a stream of air through it.

QImage bildSymbol()
{
    const int S = 64;
    QImage bild(S, S, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    maler(p);

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

    p.end();
    return bild;
}

// ---------------------------------------------------------------------------

struct Bild {
    QString datei;
    std::function<QImage()> zeichnen;
    QSize sollGroesse;
};

bool schreiben(const QString &pfad, const QImage &bild)
{
    const bool jpeg = pfad.endsWith(QLatin1String(".jpg"));
    QImageWriter schreiber(pfad, jpeg ? "jpeg" : "png");
    if (jpeg) {
        schreiber.setQuality(JpegQualitaet);
        schreiber.setOptimizedWrite(true);
    }
    return schreiber.write(jpeg ? bild.convertToFormat(QImage::Format_RGB32) : bild);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream aus(stdout);

    const QString ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VENTORIS_RESOURCES_DIR);
    if (!QDir().mkpath(ziel)) {
        aus << "Ordner nicht anlegbar: " << ziel << Qt::endl;
        return 1;
    }

    const std::vector<Bild> bilder = {
        {QStringLiteral("image5.jpg"), bildWohnung, QSize(272, 220)},
        {QStringLiteral("image3.jpg"), bildLueftungsschema, QSize(272, 220)},
        {QStringLiteral("image4.jpg"), bildHaus, QSize(272, 220)},
        {QStringLiteral("image2.jpg"), bildVerlagslogo, QSize(240, 110)},
        {QStringLiteral("image7.jpg"), bildStart, QSize(143, 169)},
        {QStringLiteral("image1.jpg"), bildEntwicklerlogo, QSize(200, 80)},
        {QStringLiteral("ventoris.png"), bildSymbol, QSize(64, 64)},
    };

    bool allesGut = true;
    qint64 summe = 0;
    for (const Bild &b : bilder) {
        const QString pfad = QDir(ziel).filePath(b.datei);
        if (!schreiben(pfad, b.zeichnen())) {
            aus << b.datei << ": nicht geschrieben" << Qt::endl;
            allesGut = false;
            continue;
        }
        // Read the file back to make sure it decodes and has the intended size.
        QImageReader leser(pfad);
        const QByteArray format = leser.format();
        const QImage gelesen = leser.read();
        const qint64 bytes = QFileInfo(pfad).size();
        summe += bytes;
        const bool passt = !gelesen.isNull() && gelesen.size() == b.sollGroesse;
        aus << b.datei << ": " << gelesen.width() << " x " << gelesen.height() << " px, " << bytes
            << " Bytes, " << (format.isEmpty() ? QByteArray("?") : format)
            << (passt ? "" : "  FEHLER") << Qt::endl;
        allesGut = allesGut && passt;
    }
    aus << "zusammen " << summe << " Bytes" << Qt::endl;
    return allesGut ? 0 : 1;
}
