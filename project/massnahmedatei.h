#pragma once

// The balance of a unit's ventilation measure, stored beside the unit's
// project file in a file of its own (same base name, suffix ".massnahme",
// UTF-8 JSON), so that the project file keeps its layout byte for byte and
// other tools can read and write the balance too.

#include "assessment/massnahmenbilanz.h"
#include "project/dateifehler.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace ventoris {

// The sidecar's path for a project file's path: "Wohnung 3.lkz" gives
// "Wohnung 3.massnahme" (in the file system's own bytes, which need not be
// UTF-8).
QByteArray MassnahmePfad(const QByteArray &projektPfad);
QString MassnahmePfad(const QString &projektPfad);

struct TMassnahmeGelesen {
    // nullopt: no sidecar, or one that could not be used (see hinweis)
    std::optional<TMassnahmeEingaben> eingaben;
    // why an existing sidecar was not used: damaged, unknown system or kind,
    // newer version, unreadable; empty otherwise
    QString hinweis;
    bool vorhanden = false; // a file of that name exists
};

// Reads the sidecar of a project file (a path in the file system's own bytes).
TMassnahmeGelesen MassnahmeLesen(const QByteArray &sidecarPfad);

// The file's content for these inputs. Numbers are JSON numbers; an empty or
// unreadable number is null.
QByteArray MassnahmeJson(const TMassnahmeEingaben &eingaben);
// Parses a sidecar's content; sets 'hinweis' where it cannot be used.
std::optional<TMassnahmeEingaben> MassnahmeAusJson(const QByteArray &inhalt, QString *hinweis);

// Writes the sidecar through the durable writer.
std::optional<DateiFehler> MassnahmeSchreiben(const QString &sidecarPfad, const TMassnahmeEingaben &eingaben);

} // namespace ventoris
