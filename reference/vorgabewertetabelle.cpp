#include "reference/bilder.h"

#include "reference/zeichenhilfe.h"

#include <QPainter>

namespace ventoris {

// Table 9 of DIN 1946-6 (May 2009): preset values of the design air change n50,
// for use when no measured value is at hand.
QImage Vorgabewertetabelle(qreal dpr)
{
    QImage bild = WeissesBild(545, 471, dpr);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    const QColor kopf(220, 228, 238);
    const QColor schwarz(20, 20, 20);
    maler.setPen(schwarz);

    TextZeichnen(maler, QRectF(16, 10, 513, 44),
                 QStringLiteral("Tabelle 9 &ndash; Vorgabewerte des Auslegungs-Luftwechsels n<sub>50</sub> "
                                "bei 50 Pa Druckdifferenz"),
                 15, true, Qt::AlignLeft | Qt::AlignVCenter);
    TextZeichnen(maler, QRectF(16, 52, 513, 20), QStringLiteral("nach DIN 1946-6 (Ausgabe Mai 2009)"), 12, false,
                 Qt::AlignLeft | Qt::AlignVCenter);

    const qreal x0 = 16, x1 = 106, x2 = 206, x3 = 529;
    qreal y = 82;
    const qreal kopfHoehe = 40, zeilenHoehe = 46;
    ZelleZeichnen(maler, QRectF(x0, y, x1 - x0, kopfHoehe), kopf, QStringLiteral("Kategorie"), 13, true);
    ZelleZeichnen(maler, QRectF(x1, y, x2 - x1, kopfHoehe), kopf,
                  QStringLiteral("n<sub>50</sub> in h<sup>-1</sup> <sup>a</sup>"), 13, true);
    ZelleZeichnen(maler, QRectF(x2, y, x3 - x2, kopfHoehe), kopf, QStringLiteral("Anwendung"), 13, true);
    y += kopfHoehe;

    struct Zeile {
        const char *kategorie;
        const char *wert;
        const char *anwendung;
    };
    const Zeile zeilen[] = {
        {"A <sup>b</sup>", "1,0", "ventilatorgestützte Lüftung in ein- und mehrgeschossigen Nutzungseinheiten"},
        {"B <sup>c</sup>", "1,5", "freie Lüftung im Neubau und bei Modernisierung <sup>e, f</sup> "
                                  "eingeschossiger Nutzungseinheiten"},
        {"C <sup>d</sup>", "2", "freie Lüftung bei Modernisierung <sup>e, f</sup> mehrgeschossiger Nutzungseinheiten"},
    };
    for (const Zeile &z : zeilen) {
        ZelleZeichnen(maler, QRectF(x0, y, x1 - x0, zeilenHoehe), Qt::white, QString::fromUtf8(z.kategorie), 15, true);
        ZelleZeichnen(maler, QRectF(x1, y, x2 - x1, zeilenHoehe), Qt::white, QString::fromUtf8(z.wert), 15, true);
        ZelleZeichnen(maler, QRectF(x2, y, x3 - x2, zeilenHoehe), Qt::white, QString::fromUtf8(z.anwendung), 13,
                      false, Qt::AlignLeft | Qt::AlignVCenter);
        y += zeilenHoehe;
    }

    y += 18;
    const char *fussnoten[] = {
        "<sup>a</sup> Für den mittleren Gebäudebestand ohne Modernisierung kann n<sub>50</sub> = 4,5 h<sup>-1</sup> "
        "angesetzt werden.",
        "<sup>b</sup> Kategorie A: Nutzungseinheiten mit ventilatorgestützter Lüftung, ein- und mehrgeschossig, "
        "im Neubau und im Bestand.",
        "<sup>c</sup> Kategorie B: Nutzungseinheiten mit freier Lüftung im Neubau sowie eingeschossige "
        "Nutzungseinheiten mit freier Lüftung nach einer Modernisierung.",
        "<sup>d</sup> Kategorie C: mehrgeschossige Nutzungseinheiten mit freier Lüftung nach einer Modernisierung.",
        "<sup>e</sup> Eine Modernisierung setzt mindestens voraus, dass eine dauerhaft luftdichte Gebäudehülle "
        "hergestellt wird.",
        "<sup>f</sup> Eine Teilmodernisierung ist mit den Werten der vollständigen Modernisierung auszulegen.",
    };
    for (const char *fussnote : fussnoten) {
        qreal hoehe = 0;
        TextZeichnen(maler, QRectF(x0, y, x3 - x0, 34), QString::fromUtf8(fussnote), 12, false,
                     Qt::AlignLeft | Qt::AlignTop, &hoehe);
        y += hoehe + 9;
    }
    return bild;
}

} // namespace ventoris
