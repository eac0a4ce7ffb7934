#pragma once

#include <QString>

// The fixed sentences of the verdict strip.
namespace ventoris::urteilstext {

inline const QString S1 = QStringLiteral(
    "Lüftungstechnische Maßnahme zur Sicherstellung des Außenluftvolumenstroms für den Feuchteschutz erforderlich!");
inline const QString S2 = QStringLiteral(
    "Keine zusätzliche Maßnahme zur Sicherstellung des Außenluftvolumenstroms für den Feuchteschutz erforderlich.");
inline const QString S3 = QStringLiteral(
    "Sicherstellung des notwendigen Außenluftvolumenstroms der Nennlüftung erforderlich.");
inline const QString S4 = QStringLiteral(
    "Sicherstellung des notwendigen Außenluftvolumenstroms von Nenn- und reduzierter Lüftung notwendig.");
inline const QString S5 = QStringLiteral(
    "Sicherstellung des Außenluftvolumenstroms der Nutzungsstufen muss durch aktives Öffnen der Fenster erfolgen.");
inline const QString S6 = QStringLiteral("Lüftungstechnische Maßnahme ist erforderlich !");

// Verdict for windowless rooms (DIN 18017-3), one sentence over two lines.
inline const QString W1 = QStringLiteral(
    "Lüftungstechnische Maßnahme (z.B. Forderung dauernd wirksamer Abluftvolumenströme) ist ausreichend,");
inline const QString W2 = QStringLiteral(
    "wenn Lüftung zum Feuchteschutz erreicht wird bei Durchströmung aller Räume");

} // namespace ventoris::urteilstext
