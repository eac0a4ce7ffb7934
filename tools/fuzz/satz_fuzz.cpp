// libFuzzer target: arbitrary file contents through the project-file reader.

#include "project/projektdatei.h"
#include "project/projektsatz.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace ventoris;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray inhalt(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse));
    const std::optional<TGelesenerSatz> satz = SatzErkennen(inhalt);
    if (!satz) {
        if (groesse >= 1109)
            std::abort();
        return 0;
    }
    if (satz->bytes.size() != SatzLaenge(satz->layout))
        std::abort();

    for (int nr = 0; nr <= SatzFeldAnzahl + 1; ++nr) {
        const std::optional<QString> text = satz->Text(nr);
        const std::optional<FeldLage> lage = FeldLageIn(satz->layout, nr);
        if (text.has_value() != lage.has_value())
            std::abort();
        if (text && text->size() > lage->kapazitaet)
            std::abort();
    }

    for (int nr : {FeldFensterloseRaeume, FeldWeitereAnforderungen}) {
        const int index = RadioIndexBegrenzen(SatzGanzzahlLesen(*satz->Text(nr)));
        if (index < -1 || index > 1)
            std::abort();
    }
    const int code = SatzGanzzahlLesen(*satz->Text(FeldAnforderungsCode));
    const AnforderungsHaken haken = HakenAusAnforderungsCode(code);
    if (code >= 0 && code <= 7 && AnforderungsCodeAusHaken(haken) != code)
        std::abort();

    // Whatever was read can be stored again.
    TProjektSatz neu;
    for (int nr = 1; nr <= SatzFeldAnzahl; ++nr) {
        if (const std::optional<QString> text = satz->Text(nr))
            neu.SetzeText(nr, *text);
    }
    if (neu.Bytes().size() != SatzLaenge(SatzLayout::TProjektSatz))
        std::abort();
    // Every byte decodes to a character of its own and every field of an older
    // layout fits the current one, so the texts come back unchanged.
    const TGelesenerSatz wieder{SatzLayout::TProjektSatz, neu.Bytes()};
    for (int nr = 1; nr <= SatzFeldAnzahl; ++nr) {
        const std::optional<QString> alt = satz->Text(nr);
        if (alt && wieder.Text(nr) != alt)
            std::abort();
    }
    return 0;
}
