#pragma once

#include "report/blatt.h"

#include <QStringList>

namespace ventoris {

// Setting texts into the boxes of a printed table. A text breaks at its own
// line breaks and at blanks only: no word, date, file name or number is ever
// split, and no hyphen is added. What does not fit ends in "…".

// The text's paragraphs, split at its stored line breaks (CR LF, CR, LF or a
// Unicode separator).
QStringList Absaetze(const QString &text);

// One line no wider than 'breite' (0.1 mm): the text itself, or its leading
// whole words followed by "…"; a first word that alone is too wide is cut.
QString Kuerzen(const QString &text, TSchrift schrift, qreal breite);

// The lines of the text in a box 'breite' wide and 'zeilen' lines high; when
// more would follow, the last line ends in "…".
QStringList Umbrechen(const QString &text, TSchrift schrift, qreal breite, int zeilen);

// Widths in 0.1 mm of the widest word and of the widest paragraph: the
// narrowest box that splits nothing, and the box that needs no break.
qreal BreitestesWort(const QString &text, TSchrift schrift);
qreal BreitesterAbsatz(const QString &text, TSchrift schrift);

} // namespace ventoris
