#include "report/ergebnispdf.h"

#include "report/blattzeichnen.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include <cerrno>

namespace ventoris {

namespace {

// errno is read straight after the failing call, before anything else can
// overwrite it.
int LetzterFehler()
{
    return errno != 0 ? errno : EIO;
}

} // namespace

int ErgebnisPdfSchreiben(const TBlatt &blatt, const QString &pfad)
{
    return BlattPdfSchreiben(blatt, pfad, QPageLayout::Portrait,
                             QStringLiteral("Bewertung lüftungstechnischer Maßnahmen nach DIN 1946-6"));
}

int BlattPdfSchreiben(const TBlatt &blatt, const QString &pfad, QPageLayout::Orientation lage,
                      const QString &titel)
{
    QSaveFile datei(pfad);
    errno = 0;
    if (!datei.open(QIODevice::WriteOnly))
        return LetzterFehler();

    bool gezeichnet = false;
    {
        QPdfWriter pdf(&datei);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), lage, QMarginsF(0, 0, 0, 0)));
        pdf.setCreator(QStringLiteral("Ventoris Lüftungskonzept"));
        pdf.setTitle(titel);
        gezeichnet = BlattZeichnen(blatt, pdf);
    }
    int fehler = 0;
    if (datei.error() != QFileDevice::NoError) {
        // a write failed while the pages were being drawn
        fehler = LetzterFehler();
    } else if (!gezeichnet) {
        fehler = EIO;
    } else {
        errno = 0;
        if (!datei.flush() || datei.error() != QFileDevice::NoError)
            fehler = LetzterFehler();
    }
    if (fehler != 0) {
        datei.cancelWriting();
        return fehler;
    }
    errno = 0;
    if (!datei.commit())
        return LetzterFehler();
    return 0;
}

} // namespace ventoris
