#pragma once
#include "project/dateifehler.h"
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
class QIODevice;
namespace ventoris {
// Writes the file at pfad durably: a temporary file in the target's folder (unnamed where the
// file system allows it, so that not even SIGKILL leaves one behind), written by 'schreiben'
// (returns false when it could not write everything), flushed and fdatasync'ed, closed, put in
// the target's place, folder fsync'ed. On any failure the target is untouched, no temporary
// file remains, and the failure is returned. nullopt means success.
// A target that is no regular file (a device, a named pipe) is written into directly and never
// replaced; a pipe that nobody reads is refused at once rather than waited for, and a socket
// is refused. Symbolic links are followed to what they name.
std::optional<DateiFehler> DauerhaftSchreiben(const QByteArray &lokalerPfad,
                                              const std::function<bool(QIODevice &)> &schreiben);
std::optional<DateiFehler> DauerhaftSchreiben(const QString &pfad, const std::function<bool(QIODevice &)> &schreiben);
// The same for bytes already in memory.
std::optional<DateiFehler> DauerhaftSchreiben(const QByteArray &lokalerPfad, const QByteArray &inhalt);
std::optional<DateiFehler> DauerhaftSchreiben(const QString &pfad, const QByteArray &inhalt);

// Ends the process at once with 'status', for an end on a signal: the names that a write in
// progress has made (a named temporary file, the second name of the file being replaced) are
// removed first. It waits while a write gives its finished file its name, so that the file is
// then either in place or not there at all. Callable from any thread, not from a signal handler.
[[noreturn]] void SchreibenAbbrechenUndBeenden(int status);
}
