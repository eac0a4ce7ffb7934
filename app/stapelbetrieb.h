#pragma once

#include "app/kommandozeile.h"

// Runs the work of a command line without a window (--pdf, --uebersicht) and
// returns the exit status: 0 when everything was written, 1 when at least one
// file failed (the others are still written). It needs no display: it starts
// Qt on the offscreen platform itself, and no message of Qt reaches the
// terminal; standard error carries one German line per failure, and, on a
// terminal, the progress.
int StapelAusfuehren(const TAufruf &aufruf, int argc, char **argv);
