#include "building/formularabbild.h"

#include "assessment/auswahltexte.h"
#include "assessment/urteil.h"
#include "assessment/zahlen.h"
#include "project/projektsatz.h"

#include <QtGlobal>

namespace ventoris {

TFormularAbbild::TFormularAbbild()
    : Edit2(QStringLiteral("123456789123456789123456789")),
      Edit10(QStringLiteral("0,667")),
      ComboBox1(auswahl::EfhMehrgeschossig),
      ComboBox2(auswahl::Windschwach),
      ComboBox5(auswahl::Nein),
      ComboBox6(auswahl::FreieLueftungNeubau),
      ComboBox7(auswahl::Ja),
      ComboBox8(auswahl::Ja),
      Label26(QStringLiteral("Ergebnis WS")),
      Label27(QStringLiteral("Ergebnis FS")),
      Label28(QStringLiteral("Ergebnis I")),
      Label38(QStringLiteral("Ergebnis RL")),
      Label39(QStringLiteral("Ergebnis NL")),
      Label74(QStringLiteral("Ergebnis IL")),
      Label31(QStringLiteral("Ergebnis")),
      Label49(QStringLiteral("Kommentar1")),
      Label63(QStringLiteral("Kommentar2"))
{
}

TEingaben TFormularAbbild::eingaben() const
{
    TEingaben e;
    e.Edit6 = Edit6;
    e.Edit8 = Edit8;
    e.Edit10 = Edit10;
    e.Edit11 = Edit11;
    e.ComboBox1 = ComboBox1;
    e.ComboBox2 = ComboBox2;
    e.ComboBox5 = ComboBox5;
    e.ComboBox6 = ComboBox6;
    e.ComboBox7 = ComboBox7;
    e.ComboBox8 = ComboBox8;
    e.Anforderungen = Anforderungen;
    return e;
}

void TFormularAbbild::editSetzen(QString &feld, const QString &text)
{
    if (feld == text)
        return;
    feld = text;
    if (&feld == &Edit11)
        comboBox7Change();
    else if (&feld == &Edit6 || &feld == &Edit5 || &feld == &Edit8 || &feld == &Edit10)
        Neuberechnung();
}

void TFormularAbbild::Neuberechnung()
{
    Label31Sichtbar = false;
    Label49Sichtbar = false;
    const TBerechnung b = Berechnen(eingaben(), m_ergebnis);
    if (b.Label26)
        Label26 = *b.Label26;
    if (b.Edit8Vorgabe)
        editSetzen(Edit8, *b.Edit8Vorgabe);
    if (b.Edit10Vorgabe)
        editSetzen(Edit10, *b.Edit10Vorgabe);
    if (b.FluesseGeschrieben) {
        Label27 = b.Label27;
        Label28 = b.Label28;
        Label38 = b.Label38;
        Label39 = b.Label39;
        Label74 = b.Label74;
    }
    urteilSetzen(b.Urteil);
    for (QString *feld : {&Edit6, &Edit8, &Edit10})
        editSetzen(*feld, KommaStattPunkt(*feld));
}

void TFormularAbbild::comboBox7Change()
{
    const TVorauswahl v = Vorauswahl(eingaben(), m_ergebnis);
    ComboBox6 = v.ComboBox6;
    if (v.Label26)
        Label26 = *v.Label26;
    Neuberechnung();
}

void TFormularAbbild::radioGroup1Setzen(int index)
{
    index = qBound(-1, index, 1);
    if (index == RadioGroup1)
        return;
    RadioGroup1 = index;
    if (index == 1) {
        radioGroup2Setzen(1);
        keineAnforderungAnhaken();
        for (QString *l : {&Label31, &Label49, &Label63})
            l->clear();
        Label31Sichtbar = Label49Sichtbar = Label63Sichtbar = false;
        // the airtightness answer's reaction recalculates, then the click itself
        Neuberechnung();
        Neuberechnung();
    } else if (index == 0) {
        radioGroup2Setzen(1);
        keineAnforderungAnhaken();
        urteilSetzen(FensterloseRaeumeUrteil());
    }
}

void TFormularAbbild::radioGroup2Setzen(int index)
{
    index = qBound(-1, index, 1);
    if (index == RadioGroup2)
        return;
    RadioGroup2 = index;
    if (index == 1) {
        keineAnforderungAnhaken();
        const TUrteil w = FensterloseRaeumeUrteil();
        Label31 = w.Label31;
        Label49 = w.Label49;
        Label31Sichtbar = Label49Sichtbar = true;
    } else if (index == 0) {
        keineAnforderungAnhaken();
        Label31.clear();
        Label49.clear();
        Label31Sichtbar = Label49Sichtbar = false;
    }
}

void TFormularAbbild::keineAnforderungAnhaken()
{
    Anforderungen = TAnforderungen();
    Anforderungen.Haken[0] = true;
}

void TFormularAbbild::urteilSetzen(const TUrteil &urteil)
{
    Label49 = urteil.Label49;
    Label31 = urteil.Label31;
    Label63 = urteil.Label63;
    if (urteil.zeigen)
        Label31Sichtbar = Label49Sichtbar = Label63Sichtbar = true;
}

void TFormularAbbild::Oeffnen(const TGelesenerSatz &satz)
{
    auto text = [&satz](int nr) { return satz.FormularText(nr).value_or(QString()); };
    auto ganzzahl = [&text](int nr) { return SatzGanzzahlLesen(text(nr)); };

    // object data, building data and "Neubau ?"
    Edit2 = text(1);
    Edit1 = text(2);
    Edit4 = text(3);
    Edit7 = text(5);
    Edit3 = text(6);
    Edit9 = text(7);
    ComboBox1 = text(8);
    ComboBox2 = text(9);
    editSetzen(Edit6, text(10));
    editSetzen(Edit5, text(11));
    ComboBox7 = text(12);
    // year and WSVO, then the answers, whose change runs the group's reaction
    editSetzen(Edit11, text(13));
    ComboBox8 = text(14);
    radioGroup1Setzen(RadioIndexBegrenzen(ganzzahl(FeldFensterloseRaeume)));
    radioGroup2Setzen(RadioIndexBegrenzen(ganzzahl(FeldWeitereAnforderungen)));
    const AnforderungsHaken haken = HakenAusAnforderungsCode(ganzzahl(FeldAnforderungsCode));
    for (int i = 0; i < 4; ++i)
        Anforderungen.Haken[i] = haken[size_t(i)];
    // airtightness
    ComboBox5 = text(18);
    editSetzen(Edit8, text(19));
    editSetzen(Edit10, text(20));
    ComboBox6 = text(21);
    // the stored results and verdict, last, all three lines shown
    const std::pair<QString *, int> ergebnisse[] = {
        {&Label26, 22}, {&Label27, 23}, {&Label38, 24}, {&Label39, 25}, {&Label74, 26},
        {&Label28, 27}, {&Label31, 28}, {&Label49, 29}, {&Label63, 30}};
    for (const auto &[label, nr] : ergebnisse)
        *label = text(nr);
    Label31Sichtbar = Label49Sichtbar = Label63Sichtbar = true;
}

} // namespace ventoris
