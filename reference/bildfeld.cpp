#include "reference/bildfeld.h"

#include <QPainter>

#include <utility>

TBildfeld::TBildfeld(QWidget *parent)
    : QWidget(parent)
{
}

void TBildfeld::setBild(const QImage &bild)
{
    m_quelle = nullptr;
    m_bild = bild;
    m_scharf = QImage();
    update();
}

void TBildfeld::setBildQuelle(TQuelle quelle)
{
    m_quelle = std::move(quelle);
    m_bild = QImage();
    m_scharf = QImage();
    update();
}

void TBildfeld::setBildQuelle(std::function<QImage()> quelle)
{
    setBildQuelle([q = std::move(quelle)](qreal) { return q(); });
}

QImage TBildfeld::bild() const
{
    return bildFuer(1);
}

QImage TBildfeld::bildFuer(qreal dpr) const
{
    if (dpr != 1 && m_quelle) {
        if (m_scharf.isNull() || m_scharfDpr != dpr) {
            m_scharf = m_quelle(dpr);
            m_scharfDpr = dpr;
        }
        return m_scharf;
    }
    if (m_bild.isNull() && m_quelle)
        m_bild = m_quelle(1);
    return m_bild;
}

void TBildfeld::paintEvent(QPaintEvent *)
{
    const QImage b = bildFuer(devicePixelRatioF());
    if (b.isNull())
        return;
    QPainter maler(this);
    maler.drawImage(QPoint(0, 0), b);
}
