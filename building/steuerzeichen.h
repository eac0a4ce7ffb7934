#pragma once

#include <QString>

namespace ventoris {

// Texts read from a file may hold any byte. Every control character becomes
// visible: a tab a blank, any other the replacement character U+FFFD, so that
// no table, sheet or line shows it raw. Returns whether one was replaced.
bool SteuerzeichenErsetzen(QString &text);

} // namespace ventoris
