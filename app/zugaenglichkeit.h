#pragma once

// What a screen reader learns of the main window's own kinds of control:
// result fields with caption, value and unit, clickable pictures as buttons,
// and the named panels as groups. Installed once per program run.
void ZugaenglichkeitEinrichten();
