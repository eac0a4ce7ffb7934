#include "report/blattzeichnen.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPrinter>

#include <algorithm>

namespace ventoris {

namespace {

constexpr qreal ZehntelMillimeterJeZoll = 254.0;
// Large enough that the font engine's rounding of metrics does not matter.
constexpr int Messgroesse = 1000;

// Spacing and width of the hatching lines, in 0.1 mm.
constexpr int SchraffurAbstand = 8;
constexpr qreal SchraffurStaerke = 1.5;
constexpr int Hellgrau = 215;

struct TMassstab {
    qreal x;
    qreal y;
    QPointF punkt(int links, int oben) const { return {links * x, oben * y}; }
};

// A stored line break (CR LF, CR, LF or a Unicode separator) as one blank: a
// font engine draws nothing for it, and the words on both sides would touch.
bool istUmbruch(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

QString einzeilig(const QString &text)
{
    if (std::none_of(text.cbegin(), text.cend(), istUmbruch))
        return text;
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String(" "));
    std::replace_if(t.begin(), t.end(), istUmbruch, QLatin1Char(' '));
    return t;
}

void flaecheZeichnen(QPainter &maler, const TMassstab &mass, const TBlattFlaeche &f)
{
    const QRectF kasten(mass.punkt(f.links, f.oben), mass.punkt(f.rechts, f.unten));
    switch (f.fuellung) {
    case TFuellung::Schwarz:
        maler.fillRect(kasten, Qt::black);
        return;
    case TFuellung::Hellgrau:
        maler.fillRect(kasten, QColor(Hellgrau, Hellgrau, Hellgrau));
        return;
    case TFuellung::Schraffiert:
        break;
    }
    // Lines of our own rather than a pattern brush: a brush's pattern is a few
    // device pixels wide, which a 1200 dpi PDF shrinks into grey.
    maler.fillRect(kasten, Qt::white);
    maler.save();
    maler.setClipRect(kasten, Qt::IntersectClip);
    maler.setPen(QPen(Qt::black, SchraffurStaerke * mass.y, Qt::SolidLine, Qt::FlatCap));
    const int hoehe = f.unten - f.oben;
    for (int x = f.links - hoehe; x < f.rechts; x += SchraffurAbstand)
        maler.drawLine(mass.punkt(x, f.unten), mass.punkt(x + hoehe, f.oben));
    maler.restore();
    maler.setPen(QPen(Qt::black, 2 * mass.y));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(kasten);
}

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
    return m.horizontalAdvance(einzeilig(text)) * ZellenHoehe(schrift) / (m.ascent() + m.descent());
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
        for (const TBlattFlaeche &f : blatt.flaechen)
            if (f.seite == seite)
                flaecheZeichnen(maler, mass, f);
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
            maler.drawText(mass.punkt(t.links, t.oben) + QPointF(0, oberlaenge), einzeilig(t.text));
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
