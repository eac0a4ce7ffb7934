#pragma once
#include "project/dateifehler.h"
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
class QIODevice;
namespace ventoris {
// Writes the file at pfad durably: temporary file in the target's folder, written by
// 'schreiben' (returns false when it could not write everything), flushed and fdatasync'ed,
// closed, renamed over the target, folder fsync'ed. On any failure the target is untouched,
// no temporary file remains, and the failure is returned. nullopt means success.
std::optional<DateiFehler> DauerhaftSchreiben(const QString &pfad, const std::function<bool(QIODevice &)> &schreiben);
// The same for bytes already in memory.
std::optional<DateiFehler> DauerhaftSchreiben(const QString &pfad, const QByteArray &inhalt);
}
