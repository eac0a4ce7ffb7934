#include "assessment/zahlen.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace ventoris {

namespace {

bool istZiffer(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Index of the first character after the leading blanks.
qsizetype nachLeerzeichen(const QString &t)
{
    qsizetype i = 0;
    while (i < t.size() && t.at(i) == QLatin1Char(' '))
        ++i;
    return i;
}

} // namespace

double DezimalLesen(const QString &text)
{
    const QString t = text;
    qsizetype i = nachLeerzeichen(t);
    bool negativ = false;
    if (i < t.size() && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-'))) {
        negativ = t.at(i) == QLatin1Char('-');
        ++i;
    }
    // The accepted prefix, rebuilt in plain ASCII for std::from_chars.
    std::string zahl;
    qsizetype ziffern = 0;
    while (i < t.size() && istZiffer(t.at(i))) {
        zahl.push_back(char(t.at(i).unicode()));
        ++i;
        ++ziffern;
    }
    if (i < t.size() && (t.at(i) == QLatin1Char('.') || t.at(i) == QLatin1Char(','))) {
        qsizetype j = i + 1;
        std::string bruch;
        while (j < t.size() && istZiffer(t.at(j))) {
            bruch.push_back(char(t.at(j).unicode()));
            ++j;
        }
        if (!bruch.empty() || ziffern > 0) {
            zahl += '.';
            zahl += bruch;
            ziffern += qsizetype(bruch.size());
            i = j;
        }
    }
    if (ziffern == 0)
        return 0.0;
    bool exponentPositiv = true;
    if (i < t.size() && (t.at(i) == QLatin1Char('e') || t.at(i) == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < t.size() && (t.at(j) == QLatin1Char('+') || t.at(j) == QLatin1Char('-'))) {
            exponentPositiv = t.at(j) == QLatin1Char('+');
            if (!exponentPositiv)
                exponent += '-';
            ++j;
        }
        const qsizetype anfang = j;
        while (j < t.size() && istZiffer(t.at(j))) {
            exponent.push_back(char(t.at(j).unicode()));
            ++j;
        }
        if (j > anfang)
            zahl += exponent;
    }
    double wert = 0.0;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    Q_UNUSED(ende);
    if (fehler == std::errc::result_out_of_range) {
        // from_chars leaves the value alone here; decide by the exponent's sign
        // whether the number overflowed or underflowed.
        wert = exponentPositiv ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (fehler != std::errc()) {
        wert = 0.0;
    }
    return negativ ? -wert : wert;
}

qint64 GanzzahlLesen(const QString &text)
{
    constexpr qint64 grenze = 1000000000000000000LL;
    qsizetype i = nachLeerzeichen(text);
    bool negativ = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negativ = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 wert = 0;
    while (i < text.size() && istZiffer(text.at(i))) {
        // saturate before the multiplication could overflow
        wert = wert <= grenze / 10 ? wert * 10 + (text.at(i).unicode() - '0') : grenze;
        ++i;
    }
    wert = qMin(wert, grenze);
    return negativ ? -wert : wert;
}

QString MitEinerNachkommastelle(double wert)
{
    if (!std::isfinite(wert))
        return QString();
    // 18 significant digits: d.ddddddddddddddddde±x
    char puffer[64];
    const auto ergebnis =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::scientific, 17);
    std::string s(puffer, ergebnis.ptr);
    const bool negativ = !s.empty() && s.front() == '-';
    if (negativ)
        s.erase(0, 1);
    const auto e = s.find('e');
    std::string ziffern = s.substr(0, 1) + s.substr(2, e - 2); // 18 digits
    const int exponent = std::stoi(s.substr(e + 1));

    // Digits to keep: the integer part (exponent + 1 digits) and one decimal.
    const int behalten = exponent + 2;
    std::string zehntel; // |wert| * 10, rounded, as decimal digits
    if (behalten <= 0) {
        zehntel = (behalten == 0 && ziffern[0] >= '5') ? "1" : "0";
    } else if (behalten >= int(ziffern.size())) {
        zehntel = ziffern + std::string(size_t(behalten) - ziffern.size(), '0');
    } else {
        zehntel = ziffern.substr(0, size_t(behalten));
        if (ziffern[size_t(behalten)] >= '5') {
            int k = int(zehntel.size()) - 1;
            while (k >= 0 && zehntel[size_t(k)] == '9') {
                zehntel[size_t(k)] = '0';
                --k;
            }
            if (k < 0)
                zehntel.insert(zehntel.begin(), '1');
            else
                ++zehntel[size_t(k)];
        }
    }
    const auto erste = zehntel.find_first_not_of('0');
    zehntel = erste == std::string::npos ? std::string("0") : zehntel.substr(erste);
    if (zehntel.size() < 2)
        zehntel.insert(zehntel.begin(), '0');
    const bool null = zehntel == "00";
    std::string text = zehntel.substr(0, zehntel.size() - 1) + ',' + zehntel.back();
    if (negativ && !null)
        text.insert(text.begin(), '-');
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QString KommaStattPunkt(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t;
}

} // namespace ventoris
