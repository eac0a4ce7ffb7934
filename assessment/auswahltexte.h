#pragma once

#include <QString>
#include <QStringList>

// The item texts of the choice fields and the requirements list. Every rule of
// the calculation compares a field's whole text with these, exactly and
// case-sensitively.
namespace ventoris::auswahl {

inline const QString Ja = QStringLiteral("ja");
inline const QString Nein = QStringLiteral("nein");

// ComboBox1, building type
inline const QString EfhMehrgeschossig = QStringLiteral("EFH als mehrgeschossige Nutzungseinheit");
inline const QString EfhEingeschossig = QStringLiteral("EFH als eingeschossige Nutzungseinheit (Bungalow)");
inline const QString MfhEingeschossig = QStringLiteral("MFH als eingeschossige Nutzungseinheit");
inline const QString MfhMehrgeschossig = QStringLiteral("MFH als mehrgeschossige Nutzungseinheit (Maisonette)");

// ComboBox2, wind exposure
inline const QString Windschwach = QStringLiteral("windschwach");
inline const QString Windstark = QStringLiteral("windstark");

// ComboBox6, preset category of the design air change rate n50
inline const QString Ventilatorgestuetzt = QStringLiteral("ventilatorgestützte Lüftung");
inline const QString FreieLueftungNeubau = QStringLiteral("freie Lüftung Neubau");
inline const QString ModernisierungEingeschossig =
    QStringLiteral("freie Lüftung bei Modernisierung als eingeschossige NE");
inline const QString ModernisierungMehrgeschossig =
    QStringLiteral("freie Lüftung bei Modernisierung als mehrgeschossige NE");
inline const QString MittlererBestand = QStringLiteral("mittlerer Gebäudebestand");

// CheckListBox1, in list order
inline const QString KeineAnforderung = Nein;
inline const QString Schallschutz = QStringLiteral("erhöhte Schallschutzanforderungen");
inline const QString Raumluftqualitaet = QStringLiteral("erhöhte Anforderungen der Raumluftqualität");
inline const QString Energieeffizienz = QStringLiteral("erhöhte Energieeffizienz");

inline QStringList Gebaeudetypen()
{
    return {EfhMehrgeschossig, EfhEingeschossig, MfhEingeschossig, MfhMehrgeschossig};
}
inline QStringList Gebaeudelagen() { return {Windschwach, Windstark}; }
inline QStringList JaNein() { return {Ja, Nein}; }
inline QStringList Vorgabekategorien()
{
    return {Ventilatorgestuetzt, FreieLueftungNeubau, ModernisierungEingeschossig,
            ModernisierungMehrgeschossig, MittlererBestand};
}
inline QStringList Anforderungen()
{
    return {KeineAnforderung, Schallschutz, Raumluftqualitaet, Energieeffizienz};
}

} // namespace ventoris::auswahl
