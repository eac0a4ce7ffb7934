#include "app/lesbarkeit.h"

#include <QEvent>
#include <QLabel>

#include <cmath>

namespace {

// Relative luminance and contrast ratio as the WCAG define them.
double leuchtdichte(const QColor &c)
{
    auto kanal = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * kanal(c.redF()) + 0.7152 * kanal(c.greenF()) + 0.0722 * kanal(c.blueF());
}

double kontrast(const QColor &a, const QColor &b)
{
    const double la = leuchtdichte(a), lb = leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor lesbar(const QColor &farbe, const QColor &grund)
{
    if (grund.lightnessF() >= 0.5)
        return farbe;
    QColor c = farbe;
    for (int anteil = 0; anteil <= 100 && kontrast(c, grund) < 4.5; anteil += 5) {
        const double w = anteil / 100.0;
        c = QColor::fromRgbF(farbe.redF() + (1 - farbe.redF()) * w, farbe.greenF() + (1 - farbe.greenF()) * w,
                             farbe.blueF() + (1 - farbe.blueF()) * w);
    }
    return c;
}

class TLesbarkeit : public QObject
{
public:
    TLesbarkeit(QWidget *hintergrund, const QList<QLabel *> &texte, const QColor &farbe)
        : QObject(hintergrund), m_texte(texte), m_farbe(farbe)
    {
        faerben(hintergrund);
    }

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override
    {
        if (ereignis->type() == QEvent::PaletteChange)
            faerben(static_cast<QWidget *>(objekt));
        return false;
    }

private:
    void faerben(const QWidget *hintergrund)
    {
        const QColor c = lesbar(m_farbe, hintergrund->palette().color(QPalette::Window));
        for (QLabel *l : m_texte) {
            QPalette p = l->palette();
            p.setColor(QPalette::WindowText, c);
            l->setPalette(p);
        }
    }

    QList<QLabel *> m_texte;
    QColor m_farbe;
};

} // namespace

void FarbeLesbarHalten(QWidget *hintergrund, const QList<QLabel *> &texte, const QColor &farbe)
{
    hintergrund->installEventFilter(new TLesbarkeit(hintergrund, texte, farbe));
}
