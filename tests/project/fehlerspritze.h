#pragma once

// Real faults in the file system calls, for the tests of durable writing. The
// library defines write, fdatasync, fsync, close, rename, linkat and open
// itself; a test program linked with it (or a program started with it in
// LD_PRELOAD and the fault in VENTORIS_FEHLER) goes through them, and they
// hand every call on to the C library unless a fault is switched on.
extern "C" {
// From now on, 'aufruf' ("write", "fdatasync", "fsync", "close", "rename" or
// "linkat", by its new name) fails with 'fehlerwert' for the folder 'ordner'
// itself and the files in it
// (as the kernel names them: no symbolic links in 'ordner'). A failing close
// still releases the descriptor, as on Linux.
void FehlerEinschalten(const char *aufruf, int fehlerwert, const char *ordner);
void FehlerAusschalten();
// How often a fault struck since it was switched on.
int FehlerGetroffen();
// While on, open() refuses O_TMPFILE with EOPNOTSUPP, as a file system without
// unnamed files does (in a started program: VENTORIS_OHNE_O_TMPFILE set).
void UnbenannteAblehnen(int ablehnen);
}
