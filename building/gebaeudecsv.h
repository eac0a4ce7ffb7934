#pragma once

#include "building/gebaeude.h"

#include <QByteArray>

namespace ventoris {

// The overview as a table for the spreadsheet programs of a German desktop:
// UTF-8 with a byte-order mark, fields separated by ";", lines ended by CR LF,
// numbers with the decimal comma as shown; the headers, one line per file in
// file-name order, then the total. A field is quoted where it holds a ";", a
// quote or a line break, and a text that a spreadsheet would take for a
// formula is kept as text by a leading apostrophe.
QByteArray GebaeudeCsv(const TGebaeude &gebaeude);

} // namespace ventoris
