#pragma once

#include "project/dateifehler.h"
#include "report/blatt.h"

#include <QPageLayout>
#include <QString>

#include <functional>
#include <optional>

namespace ventoris {

// Writes the document as an A4 portrait PDF without margins, so the layout's
// origin is the page's top-left corner. The file is written through
// DauerhaftSchreiben: it replaces 'pfad' only when complete and on the disk.
// Returns the failure, or nullopt on success.
std::optional<DateiFehler> ErgebnisPdfSchreiben(const TBlatt &blatt, const QString &pfad);
// The same for a path in the file system's own bytes, which need not be UTF-8.
std::optional<DateiFehler> ErgebnisPdfSchreiben(const TBlatt &blatt, const QByteArray &lokalerPfad);

// The same for any document, on A4 pages of the given orientation.
std::optional<DateiFehler> BlattPdfSchreiben(const TBlatt &blatt, const QString &pfad,
                                             QPageLayout::Orientation lage, const QString &titel);
// 'seite', where given, hears of every page as it is begun (1, 2, ...).
std::optional<DateiFehler> BlattPdfSchreiben(const TBlatt &blatt, const QByteArray &lokalerPfad,
                                             QPageLayout::Orientation lage, const QString &titel,
                                             const std::function<void(int)> &seite = {});

} // namespace ventoris
