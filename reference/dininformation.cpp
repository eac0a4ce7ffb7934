#include "reference/texte.h"

namespace ventoris {

QStringList DinInformation()
{
    return {
        QStringLiteral("DIN 1946 Teil 6   (Ausgabe Mai 2009)"),
        QStringLiteral("Lüftung im Wohnungsbau"),
        QString(),
        QStringLiteral("1.0 Anwendungsbereich"),
        QStringLiteral("2.0 Normative Verweisung"),
        QStringLiteral("3.0 Begriffe"),
        QStringLiteral("4.0 Lüftungskonzept - Notwendige lüftungstechnischen Maßnahmen"),
        QStringLiteral("5.0 Lüftungskonzept - Auswahl von Lüftungssystemen"),
        QStringLiteral("6.0 Festlegung der Außenluftvolumenströme"),
        QStringLiteral("7.0 Freie Lüftung"),
        QStringLiteral("8.0 Ventilatorgestützte Lüftung"),
        QStringLiteral("9.0 Hinweise für die Ausführung"),
        QStringLiteral("10.0 Dokumentation und Kennzeichnung"),
        QStringLiteral("11.0 Inbetriebnahme und Übergabe"),
        QStringLiteral("12.0 Instandhaltung"),
        QString(),
        QStringLiteral("Anhänge:"),
        QStringLiteral("A informativ Darstellung von Lüftungssystemen"),
        QStringLiteral("B normativ Lüftungskonzept"),
        QStringLiteral("C normativ Inbetriebnahme und Übergabe"),
        QStringLiteral("D informativ Optionale Vollständigkeits- u. Funktionsweise; Inbetriebn. u. Übergabe"),
        QStringLiteral("E normativ Instandhaltung"),
        QStringLiteral("F informativ Optionale Funktionsweise; Instandhaltung"),
        QStringLiteral("G informativ Erläuterungen zur Gleichwertigkeit für die E-K. v. Zu- u. Abluftsystemen"),
        QStringLiteral("H normativ Winddaten für Deutschland"),
        QStringLiteral("I informativ Erläuterungen zur detaillierteren Berechnung der Infiltration"),
        QStringLiteral("J informativ Formblatt Beispiel"),
        QStringLiteral("Literaturhinweise"),
        QString(),
        QStringLiteral("Lüftungsformen / -stufen"),
        QString(),
        QStringLiteral("Lüftung zum Feuchteschutz (FL): notwendige Lüftung zur Sicherstellung des Bautenschutzes (Feuchte) "
                       "bei teilweise reduzierten Lasten, z. B. bei zeitweiliger Abwesenheit der Nutzer."),
        QStringLiteral("Reduzierte Lüftung (RL): notwendige Lüftung zur Gewährleistung der hygienischen Anforderungen und des Bautenschutzes "
                       "(Feuchte) bei zeitweilig reduzierten Lasten der Nutzung."),
        QStringLiteral("Nennlüftung (NL): notwendige Lüftung zur Gewährleistung der hygienischen Anforderungen und des Bautenschutzes "
                       "bei Anwesenheit der Nutzer (Normalbetrieb)."),
        QStringLiteral("ANMERKUNG: Der Mindestluftwechsel der Energieeinsparverordnung ist als zeitlicher Mittelwert "
                       "der Lüftungsstufen zu verstehen."),
        QStringLiteral("Intensivlüftung (IL): zeitweilig notwendige erhöhte Lüftung zum Abbau von Lastspitzen, "
                       "z. B. beim Kochen, Waschen oder bei Feiern."),
        QString(),
        QStringLiteral("Lüftungskonzept (LK)"),
        QStringLiteral("Grundlage: ganzheitliche Betrachtung:"),
        QStringLiteral("- Gebäude (Lage, Wärmeschutz, Luftdichtheit der Gebäudehülle, Grundriss)"),
        QStringLiteral("- lüftungstechnische Maßnahmen (freie oder ventilatorgestützte Lüftung)"),
        QStringLiteral("- Nutzung (Anzahl der Personen, Feuchtelasten, fensterlose Räume, Feuerstätten)"),
        QStringLiteral("- Nutzerverhalten (Anwesenheit, Fensteröffnen)"),
        QString(),
        QStringLiteral("Das Lüftungskonzept legt fest:"),
        QStringLiteral("- ob lüftungstechnische Maßnahmen notwendig sind"),
        QStringLiteral("- welche Lüftungsstufen ohne aktives Fensteröffnen durch den Nutzer sichergestellt werden müssen"),
        QStringLiteral("- mit welchem Lüftungssystem die notwendigen Außenluftvolumenströme erreicht werden"),
        QStringLiteral("- welche weiteren Anforderungen (Schallschutz, Luftqualität, Energieeffizienz) zu berücksichtigen sind"),
        QStringLiteral("Erstellt wird es von Fachleuten, die lüftungstechnische Maßnahmen planen, ausführen oder instand halten "
                       "oder die Gebäude planen und modernisieren."),
        QString(),
        QStringLiteral("Ein Lüftungskonzept ist zu erstellen:"),
        QStringLiteral("- für neu zu errichtende Gebäude"),
        QStringLiteral("- bei der Modernisierung bestehender Gebäude, wenn im Ein- und Mehrfamilienhaus mehr als ein Drittel "
                       "der vorhandenen Fenster ausgetauscht wird"),
        QStringLiteral("- oder wenn im Einfamilienhaus mehr als ein Drittel der Dachfläche abgedichtet wird"),
        QString(),
        QStringLiteral("Lüftungstechnische Maßnahmen sind notwendig,"),
        QStringLiteral("wenn:"),
        QStringLiteral("Volumenstrom durch Infiltration  < Volumenstrom zum  Feuchteschutz"),
    };
}

} // namespace ventoris
