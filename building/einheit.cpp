#include "building/einheit.h"

#include "assessment/urteilstexte.h"
#include "building/einheitmassnahme.h"
#include "building/formularabbild.h"
#include "building/steuerzeichen.h"
#include "project/lesegrund.h"
#include "project/projektdatei.h"

#include <QStringDecoder>


namespace ventoris {

namespace {

// The stored result fields and the label whose text each holds.
struct TErgebnisfeld {
    int nr;
    QString TFormularAbbild::*label;
};
constexpr TErgebnisfeld ergebnisfelder[] = {
    {22, &TFormularAbbild::Label26}, {23, &TFormularAbbild::Label27}, {24, &TFormularAbbild::Label38},
    {25, &TFormularAbbild::Label39}, {26, &TFormularAbbild::Label74}, {27, &TFormularAbbild::Label28},
    {28, &TFormularAbbild::Label31}, {29, &TFormularAbbild::Label49}, {30, &TFormularAbbild::Label63}};

bool namenGueltig(const QByteArray &lokalerPfad)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // decoding happens only when the result becomes a QString
    const QString name = utf8(lokalerPfad.mid(lokalerPfad.lastIndexOf('/') + 1));
    return !utf8.hasError();
}

// Every text of the row made visible; the note says so.
void steuerzeichenErsetzen(TEinheit &e, QStringList &hinweise)
{
    bool ersetzt = false;
    for (QString &t : e.text)
        ersetzt = SteuerzeichenErsetzen(t) || ersetzt;
    if (ersetzt)
        hinweise << QStringLiteral("Steuerzeichen ersetzt");
}

TMassnahme massnahme(const TFormularAbbild &f)
{
    if (!f.Label31Sichtbar)
        return TMassnahme::Keine;
    if (f.Label31 == urteilstext::S1 || f.Label31 == urteilstext::S6)
        return TMassnahme::Erforderlich;
    if (f.Label31 == urteilstext::S2)
        return TMassnahme::NichtErforderlich;
    if (f.Label31 == urteilstext::W1)
        return TMassnahme::Abluft;
    return TMassnahme::Keine;
}

} // namespace

const QStringList &SpaltenKoepfe()
{
    static const QStringList koepfe = {
        QStringLiteral("Datei"),
        QStringLiteral("Objektbezeichnung"),
        QStringLiteral("Strasse, Nr."),
        QStringLiteral("PLZ, Ort"),
        QStringLiteral("Bearbeitungsdatum"),
        QStringLiteral("Bearbeiter"),
        QStringLiteral("Gebäudetyp"),
        QStringLiteral("Gebäudelage"),
        QStringLiteral("Fläche ANE in m²"),
        QStringLiteral("n50 in 1/h"),
        QStringLiteral("Druckexponent n"),
        QStringLiteral("Qualität Wärmeschutz"),
        QStringLiteral("Feuchteschutz in m³/h"),
        QStringLiteral("reduzierte Lüftung in m³/h"),
        QStringLiteral("Nennlüftung in m³/h"),
        QStringLiteral("Intensivlüftung in m³/h"),
        QStringLiteral("Infiltration in m³/h"),
        QStringLiteral("Lüftungstechnische Maßnahme"),
        QStringLiteral("Ergebnis 1"),
        QStringLiteral("Ergebnis 2"),
        QStringLiteral("Ergebnis 3"),
        QStringLiteral("Hinweis"),
        QStringLiteral("System"),
        QStringLiteral("Zu deckender Volumenstrom in m³/h"),
        QStringLiteral("Anzahl ALD"),
        QStringLiteral("Summe Abluft in m³/h"),
    };
    return koepfe;
}

bool IstZahlenspalte(int spalte)
{
    return (spalte >= SpalteFlaeche && spalte <= SpalteDruckexponent) ||
           (spalte >= SpalteFeuchteschutz && spalte <= SpalteInfiltration) ||
           (spalte >= SpalteZuDecken && spalte <= SpalteAbluftSumme);
}

QString MassnahmeText(TMassnahme m)
{
    switch (m) {
    case TMassnahme::Erforderlich:
        return QStringLiteral("erforderlich");
    case TMassnahme::NichtErforderlich:
        return QStringLiteral("nicht erforderlich");
    case TMassnahme::Abluft:
        return QStringLiteral("Abluft nach DIN 18017-3");
    case TMassnahme::Keine:
        break;
    }
    return QString();
}

QString MassnahmeGrund(const TEinheit &e)
{
    switch (e.massnahme) {
    case TMassnahme::Erforderlich:
        // S6 comes from the raised requirements, S1 from the flows
        return e.text[SpalteErgebnis1] == urteilstext::S6 ? QStringLiteral("erhöhte Anforderungen")
                                                          : QStringLiteral("Infiltration unter FL");
    case TMassnahme::NichtErforderlich:
        return QStringLiteral("Infiltration deckt FL");
    case TMassnahme::Abluft:
        return QStringLiteral("fensterlose Räume");
    case TMassnahme::Keine:
        break;
    }
    return QString();
}

TEinheit EinheitLesen(const QByteArray &lokalerPfad, const QString &name)
{
    TEinheit e;
    e.pfad = lokalerPfad;
    e.text[SpalteDatei] = name;
    QStringList hinweise;
    if (!namenGueltig(lokalerPfad))
        hinweise << QStringLiteral("Dateiname nicht in UTF-8");

    const SatzLeseErgebnis gelesen = SatzLesen(lokalerPfad);
    if (!gelesen.satz) {
        hinweise << LeseGrund(gelesen, lokalerPfad);
        steuerzeichenErsetzen(e, hinweise);
        e.text[SpalteHinweis] = hinweise.join(QStringLiteral("; "));
        return e;
    }
    const TGelesenerSatz &satz = *gelesen.satz;

    // Open as the window does, then the recalculation that re-entering the
    // floor area would run.
    TFormularAbbild f;
    f.Oeffnen(satz);
    f.Neuberechnung();

    e.gelesen = true;
    e.massnahme = massnahme(f);
    e.text[SpalteObjekt] = f.Edit2;
    e.text[SpalteStrasse] = f.Edit1;
    e.text[SpalteOrt] = f.Edit4;
    e.text[SpalteDatum] = satz.Text(4).value_or(QString());
    e.text[SpalteBearbeiter] = f.Edit7;
    e.text[SpalteGebaeudetyp] = f.ComboBox1;
    e.text[SpalteGebaeudelage] = f.ComboBox2;
    e.text[SpalteFlaeche] = f.Edit6;
    e.text[SpalteN50] = f.Edit8;
    e.text[SpalteDruckexponent] = f.Edit10;
    e.text[SpalteQualitaet] = f.Label26;
    e.text[SpalteFeuchteschutz] = f.Label27;
    e.text[SpalteReduziert] = f.Label38;
    e.text[SpalteNennlueftung] = f.Label39;
    e.text[SpalteIntensiv] = f.Label74;
    e.text[SpalteInfiltration] = f.Label28;
    e.text[SpalteMassnahme] = MassnahmeText(e.massnahme);
    e.text[SpalteErgebnis1] = f.Label31Sichtbar ? f.Label31 : QString();
    e.text[SpalteErgebnis2] = f.Label49Sichtbar ? f.Label49 : QString();
    e.text[SpalteErgebnis3] = f.Label63Sichtbar ? f.Label63 : QString();

    if (satz.layout != SatzLayout::TProjektSatz)
        hinweise << QStringLiteral("ältere Dateiversion: Luftdichtheit neu einstellen");
    if (const QString laenge = LaengenHinweis(gelesen); !laenge.isEmpty())
        hinweise << laenge;
    for (const TErgebnisfeld &feld : ergebnisfelder) {
        const std::optional<QString> gespeichert = satz.Text(feld.nr);
        if (gespeichert && *gespeichert != f.*feld.label) {
            hinweise << QStringLiteral("gespeichertes Ergebnis veraltet");
            break;
        }
    }
    MassnahmeSpaltenFuellen(e, f, hinweise);
    steuerzeichenErsetzen(e, hinweise);
    e.text[SpalteHinweis] = hinweise.join(QStringLiteral("; "));
    return e;
}

QString LaengenHinweis(const SatzLeseErgebnis &gelesen)
{
    if (!gelesen.satz || gelesen.groesse == SatzLaenge(gelesen.satz->layout))
        return QString();
    return QStringLiteral("%1 Bytes, nur die ersten %2 gelesen").arg(gelesen.groesse).arg(SatzLaenge(gelesen.satz->layout));
}

} // namespace ventoris
