#pragma once

#include <QByteArray>

namespace ventoris {

// The beginning of a file as the program's readers take it: opened read-only
// without waiting (a pipe named like one of our files has no writer to wait
// for), refused unless it is a regular file, then read up to a limit.
struct TDateiAnfang {
    bool offen = false;  // opened, and a regular file: inhalt and groesse hold
    QByteArray inhalt;   // the bytes read, at most as many as asked for
    qint64 groesse = 0;  // the file's size
    int fehler = 0;      // errno of the failed open or read (EISDIR for
                         // anything but a regular file), 0 otherwise
};

TDateiAnfang DateiAnfangLesen(const QByteArray &lokalerPfad, qint64 hoechstens);

} // namespace ventoris
