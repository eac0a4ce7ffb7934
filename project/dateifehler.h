#pragma once

#include <QString>

class QWidget;

namespace ventoris {

// Codes of the general error report's table.
enum DateiFehlerCode : int {
    FehlerDateiNichtGefunden = 2,
    FehlerUngueltigerDateiname = 3,
    FehlerZuVieleDateien = 4,
    FehlerZugriffVerweigert = 5,
    FehlerDateiende = 100,
    FehlerSpeicherplatz = 101,
    FehlerNumerischeEingabe = 106,
    // The program's own, beyond the table: a target that is no file.
    FehlerKeinLeser = 1001, // a named pipe that nobody reads (or no longer)
    FehlerSocket = 1002,
};

// A failed file operation as the general error report shows it. Either one of
// the table's codes, or an operating-system error without a German text of its
// own, shown as "E/A-Fehler <errno>".
struct DateiFehler {
    int code = 0;
    bool ausTabelle = true;

    static DateiFehler ausCode(int tabellenCode) { return {tabellenCode, true}; }
    // Maps the errno of a failed open/read/write/close call onto the table.
    static DateiFehler ausErrno(int errnoWert);

    // German text without the closing full stop.
    QString text() const;
    // The text as the general error report shows it, with the full stop.
    QString meldung() const;
    bool operator==(const DateiFehler &o) const { return code == o.code && ausTabelle == o.ausTabelle; }
};

// The general error report: a modal message box with the application's name as
// title, the error icon and the error's text followed by a full stop.
void AllgemeinerFehlerbericht(QWidget *parent, const DateiFehler &fehler);

} // namespace ventoris
