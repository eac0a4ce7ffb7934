#include "report/ergebnispdf.h"

#include "project/dauerhaftschreiben.h"
#include "report/blattzeichnen.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace ventoris {

std::optional<DateiFehler> ErgebnisPdfSchreiben(const TBlatt &blatt, const QString &pfad)
{
    return ErgebnisPdfSchreiben(blatt, QFile::encodeName(pfad));
}

std::optional<DateiFehler> ErgebnisPdfSchreiben(const TBlatt &blatt, const QByteArray &lokalerPfad)
{
    return BlattPdfSchreiben(blatt, lokalerPfad, QPageLayout::Portrait,
                             QStringLiteral("Bewertung lüftungstechnischer Maßnahmen nach DIN 1946-6"));
}

std::optional<DateiFehler> BlattPdfSchreiben(const TBlatt &blatt, const QString &pfad,
                                             QPageLayout::Orientation lage, const QString &titel)
{
    return BlattPdfSchreiben(blatt, QFile::encodeName(pfad), lage, titel);
}

std::optional<DateiFehler> BlattPdfSchreiben(const TBlatt &blatt, const QByteArray &lokalerPfad,
                                             QPageLayout::Orientation lage, const QString &titel,
                                             const std::function<void(int)> &seite)
{
    return DauerhaftSchreiben(lokalerPfad, [&](QIODevice &datei) {
        QPdfWriter pdf(&datei);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), lage, QMarginsF(0, 0, 0, 0)));
        pdf.setCreator(QStringLiteral("Ventoris Lüftungskonzept"));
        pdf.setTitle(titel);
        if (!seite)
            return BlattZeichnen(blatt, pdf);
        QPainter maler;
        if (!maler.begin(&pdf))
            return false;
        int nr = 1;
        seite(nr);
        const bool ok = BlattZeichnen(blatt, maler, [&] {
            seite(++nr);
            return pdf.newPage();
        });
        return maler.end() && ok;
    });
}

} // namespace ventoris
