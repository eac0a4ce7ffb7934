#include "project/projektsatz.h"

#include "assessment/auswahltexte.h"

#include <QHash>
#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <climits>

namespace ventoris {

namespace {

constexpr FeldLage fehlt{-1, 0};

// Offsets and capacities as they stand in files of the three layouts
// (columns: 1160, 1130, 1109).
constexpr std::array<SatzFeld, SatzFeldAnzahl> felder{{
    {1, "Edit2", {{{0, 40}, {0, 40}, {0, 40}}}},
    {2, "Edit1", {{{41, 40}, {41, 40}, {41, 40}}}},
    {3, "Edit4", {{{82, 40}, {82, 40}, {82, 40}}}},
    {4, "datum", {{{123, 40}, {123, 40}, {123, 40}}}},
    {5, "Edit7", {{{164, 40}, {164, 40}, {164, 40}}}},
    {6, "Edit3", {{{205, 40}, {205, 40}, {205, 40}}}},
    {7, "Edit9", {{{246, 40}, {246, 40}, {246, 40}}}},
    {8, "ComboBox1", {{{287, 50}, {287, 40}, {287, 40}}}},
    {9, "ComboBox2", {{{338, 40}, {328, 40}, {328, 40}}}},
    {10, "Edit6", {{{379, 20}, {369, 20}, {369, 20}}}},
    {11, "Edit5", {{{400, 20}, {390, 20}, {390, 20}}}},
    {12, "ComboBox7", {{{421, 20}, {411, 20}, {411, 20}}}},
    {13, "Edit11", {{{442, 20}, {432, 20}, {432, 20}}}},
    {14, "ComboBox8", {{{463, 20}, {453, 20}, {453, 20}}}},
    {15, "RadioGroup1", {{{484, 20}, {474, 20}, {474, 20}}}},
    {16, "RadioGroup2", {{{505, 20}, {495, 20}, {495, 20}}}},
    {17, "CheckListBox1", {{{526, 20}, {516, 20}, {516, 20}}}},
    {18, "ComboBox5", {{{547, 20}, {537, 20}, {537, 20}}}},
    {19, "Edit8", {{{568, 20}, {558, 20}, {558, 20}}}},
    {20, "Edit10", {{{589, 20}, {579, 20}, {579, 20}}}},
    {21, "ComboBox6", {{{610, 60}, {600, 40}, {600, 40}}}},
    {22, "Label26", {{{671, 20}, {641, 20}, {641, 20}}}},
    {23, "Label27", {{{692, 20}, {662, 20}, {662, 20}}}},
    {24, "Label38", {{{713, 20}, {683, 20}, {683, 20}}}},
    {25, "Label39", {{{734, 20}, {704, 20}, {704, 20}}}},
    {26, "Label74", {{{755, 20}, {725, 20}, fehlt}}},
    {27, "Label28", {{{776, 20}, {746, 20}, {725, 20}}}},
    {28, "Label31", {{{797, 120}, {767, 120}, {746, 120}}}},
    {29, "Label49", {{{918, 120}, {888, 120}, {867, 120}}}},
    {30, "Label63", {{{1039, 120}, {1009, 120}, {988, 120}}}},
}};

constexpr std::array<int, 3> laengen{1160, 1130, 1109};

// The table must describe gapless records that end exactly at the layout's
// length, with the fields numbered 1..30 in order.
constexpr bool lueckenlos(int spalte)
{
    int naechster = 0;
    for (int i = 0; i < SatzFeldAnzahl; ++i) {
        if (felder[i].nr != i + 1)
            return false;
        const FeldLage l = felder[i].lage[spalte];
        if (!l.vorhanden())
            continue;
        if (l.offset != naechster || l.kapazitaet < 1 || l.kapazitaet > 255)
            return false;
        naechster = l.offset + 1 + l.kapazitaet;
    }
    return naechster == laengen[spalte];
}
static_assert(lueckenlos(0) && lueckenlos(1) && lueckenlos(2), "project record table is inconsistent");

constexpr int spalte(SatzLayout layout) { return static_cast<int>(layout); }

// Windows-1252 as Qt's codec defines it, tabulated at first use so that
// reading and writing need not open the codec for every character.
// A character counts as encodable only if QStringEncoder gives a byte that
// decodes back to it: ICU substitutes 0x1A for unmapped characters and applies
// best-fit mappings, neither of which may reach a file.
struct Codepage1252 {
    std::array<char16_t, 256> zeichen{};
    QHash<char32_t, char> bytes;

    Codepage1252()
    {
        QByteArray alle(256, '\0');
        for (int b = 0; b < 256; ++b)
            alle[b] = static_cast<char>(b);
        QStringDecoder decoder("windows-1252");
        const QString text = decoder.decode(alle);
        const bool vollstaendig = decoder.isValid() && !decoder.hasError() && text.size() == 256;
        for (int b = 0; b < 256; ++b) {
            // Without the codec, Latin-1 is the closest stand-in.
            zeichen[b] = vollstaendig ? text.at(b).unicode() : static_cast<char16_t>(b);
            QStringEncoder encoder("windows-1252");
            const QByteArray kodiert = encoder.encode(QStringView(&zeichen[b], 1));
            if (!vollstaendig || (!encoder.hasError() && kodiert.size() == 1 && kodiert.at(0) == char(b)))
                bytes.insert(zeichen[b], static_cast<char>(b));
        }
    }

    static const Codepage1252 &instanz()
    {
        static const Codepage1252 tabelle;
        return tabelle;
    }
};

} // namespace

int SatzLaenge(SatzLayout layout)
{
    return laengen[spalte(layout)];
}

const std::array<SatzFeld, SatzFeldAnzahl> &SatzFelder()
{
    return felder;
}

std::optional<FeldLage> FeldLageIn(SatzLayout layout, int feldNr)
{
    if (feldNr < 1 || feldNr > SatzFeldAnzahl)
        return std::nullopt;
    const FeldLage l = felder[feldNr - 1].lage[spalte(layout)];
    if (!l.vorhanden())
        return std::nullopt;
    return l;
}

TProjektSatz::TProjektSatz()
    : m_bytes(SatzLaenge(SatzLayout::TProjektSatz), '\0')
{
}

void TProjektSatz::SetzeText(int feldNr, const QString &text)
{
    const std::optional<FeldLage> lage = FeldLageIn(SatzLayout::TProjektSatz, feldNr);
    if (!lage)
        return;
    // Characters are counted as code points, so a character outside the BMP
    // is one character (one "?"), not two halves.
    const QList<uint> zeichen = text.toUcs4();
    const int laenge = std::min<int>(zeichen.size(), lage->kapazitaet);
    m_bytes[lage->offset] = static_cast<char>(laenge);
    const Codepage1252 &cp = Codepage1252::instanz();
    for (int i = 0; i < laenge; ++i)
        m_bytes[lage->offset + 1 + i] = cp.bytes.value(zeichen.at(i), '?');
}

std::optional<QString> TGelesenerSatz::Text(int feldNr) const
{
    const std::optional<FeldLage> lage = FeldLageIn(layout, feldNr);
    if (!lage)
        return std::nullopt;
    // The reader builds records of the layout's length; a shorter buffer still
    // never lets a field reach past its end.
    if (lage->offset >= bytes.size())
        return QString();
    const int laengenByte = static_cast<unsigned char>(bytes.at(lage->offset));
    const int vorhanden = static_cast<int>(bytes.size()) - lage->offset - 1;
    const int laenge = std::min({laengenByte, lage->kapazitaet, vorhanden});
    const Codepage1252 &cp = Codepage1252::instanz();
    QString text(laenge, Qt::Uninitialized);
    for (int i = 0; i < laenge; ++i)
        text[i] = QChar(cp.zeichen[static_cast<unsigned char>(bytes.at(lage->offset + 1 + i))]);
    return text;
}

std::optional<QString> TGelesenerSatz::FormularText(int feldNr) const
{
    std::optional<QString> text = Text(feldNr);
    const std::optional<FeldLage> lage = FeldLageIn(layout, feldNr);
    if (!text || text->size() < lage->kapazitaet)
        return text;
    QStringList eintraege;
    if (feldNr == FeldGebaeudetyp)
        eintraege = auswahl::Gebaeudetypen();
    else if (feldNr == FeldVorgabekategorie)
        eintraege = auswahl::Vorgabekategorien();
    const QString *ganz = nullptr;
    for (const QString &eintrag : eintraege) {
        if (!eintrag.startsWith(*text))
            continue;
        if (ganz)
            return text; // the beginning of two items says neither
        ganz = &eintrag;
    }
    return ganz ? *ganz : text;
}

int SatzGanzzahlLesen(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negativ = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negativ = text.at(i) == QLatin1Char('-');
        ++i;
    }
    long long wert = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            break;
        // Accumulate only while the result may still fit into an int.
        if (wert <= static_cast<long long>(INT_MAX) + 1)
            wert = wert * 10 + (c - u'0');
    }
    if (negativ)
        wert = -wert;
    return static_cast<int>(std::clamp<long long>(wert, INT_MIN, INT_MAX));
}

namespace {

// Items 1..3 ticked (bit 0 = item 1, bit 1 = item 2, bit 2 = item 3) for codes 0..7.
constexpr std::array<int, 8> hakenMuster{0b000, 0b001, 0b010, 0b100, 0b011, 0b101, 0b110, 0b111};

} // namespace

int AnforderungsCodeAusHaken(const AnforderungsHaken &haken)
{
    const int muster = (haken[1] ? 0b001 : 0) | (haken[2] ? 0b010 : 0) | (haken[3] ? 0b100 : 0);
    for (int code = 0; code < static_cast<int>(hakenMuster.size()); ++code) {
        if (hakenMuster[code] == muster)
            return code;
    }
    return 0; // unreachable: all eight patterns are in the table
}

AnforderungsHaken HakenAusAnforderungsCode(int code)
{
    if (code < 0 || code >= static_cast<int>(hakenMuster.size()))
        return {false, false, false, false};
    const int muster = hakenMuster[code];
    return {code == 0, (muster & 0b001) != 0, (muster & 0b010) != 0, (muster & 0b100) != 0};
}

int RadioIndexBegrenzen(int wert)
{
    return std::clamp(wert, -1, 1);
}

} // namespace ventoris
