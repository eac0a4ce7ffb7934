#pragma once

// What the main window is expected to show, typed in from its design: the
// verdict sentences and the grey of the preset fields.

#include <QColor>
#include <QString>

inline const QString S2 = QStringLiteral("Keine zusätzliche Maßnahme zur Sicherstellung des Außenluftvolumenstroms für den Feuchteschutz erforderlich.");
inline const QString S4 = QStringLiteral("Sicherstellung des notwendigen Außenluftvolumenstroms von Nenn- und reduzierter Lüftung notwendig.");
inline const QString S5 = QStringLiteral("Sicherstellung des Außenluftvolumenstroms der Nutzungsstufen muss durch aktives Öffnen der Fenster erfolgen.");
inline const QString S6 = QStringLiteral("Lüftungstechnische Maßnahme ist erforderlich !");
inline const QString W1 = QStringLiteral("Lüftungstechnische Maßnahme (z.B. Forderung dauernd wirksamer Abluftvolumenströme) ist ausreichend,");
inline const QString W2 = QStringLiteral("wenn Lüftung zum Feuchteschutz erreicht wird bei Durchströmung aller Räume");
inline const QString R1 = QStringLiteral("Bei erhöhten Anforderungen an Schall ist eine ventilatorgestützte Lüftung erforderlich.");
inline const QString R3 = QStringLiteral("Bei erhöhten Anforderungen an Effizienz ist eine ventilatorgestützte Lüftung erforderlich.");
inline const QString R6 = QStringLiteral("Bei erhöhten Anforderungen an Schall, Effizienz ist eine ventilatorgestützte Lüftung erforderlich.");
inline const QColor Grau(128, 128, 128);
