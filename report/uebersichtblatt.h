#pragma once

#include "building/gebaeude.h"
#include "report/blatt.h"

#include <QDate>
#include <QImage>

namespace ventoris {

// The printed building overview, A4 landscape, as a planner hands it on.
// Every page has the company logo, the folder, the date (and the filter, where
// one narrowed the units), what all units share, and how many need a measure;
// the table pages then the units in the order given with only the columns in
// which they differ, the total, and a legend of the short heads; the table is
// followed by the verdict sentences in full and a chart of moisture protection
// beside infiltration for each unit, in the same order. "Seite 1 von 4" at the
// bottom. Units that need a measure carry a black mark and bold words, so that
// they stand out without colour.
TBlatt UebersichtblattAufbauen(const QString &ordner, const QVector<TEinheit> &einheiten, const TEinheit &summe,
                               const QImage &logo, const QDate &datum, const QString &filter = QString());

} // namespace ventoris
