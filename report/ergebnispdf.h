#pragma once

#include "report/blatt.h"

#include <QPageLayout>
#include <QString>

namespace ventoris {

// Writes the document as an A4 portrait PDF without margins, so the layout's
// origin is the page's top-left corner. The file is written through a
// temporary and only replaces 'pfad' when complete. Returns 0 on success,
// otherwise the errno of the failure (EIO when the system named none).
int ErgebnisPdfSchreiben(const TBlatt &blatt, const QString &pfad);

// The same for any document, on A4 pages of the given orientation.
int BlattPdfSchreiben(const TBlatt &blatt, const QString &pfad, QPageLayout::Orientation lage,
                      const QString &titel);

} // namespace ventoris
