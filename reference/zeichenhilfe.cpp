#include "reference/zeichenhilfe.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QTextDocument>
#include <QTextOption>
#include <QtMath>

namespace ventoris {

QImage WeissesBild(int breite, int hoehe, qreal dpr)
{
    QImage bild(qRound(breite * dpr), qRound(hoehe * dpr), QImage::Format_RGB888);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::white);
    return bild;
}

bool TextZeichnen(QPainter &maler, const QRectF &rahmen, const QString &html,
                  qreal pixel, bool fett, Qt::Alignment ausrichtung, qreal *hoehe)
{
    QTextDocument dokument;
    dokument.setDocumentMargin(0);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(qRound(pixel));
    schrift.setBold(fett);
    dokument.setDefaultFont(schrift);
    QTextOption option;
    option.setAlignment(ausrichtung & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WordWrap);
    dokument.setDefaultTextOption(option);
    dokument.setHtml(html);
    dokument.setTextWidth(rahmen.width());

    const QSizeF groesse = dokument.size();
    if (hoehe)
        *hoehe = groesse.height();
    const bool passt = groesse.height() <= rahmen.height() + 0.5
                       && dokument.idealWidth() <= rahmen.width() + 0.5;
    if (!passt)
        qWarning("Text passt nicht in seine Zelle (%.0f x %.0f): %s",
                 rahmen.width(), rahmen.height(), qPrintable(html));

    qreal y = rahmen.top();
    if (ausrichtung & Qt::AlignVCenter)
        y += (rahmen.height() - groesse.height()) / 2;
    else if (ausrichtung & Qt::AlignBottom)
        y += rahmen.height() - groesse.height();

    maler.save();
    maler.translate(rahmen.left(), y);
    QAbstractTextDocumentLayout::PaintContext kontext;
    kontext.palette.setColor(QPalette::Text, maler.pen().color());
    dokument.documentLayout()->draw(&maler, kontext);
    maler.restore();
    return passt;
}

bool ZelleZeichnen(QPainter &maler, const QRectF &rahmen, const QColor &fuellung,
                   const QString &html, qreal pixel, bool fett, Qt::Alignment ausrichtung)
{
    maler.save();
    maler.setPen(QPen(QColor(120, 120, 120), 1));
    maler.setBrush(fuellung);
    maler.drawRect(rahmen);
    maler.restore();
    return TextZeichnen(maler, rahmen.adjusted(4, 1, -4, -1), html, pixel, fett, ausrichtung);
}

void PfeilZeichnen(QPainter &maler, const QPointF &von, const QPointF &nach,
                   const QColor &farbe, qreal staerke, bool gestrichelt)
{
    const QLineF linie(von, nach);
    if (linie.length() < 1)
        return;
    const qreal kopf = 4 + 1.5 * staerke;
    const qreal winkel = qDegreesToRadians(linie.angle());
    // The head's two back corners, 25 degrees either side of the shaft.
    auto ecke = [&](qreal abweichung) {
        const qreal w = winkel + M_PI + abweichung;
        return QPointF(nach.x() + kopf * qCos(w), nach.y() - kopf * qSin(w));
    };
    const QPointF links = ecke(qDegreesToRadians(25.0));
    const QPointF rechts = ecke(-qDegreesToRadians(25.0));
    const QPointF schaftEnde = (links + rechts) / 2;

    maler.save();
    QPen stift(farbe, staerke, gestrichelt ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap);
    maler.setPen(stift);
    maler.drawLine(von, schaftEnde);
    maler.setPen(Qt::NoPen);
    maler.setBrush(farbe);
    QPainterPath spitze;
    spitze.moveTo(nach);
    spitze.lineTo(links);
    spitze.lineTo(rechts);
    spitze.closeSubpath();
    maler.drawPath(spitze);
    maler.restore();
}

} // namespace ventoris
