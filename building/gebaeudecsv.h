#pragma once

#include "building/gebaeude.h"

#include <QByteArray>

namespace ventoris {

// The overview as a table for the spreadsheet programs of a German desktop:
// UTF-8 with a byte-order mark, fields separated by ";", lines ended by CR LF,
// numbers with the decimal comma as shown; the headers, one line per file in
// file-name order, then the total. A field is quoted where it holds a ";", a
// quote or a line break. A text beginning with "=", "+", "-", "@", a tab or a
// carriage return, which a spreadsheet would take for a formula or a number,
// is kept as text by a leading apostrophe; figures in the figure columns
// stay plain numbers.
QByteArray GebaeudeCsv(const TGebaeude &gebaeude);

} // namespace ventoris
