#include "reference/bilder.h"

#include "reference/adressen.h"
#include "reference/zeichenhilfe.h"

#include <QPainter>
#include <QPainterPath>

namespace ventoris {

namespace {

const QColor VerlagBlau(24, 84, 150);
const QColor EntwicklerPetrol(0, 105, 120);

} // namespace

void VerlagsemblemZeichnen(QPainter &maler, const QRectF &rahmen)
{
    const qreal d = qMin(rahmen.width(), rahmen.height());
    const QRectF kreis(rahmen.center().x() - d / 2, rahmen.center().y() - d / 2, d, d);
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    maler.setBrush(VerlagBlau);
    maler.drawEllipse(kreis);
    // Three streams of air sweeping through the circle.
    maler.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal y = kreis.top() + d * (0.34 + 0.16 * i);
        QPainterPath strom;
        strom.moveTo(kreis.left() + d * 0.16, y);
        strom.cubicTo(kreis.left() + d * 0.38, y - d * 0.14,
                      kreis.left() + d * 0.58, y + d * 0.12,
                      kreis.left() + d * 0.84, y - d * 0.04);
        maler.setPen(QPen(Qt::white, d * (0.07 - 0.012 * i), Qt::SolidLine, Qt::RoundCap));
        maler.drawPath(strom);
    }
    maler.setPen(QPen(Qt::white, d * 0.025));
    maler.drawEllipse(kreis.adjusted(d * 0.05, d * 0.05, -d * 0.05, -d * 0.05));
    maler.restore();
}

QImage Entwicklerlogo(qreal dpr)
{
    QImage bild = WeissesBild(250, 100, dpr);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);

    // A tesseract drawn as two nested squares joined at their corners.
    const QRectF aussen(12, 18, 64, 64);
    const QRectF innen(30, 36, 28, 28);
    maler.setPen(QPen(EntwicklerPetrol, 3));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(aussen);
    maler.setPen(QPen(EntwicklerPetrol, 2));
    maler.drawRect(innen);
    maler.drawLine(aussen.topLeft(), innen.topLeft());
    maler.drawLine(aussen.topRight(), innen.topRight());
    maler.drawLine(aussen.bottomLeft(), innen.bottomLeft());
    maler.drawLine(aussen.bottomRight(), innen.bottomRight());

    maler.setPen(EntwicklerPetrol);
    TextZeichnen(maler, QRectF(86, 20, 160, 42), QString::fromUtf8(EntwicklerName), 32, true,
                 Qt::AlignLeft | Qt::AlignVCenter);
    maler.setPen(QColor(90, 90, 90));
    TextZeichnen(maler, QRectF(88, 60, 160, 20), QStringLiteral("Software für Planer"), 12, false,
                 Qt::AlignLeft | Qt::AlignVCenter);
    return bild;
}

QImage Standardfirmenlogo(qreal dpr)
{
    QImage bild = WeissesBild(600, 150, dpr);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);

    VerlagsemblemZeichnen(maler, QRectF(40, 12, 100, 100));
    maler.setPen(VerlagBlau);
    TextZeichnen(maler, QRectF(10, 114, 160, 26), QString::fromUtf8(VerlagName), 17, true,
                 Qt::AlignHCenter | Qt::AlignVCenter);

    maler.setPen(QColor(20, 20, 20));
    TextZeichnen(maler, QRectF(190, 18, 390, 60), QString::fromUtf8(Produktname), 46, true,
                 Qt::AlignHCenter | Qt::AlignBottom);
    TextZeichnen(maler, QRectF(190, 78, 390, 52), QStringLiteral("Lüftungskonzept"), 36, true,
                 Qt::AlignHCenter | Qt::AlignTop);
    return bild;
}

} // namespace ventoris
