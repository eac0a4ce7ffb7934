#include "project/massnahmestand.h"

#include "project/massnahmedatei.h"

namespace ventoris {

void TMassnahmeStand::Zuruecksetzen()
{
    m_eingaben = {};
    m_hinweis.clear();
    m_vorhanden = false;
    emit Geladen();
}

void TMassnahmeStand::Laden(const QByteArray &projektPfad)
{
    const TMassnahmeGelesen gelesen = MassnahmeLesen(MassnahmePfad(projektPfad));
    m_eingaben = gelesen.eingaben.value_or(TMassnahmeEingaben());
    m_hinweis = gelesen.hinweis;
    m_vorhanden = gelesen.eingaben.has_value();
    emit Geladen();
}

void TMassnahmeStand::Aendern(const TMassnahmeEingaben &eingaben)
{
    m_eingaben = eingaben;
    m_vorhanden = true;
}

std::optional<DateiFehler> TMassnahmeStand::Speichern(const QString &projektPfad)
{
    if (!m_vorhanden)
        return std::nullopt;
    if (const std::optional<DateiFehler> fehler = MassnahmeSchreiben(MassnahmePfad(projektPfad), m_eingaben))
        return fehler;
    m_hinweis.clear();
    return std::nullopt;
}

} // namespace ventoris
