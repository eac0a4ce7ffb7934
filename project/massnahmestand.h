#pragma once

#include "assessment/massnahmenbilanz.h"
#include "project/dateifehler.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

namespace ventoris {

// The balance of the measure for the unit in the main window, with where it
// came from. It follows the unit: "Neu" clears it, opening a unit reads the
// unit's sidecar file, saving the unit writes it beside the unit.
class TMassnahmeStand : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    const TMassnahmeEingaben &Eingaben() const { return m_eingaben; }
    // Why the unit's sidecar could not be used; empty otherwise.
    const QString &Hinweis() const { return m_hinweis; }
    // Whether the unit has a balance to keep: read from its file or entered.
    bool Vorhanden() const { return m_vorhanden; }

    // A new, empty case: no balance.
    void Zuruecksetzen();
    // The unit at projektPfad (the file system's bytes) was opened.
    void Laden(const QByteArray &projektPfad);
    // The user changed the balance.
    void Aendern(const TMassnahmeEingaben &eingaben);
    // The unit was saved at projektPfad: the balance goes beside it, unless
    // there is none, or the unit's sidecar could not be read and the user has
    // not changed the defaults shown instead (the file stays as it is).
    std::optional<DateiFehler> Speichern(const QString &projektPfad);

signals:
    // Another unit's balance (or none) stands now.
    void Geladen();

private:
    TMassnahmeEingaben m_eingaben;
    QString m_hinweis;
    bool m_vorhanden = false;
};

} // namespace ventoris
