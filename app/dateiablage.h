#pragma once

class TForm1;

// Lets the user drop one project file from a file manager onto the main
// window; it opens as "Öffnen" with that file chosen would. Anything else is
// refused while it is dragged over the window, so a drop of it changes nothing.
void DateiablageEinrichten(TForm1 &fenster);
