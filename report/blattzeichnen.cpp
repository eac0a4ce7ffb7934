#include "report/blattzeichnen.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace ventoris {

namespace {

constexpr qreal ZehntelMillimeterJeZoll = 254.0;
// Large enough that the font engine's rounding of metrics does not matter.
constexpr int Messgroesse = 1000;

struct TMassstab {
    qreal x;
    qreal y;
    QPointF punkt(int links, int oben) const { return {links * x, oben * y}; }
};

} // namespace

QFont BlattSchrift(TSchrift schrift, QPaintDevice *geraet, qreal *oberlaenge)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(IstFett(schrift));
    font.setStyleStrategy(QFont::PreferOutline);

    // The layout gives cell heights; the ratio of cell to em size is the
    // font's own and is read at a large size.
    QFont mess(font);
    mess.setPixelSize(Messgroesse);
    const QFontMetricsF m(mess);
    const qreal zelleJeEm = (m.ascent() + m.descent()) / Messgroesse;

    const int dpi = geraet ? geraet->logicalDpiY() : 96;
    const qreal zellePixel = ZellenHoehe(schrift) * dpi / ZehntelMillimeterJeZoll;
    const qreal emPixel = zellePixel / zelleJeEm;
    // A point size keeps the fraction that a whole pixel size would lose.
    font.setPointSizeF(emPixel * 72.0 / dpi);

    if (oberlaenge)
        *oberlaenge = geraet ? QFontMetricsF(font, geraet).ascent() : m.ascent() / Messgroesse * emPixel;
    return font;
}

qreal BlattTextBreite(TSchrift schrift, const QString &text)
{
    // Measured at a large pixel size, which no screen resolution changes, and
    // scaled to the setting's cell height.
    QFont font(QStringLiteral("Arial"));
    font.setBold(IstFett(schrift));
    font.setStyleStrategy(QFont::PreferOutline);
    font.setPixelSize(Messgroesse);
    const QFontMetricsF m(font);
    return m.horizontalAdvance(text) * ZellenHoehe(schrift) / (m.ascent() + m.descent());
}

bool BlattZeichnen(const TBlatt &blatt, QPainter &maler, const std::function<bool()> &neueSeite)
{
    QPaintDevice *geraet = maler.device();
    const TMassstab mass{geraet->logicalDpiX() / ZehntelMillimeterJeZoll,
                         geraet->logicalDpiY() / ZehntelMillimeterJeZoll};
    maler.setPen(Qt::black);
    maler.setRenderHint(QPainter::SmoothPixmapTransform);

    for (int seite = 1; seite <= blatt.seiten; ++seite) {
        if (seite > 1 && !neueSeite())
            return false;
        for (const TBlattBild &b : blatt.bilder) {
            if (b.seite != seite || b.bild.isNull())
                continue;
            maler.drawImage(QRectF(mass.punkt(b.links, b.oben), mass.punkt(b.rechts, b.unten)), b.bild);
        }
        maler.setPen(QPen(Qt::black, 2 * mass.y));
        for (const TBlattLinie &l : blatt.linien)
            if (l.seite == seite)
                maler.drawLine(mass.punkt(l.x1, l.y1), mass.punkt(l.x2, l.y2));
        maler.setPen(Qt::black);
        // Texts of one setting share a font; it is built once per page and setting.
        TSchrift aktuell = TSchrift::Text;
        qreal oberlaenge = 0;
        bool schriftGesetzt = false;
        for (const TBlattText &t : blatt.texte) {
            if (t.seite != seite)
                continue;
            if (!schriftGesetzt || t.schrift != aktuell) {
                maler.setFont(BlattSchrift(t.schrift, geraet, &oberlaenge));
                aktuell = t.schrift;
                schriftGesetzt = true;
            }
            // drawText at a point neither wraps nor clips.
            maler.drawText(mass.punkt(t.links, t.oben) + QPointF(0, oberlaenge), t.text);
        }
    }
    return true;
}

bool BlattZeichnen(const TBlatt &blatt, QPagedPaintDevice &geraet)
{
    QPainter maler;
    if (!maler.begin(&geraet))
        return false;
    auto *drucker = dynamic_cast<QPrinter *>(&geraet);
    bool ok = false;
    try {
        ok = BlattZeichnen(blatt, maler, [&geraet] { return geraet.newPage(); });
    } catch (...) {
        if (drucker)
            drucker->abort();
        maler.end();
        throw;
    }
    if (!ok && drucker)
        drucker->abort();
    if (!maler.end())
        ok = false;
    if (drucker && drucker->printerState() == QPrinter::Error)
        ok = false;
    return ok;
}

} // namespace ventoris
