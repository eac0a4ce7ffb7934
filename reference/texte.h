#pragma once

#include <QStringList>

// Built-in texts of the reference windows, one entry per line of the text box.
namespace ventoris {

// Terms of use of the window "Überlassungsbedingungen" (65 lines).
QStringList Ueberlassungsbedingungen();

// Outline of DIN 1946-6 of the window "Information zur DIN 1946-6" (59 lines).
QStringList DinInformation();

} // namespace ventoris
