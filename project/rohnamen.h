#pragma once

// File names in the file system's own bytes, which need not be UTF-8: the
// command line takes them so, and its messages show them so.

#include <QByteArray>
#include <QString>

namespace ventoris {

// The bytes as a text that loses none of them: valid UTF-8 is decoded, every
// other byte b becomes the lone surrogate U+DC00 + b (as Python's
// "surrogateescape" does), which RohnameBytes turns back into b. Option
// parsing sees such a text as it would see the name.
QString RohnameText(const QByteArray &bytes);
QByteArray RohnameBytes(const QString &text);

// A name as a message line shows it: its own bytes, also those that are not
// UTF-8 (as ls and cp write them), but a control character as \n, \r, \t or
// \xHH, so that the message stays one line and the terminal takes it as text.
QByteArray RohnameFuerMeldung(const QByteArray &bytes);

// The path made absolute against the working folder and cleaned as
// QDir::cleanPath does, in bytes.
QByteArray AbsoluterPfad(const QByteArray &pfad);
// The folder part (up to the last slash; "." for a bare name) and the name.
QByteArray OrdnerVon(const QByteArray &pfad);
QByteArray NameVon(const QByteArray &pfad);

} // namespace ventoris
