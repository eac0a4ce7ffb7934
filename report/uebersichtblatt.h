#pragma once

#include "building/gebaeude.h"
#include "report/blatt.h"

#include <QDate>
#include <QImage>

namespace ventoris {

// The printed building overview: A4 landscape, on every page the company logo,
// the folder and the date at the top (and the filter, when the units are those
// that a filter lets through), the table's header row, and "Seite 1 von 3" at
// the bottom; the units in the order given, then the total. Rows of units that
// need a measure, and the total, are set in bold, so that they stand out
// without colour.
TBlatt UebersichtblattAufbauen(const QString &ordner, const QVector<TEinheit> &einheiten,
                               const TEinheit &summe, const QImage &logo, const QDate &datum,
                               const QString &filter = QString());

// Rows of the table that fit on one page.
int UebersichtZeilenJeSeite();

} // namespace ventoris
