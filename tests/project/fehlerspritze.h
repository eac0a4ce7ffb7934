#pragma once

// Real faults in the file system calls, for the tests of durable writing. The
// library defines write, fdatasync, fsync, close and rename itself; a test
// program linked with it (or a program started with it in LD_PRELOAD and the
// fault in VENTORIS_FEHLER) goes through them, and they hand every call on to
// the C library unless a fault is switched on.
extern "C" {
// From now on, 'aufruf' ("write", "fdatasync", "fsync", "close" or "rename")
// fails with 'fehlerwert' for the folder 'ordner' itself and the files in it
// (as the kernel names them: no symbolic links in 'ordner'). A failing close
// still releases the descriptor, as on Linux.
void FehlerEinschalten(const char *aufruf, int fehlerwert, const char *ordner);
void FehlerAusschalten();
// How often a fault struck since it was switched on.
int FehlerGetroffen();
}
