#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// Picture box: shows its picture unscaled from the top-left corner. A larger
// picture is cut off at the box's edges, a smaller one leaves the rest empty.
// The picture can be given as a drawing routine that runs only when the picture
// is first needed, so that program start-up draws nothing.
class TBildfeld : public QWidget
{
    Q_OBJECT

public:
    explicit TBildfeld(QWidget *parent = nullptr);

    void setBild(const QImage &bild);
    void setBildQuelle(std::function<QImage()> quelle);
    QImage bild() const;
    // False while the drawing routine has not yet run.
    bool BildGezeichnet() const { return !m_quelle; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    mutable QImage m_bild;
    mutable std::function<QImage()> m_quelle;
};
