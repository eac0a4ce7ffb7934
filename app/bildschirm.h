#pragma once

// Where the window would start but no screen can be had (no display named, or
// the platform cannot connect), the program ends with one German line and
// the status 1 rather than Qt's English lines and an abort.

// Whether a display or a platform is named at all.
bool BildschirmGenannt();
// The German line on standard error; returns the status 1.
int OhneBildschirmBeenden();
// Installed before the application object: messages of the platform's start
// stay off the terminal, and a platform that fails ends with the German line.
// BildschirmwaechterEnde is called once the application object stands.
void BildschirmwaechterEinrichten();
void BildschirmwaechterEnde();
