#include "reference/hausskizze.h"

#include "reference/zeichenhilfe.h"

#include <QPainter>
#include <QPolygonF>

namespace ventoris {

namespace {

const QColor Aussenluft(30, 90, 200);
const QColor Abluft(200, 40, 30);
const QColor Wand(70, 70, 70);

// A fan: a circle with two blades.
void Ventilator(QPainter &maler, const QPointF &mitte, qreal r)
{
    maler.save();
    maler.setPen(QPen(Wand, 1.2));
    maler.setBrush(Qt::white);
    maler.drawEllipse(mitte, r, r);
    maler.drawLine(mitte + QPointF(-r * 0.7, -r * 0.7), mitte + QPointF(r * 0.7, r * 0.7));
    maler.drawLine(mitte + QPointF(-r * 0.7, r * 0.7), mitte + QPointF(r * 0.7, -r * 0.7));
    maler.restore();
}

} // namespace

void HausskizzeZeichnen(QPainter &maler, const QRectF &rahmen, TLueftungssystem system)
{
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);

    // House body 76 × 34 with a roof of 18, centred in the frame.
    const qreal b = 76, h = 34, dach = 18;
    const qreal links = rahmen.center().x() - b / 2;
    const qreal unten = rahmen.bottom() - 6;
    const qreal oben = unten - h;
    const qreal rechts = links + b;
    const qreal mitte = links + b / 2;
    const qreal hoehe = oben + h / 2;

    maler.setPen(QPen(Wand, 1.6));
    maler.setBrush(QColor(250, 246, 236));
    maler.drawRect(QRectF(links, oben, b, h));
    maler.setBrush(QColor(205, 120, 90));
    maler.drawPolygon(QPolygonF({QPointF(links - 6, oben), QPointF(mitte, oben - dach), QPointF(rechts + 6, oben)}));
    // Inner wall between the two rooms with a gap for the air passing over.
    maler.setPen(QPen(Wand, 1.2));
    maler.drawLine(QPointF(mitte, oben), QPointF(mitte, unten - 10));

    const qreal schachtX = rechts - 12;
    switch (system) {
    case TLueftungssystem::QuerlueftungFeuchteschutz:
        // Only a little air through leaks and small openings.
        PfeilZeichnen(maler, QPointF(links - 18, hoehe), QPointF(links + 14, hoehe), Aussenluft, 1.2, true);
        PfeilZeichnen(maler, QPointF(mitte - 8, unten - 5), QPointF(mitte + 10, unten - 5), Aussenluft, 1.0, true);
        PfeilZeichnen(maler, QPointF(rechts - 14, hoehe), QPointF(rechts + 18, hoehe), Abluft, 1.2, true);
        break;
    case TLueftungssystem::Querlueftung:
        PfeilZeichnen(maler, QPointF(links - 18, hoehe), QPointF(links + 16, hoehe), Aussenluft, 2.0);
        PfeilZeichnen(maler, QPointF(mitte - 10, unten - 5), QPointF(mitte + 12, unten - 5), Aussenluft, 1.4);
        PfeilZeichnen(maler, QPointF(rechts - 16, hoehe), QPointF(rechts + 18, hoehe), Abluft, 2.0);
        break;
    case TLueftungssystem::Schachtlueftung:
    case TLueftungssystem::Abluftsystem:
        // both lead the exhaust air up a shaft; the exhaust system drives it with a fan
        maler.setPen(QPen(Wand, 1.2));
        maler.setBrush(Qt::NoBrush);
        maler.drawRect(QRectF(schachtX - 4, oben - dach - 4, 8, unten - 6 - (oben - dach - 4)));
        PfeilZeichnen(maler, QPointF(links - 18, hoehe), QPointF(links + 16, hoehe), Aussenluft, 2.0);
        PfeilZeichnen(maler, QPointF(mitte - 10, unten - 5), QPointF(mitte + 12, unten - 5), Aussenluft, 1.4);
        PfeilZeichnen(maler, QPointF(schachtX, unten - 8), QPointF(schachtX, oben - dach - 9), Abluft, 1.6);
        if (system == TLueftungssystem::Abluftsystem)
            Ventilator(maler, QPointF(schachtX, oben - 4), 5);
        break;
    case TLueftungssystem::Zuluftsystem:
        PfeilZeichnen(maler, QPointF(links - 22, hoehe), QPointF(links + 18, hoehe), Aussenluft, 2.0);
        Ventilator(maler, QPointF(links, hoehe), 5);
        PfeilZeichnen(maler, QPointF(mitte - 10, unten - 5), QPointF(mitte + 12, unten - 5), Aussenluft, 1.4);
        PfeilZeichnen(maler, QPointF(rechts - 16, hoehe), QPointF(rechts + 18, hoehe), Abluft, 2.0);
        break;
    case TLueftungssystem::ZuUndAbluftsystem: {
        // Central unit under the roof with heat exchanger: supply to the left
        // room, extract from the right room, both ducts through the roof.
        const QRectF geraet(mitte - 10, oben - 12, 20, 9);
        maler.setPen(QPen(Wand, 1.2));
        maler.setBrush(QColor(230, 230, 230));
        maler.drawRect(geraet);
        maler.drawLine(geraet.topLeft(), geraet.bottomRight());
        maler.drawLine(geraet.bottomLeft(), geraet.topRight());
        PfeilZeichnen(maler, QPointF(mitte - 5, oben - dach - 8), QPointF(mitte - 5, geraet.top()), Aussenluft, 1.4);
        PfeilZeichnen(maler, QPointF(mitte + 5, geraet.top()), QPointF(mitte + 5, oben - dach - 8), Abluft, 1.4);
        PfeilZeichnen(maler, QPointF(geraet.left(), geraet.bottom()), QPointF(links + 12, hoehe + 6), Aussenluft, 1.4);
        PfeilZeichnen(maler, QPointF(rechts - 12, hoehe + 6), QPointF(geraet.right() + 1, geraet.bottom() + 1),
                      Abluft, 1.4);
        break;
    }
    }
    maler.restore();
}

} // namespace ventoris
