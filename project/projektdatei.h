#pragma once

// Reading and writing project files (extension lkz): one raw record, no header.

#include "project/dateifehler.h"
#include "project/projektsatz.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace ventoris {

// The outcome of reading a project file: the record, or the failure that the
// general error report shows (satz is empty exactly then).
struct SatzLeseErgebnis {
    std::optional<TGelesenerSatz> satz;
    DateiFehler fehler;
    // Size of the file in bytes; -1 where it could not be opened.
    qint64 groesse = -1;
};

// Layout recognition on the bytes that a file supplied: 1160 or more bytes are
// a TProjektSatz (bytes after the first 1160 are ignored), 1130..1159 a
// TProjektSatz1130, 1109..1129 a TProjektSatz1109; fewer give nullopt.
// Only the length decides; the content is never examined.
std::optional<TGelesenerSatz> SatzErkennen(const QByteArray &inhalt);

// Opens the file read-only and reads its record. Failures: the errno of the
// failed open or read mapped by DateiFehler::ausErrno (a folder, a pipe or a
// device gives "Dateizugriff verweigert", without waiting for a writer);
// fewer than 1109 bytes give code 100 ("Versuch hinter dem Dateiende zu lesen").
SatzLeseErgebnis SatzLesen(const QString &pfad);
// The same for a path in the file system's own bytes, which need not be valid
// UTF-8.
SatzLeseErgebnis SatzLesen(const QByteArray &lokalerPfad);

// Writes the record to pfad through DauerhaftSchreiben: an existing file is
// replaced only once the whole record is on the disk, and a failed save leaves
// it as it was. Returns the failure, or nullopt on success.
std::optional<DateiFehler> SatzSchreiben(const QString &pfad, const QByteArray &satz);

} // namespace ventoris
