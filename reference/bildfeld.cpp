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
    update();
}

void TBildfeld::setBildQuelle(std::function<QImage()> quelle)
{
    m_quelle = std::move(quelle);
    m_bild = QImage();
    update();
}

QImage TBildfeld::bild() const
{
    if (m_quelle) {
        m_bild = m_quelle();
        m_quelle = nullptr;
    }
    return m_bild;
}

void TBildfeld::paintEvent(QPaintEvent *)
{
    const QImage b = bild();
    if (b.isNull())
        return;
    QPainter maler(this);
    maler.drawImage(QPoint(0, 0), b);
}
