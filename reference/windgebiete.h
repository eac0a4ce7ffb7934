#pragma once

#include <QStringList>

// The windy districts and towns of Germany after the wind data of annex H of
// DIN 1946-6, as the window "Windeinstufung" lists them.
namespace ventoris {

struct TWindgebiet {
    int Spalte;            // text box 1 to 4 of the window
    const char *Landkreis; // district; urban districts end in "; Stadt" and the like
    const char *Sitz;      // administrative seat; '\n' continues it on the next line
};

// All 183 entries in alphabetical order of the district.
const TWindgebiet *Windgebiete(int *anzahl);

// The lines of one text box (1 to 4): box 1 begins with the heading line and an
// empty line; every entry reads "district  seat " with one trailing blank.
QStringList WindlisteZeilen(int spalte);

} // namespace ventoris
