#pragma once

// The balance of a ventilation measure for one unit: which flow the measure
// must supply, how many outdoor air passages (ALD) that takes for the product
// chosen, and what the exhaust rooms draw. It rests only on the unit's
// computed flows, on the user's product data and on defaults whose source is
// named; it is not a full design of the measure.

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace ventoris {

namespace massnahme {

// The systems, as the window lists them and the sidecar file stores them.
inline const QString Querlueftung = QStringLiteral("freie Lüftung: Querlüftung");
inline const QString Schachtlueftung = QStringLiteral("freie Lüftung: Schachtlüftung");
inline const QString Abluft = QStringLiteral("ventilatorgestützt: Abluft");
inline const QString Zuluft = QStringLiteral("ventilatorgestützt: Zuluft");
inline const QString ZuUndAbluft = QStringLiteral("ventilatorgestützt: Zu- und Abluft");
QStringList Systeme();

// The fixed note of the window and the sheet.
inline const QString Hinweis = QStringLiteral(
    "Bilanz der lüftungstechnischen Maßnahme – keine vollständige Auslegung nach DIN 1946-6. "
    "Annahmen sind gekennzeichnet.");

// A kind of exhaust room with its default flow and where that figure comes
// from.
struct TAbluftArt {
    QString name;
    double volumenstrom;
    QString quelle;
};
const QVector<TAbluftArt> &AbluftArten();
// The kind of that name, or nullptr.
const TAbluftArt *AbluftArtZu(const QString &name);

} // namespace massnahme

// What the user entered, as the window's fields hold it.
struct TMassnahmeEingaben {
    QString system = massnahme::Querlueftung;
    QString angerechneteInfiltration; // empty: the computed infiltration
    QString aldVolumenstrom;          // per ALD at the design pressure; empty: no product chosen
    QString druckdifferenz;           // empty: the default of the system
    struct TRaum {
        QString raum, art, volumenstrom;
    };
    QVector<TRaum> abluftraeume;
};

// The unit's figures from the main window, as shown there.
struct TMassnahmeBezug {
    QString Label27; // FL
    QString Label38; // RL
    QString Label39; // NL
    QString Label28; // infiltration
    QString ComboBox2; // wind exposure
};

// The results, as texts to show: "–" where an input is missing or wrong, an
// empty text where a result does not apply to the system.
struct TMassnahmeBilanz {
    QString stufe;                // e.g. "Feuchteschutz (FL)"
    QString stufeWert;            // its flow from the main window
    QString infiltrationBerechnet; // the main window's infiltration
    QString nennlueftung;         // the main window's NL, beside the exhaust rooms' sum
    QString zuDecken;             // flow the measure must supply
    bool mitAld = false;          // whether the system uses ALDs
    bool jeFassadenseite = false; // cross ventilation: the count is needed on each of two facades
    QString druckdifferenzVorgabe; // the default in Pa, empty where there is none
    QString druckdifferenzQuelle;  // the source of that default
    QString aldJeSeite;           // cross ventilation: the count per facade
    QString aldAnzahl;            // the number to order; empty without a product
    QString abluftSumme;          // sum of the exhaust flows
    // inputs that could not be read (marked in the window)
    bool infiltrationFalsch = false, aldFalsch = false, druckFalsch = false;
    QVector<bool> raumFalsch;
    bool systemUnbekannt = false;
};

// A number as the user types it: comma or point, nothing else around it,
// finite and not negative; nullopt otherwise.
std::optional<double> MassnahmenzahlLesen(const QString &text);

TMassnahmeBilanz MassnahmeBilanzieren(const TMassnahmeEingaben &e, const TMassnahmeBezug &bezug);

} // namespace ventoris
