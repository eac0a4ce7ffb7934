#include "building/einheitmassnahme.h"

#include "assessment/massnahmenbilanz.h"
#include "assessment/zahlen.h"
#include "building/formularabbild.h"
#include "project/massnahmedatei.h"

namespace ventoris {

namespace {

// A result the balance could not give ("–") is an empty cell of a figure column.
QString zahl(const QString &text)
{
    return text == QStringLiteral("–") ? QString() : text;
}

} // namespace

void MassnahmeSpaltenFuellen(TEinheit &e, const TFormularAbbild &f, QStringList &hinweise)
{
    const TMassnahmeGelesen gelesen = MassnahmeLesen(MassnahmePfad(e.pfad));
    if (!gelesen.hinweis.isEmpty())
        hinweise << gelesen.hinweis;
    if (!gelesen.eingaben)
        return;
    const TMassnahmeBilanz b =
        MassnahmeBilanzieren(*gelesen.eingaben, {f.Label27, f.Label38, f.Label39, f.Label28, f.ComboBox2});
    e.text[SpalteSystem] = gelesen.eingaben->system;
    e.text[SpalteZuDecken] = zahl(b.zuDecken);
    e.text[SpalteAldAnzahl] = zahl(b.aldAnzahl);
    e.text[SpalteAbluftSumme] = b.abluftSumme.isEmpty() ? MitEinerNachkommastelle(0) : zahl(b.abluftSumme);
}

void MassnahmeSummeBilden(TEinheit &summe, const QVector<TEinheit> &einheiten)
{
    double zuDecken = 0, abluft = 0;
    qint64 ald = 0;
    bool mitZuDecken = false, mitAbluft = false, mitAld = false;
    for (const TEinheit &e : einheiten) {
        if (!e.text[SpalteZuDecken].isEmpty()) {
            zuDecken += DezimalLesen(e.text[SpalteZuDecken]);
            mitZuDecken = true;
        }
        if (!e.text[SpalteAbluftSumme].isEmpty()) {
            abluft += DezimalLesen(e.text[SpalteAbluftSumme]);
            mitAbluft = true;
        }
        if (!e.text[SpalteAldAnzahl].isEmpty()) {
            ald += GanzzahlLesen(e.text[SpalteAldAnzahl]);
            mitAld = true;
        }
    }
    if (mitZuDecken)
        summe.text[SpalteZuDecken] = MitEinerNachkommastelle(zuDecken);
    if (mitAbluft)
        summe.text[SpalteAbluftSumme] = MitEinerNachkommastelle(abluft);
    if (mitAld)
        summe.text[SpalteAldAnzahl] = QString::number(ald);
}

} // namespace ventoris
