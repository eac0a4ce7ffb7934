#pragma once

#include <QString>
#include <QtGlobal>

// Reading and showing numbers, independent of the system's regional settings:
// the decimal separator is always the comma in the window, and both comma and
// point are accepted when reading.
namespace ventoris {

// Reads a decimal field: every "," counts as ".", then the leading number
// [blanks][sign]digits[.digits][(E|e)[sign]digits] is taken. Empty text, or text
// without a leading number, reads as 0. A number beyond the range of a double
// reads as infinity (with its sign), one too small as 0.
double DezimalLesen(const QString &text);

// Reads a whole-number field ([blanks][sign]digits, the leading part of the
// text); empty or malformed text reads as 0; values beyond +-1e18 are clamped.
qint64 GanzzahlLesen(const QString &text);

// A value with exactly one decimal and a decimal comma, rounded half away from
// zero on its 18-significant-digit decimal form; a leading "-" for negative
// values (a value that rounds to zero is shown as "0,0"). The value must be
// finite.
QString MitEinerNachkommastelle(double wert);

// Every "." of the text turned into ",".
QString KommaStattPunkt(const QString &text);

} // namespace ventoris
