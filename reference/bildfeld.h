#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// Picture box: shows its picture unscaled from the top-left corner. A larger
// picture is cut off at the box's edges, a smaller one leaves the rest empty.
// The picture can be given as a drawing routine that runs only when the picture
// is first needed, so that program start-up draws nothing. A drawn picture is
// shown at the screen's device pixel ratio, as sharp as the text beside it.
class TBildfeld : public QWidget
{
    Q_OBJECT

public:
    // Draws the picture with the given device pixels per pixel.
    using TQuelle = std::function<QImage(qreal dpr)>;

    explicit TBildfeld(QWidget *parent = nullptr);

    void setBild(const QImage &bild);
    void setBildQuelle(TQuelle quelle);
    // A routine that draws at one size only; other screens scale its picture.
    void setBildQuelle(std::function<QImage()> quelle);
    // The picture at one device pixel per pixel, as printing uses it.
    QImage bild() const;
    // False while the drawing routine has not yet run.
    bool BildGezeichnet() const { return !m_quelle || !m_bild.isNull() || !m_scharf.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage bildFuer(qreal dpr) const;

    mutable QImage m_bild;
    // The picture drawn for a screen of another device pixel ratio.
    mutable QImage m_scharf;
    mutable qreal m_scharfDpr = 1;
    TQuelle m_quelle;
};
