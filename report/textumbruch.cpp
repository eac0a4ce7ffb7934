#include "report/textumbruch.h"

#include "report/blattzeichnen.h"

#include <QRegularExpression>

namespace ventoris {

namespace {

const QChar Auslassung(0x2026);

QStringList woerter(const QString &absatz)
{
    return absatz.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The leading whole words of the line that fit with "…" after them; only a
// single word too wide for the box is cut.
QString abbrechen(const QString &zeile, TSchrift schrift, qreal breite)
{
    QStringList teile = woerter(zeile);
    for (; teile.size() > 1; teile.removeLast()) {
        const QString kurz = teile.join(QLatin1Char(' ')) + Auslassung;
        if (BlattTextBreite(schrift, kurz) <= breite)
            return kurz;
    }
    QString wort = teile.value(0);
    while (!wort.isEmpty() && BlattTextBreite(schrift, wort + Auslassung) > breite)
        wort.chop(1);
    return wort + Auslassung;
}

} // namespace

QStringList Absaetze(const QString &text)
{
    static const QRegularExpression umbruch(QStringLiteral("\\r\\n|[\\r\\n\\x{2028}\\x{2029}]"));
    return text.split(umbruch);
}

QString Kuerzen(const QString &text, TSchrift schrift, qreal breite)
{
    if (BlattTextBreite(schrift, text) <= breite)
        return text;
    return abbrechen(text, schrift, breite);
}

QStringList Umbrechen(const QString &text, TSchrift schrift, qreal breite, int zeilen)
{
    QStringList ergebnis;
    for (const QString &absatz : Absaetze(text)) {
        QString zeile;
        for (const QString &wort : woerter(absatz)) {
            const QString mit = zeile.isEmpty() ? wort : zeile + QLatin1Char(' ') + wort;
            if (zeile.isEmpty() || BlattTextBreite(schrift, mit) <= breite) {
                zeile = mit;
                continue;
            }
            ergebnis << zeile;
            zeile = wort;
        }
        if (!zeile.isEmpty())
            ergebnis << zeile;
    }
    const bool mehr = ergebnis.size() > zeilen;
    if (mehr)
        ergebnis = ergebnis.mid(0, zeilen);
    for (int i = 0; i < ergebnis.size(); ++i) {
        const bool letzte = i == ergebnis.size() - 1;
        ergebnis[i] = letzte && mehr ? abbrechen(ergebnis[i], schrift, breite) : Kuerzen(ergebnis[i], schrift, breite);
    }
    return ergebnis;
}

qreal BreitestesWort(const QString &text, TSchrift schrift)
{
    qreal breite = 0;
    for (const QString &absatz : Absaetze(text))
        for (const QString &wort : woerter(absatz))
            breite = std::max(breite, BlattTextBreite(schrift, wort));
    return breite;
}

qreal BreitesterAbsatz(const QString &text, TSchrift schrift)
{
    qreal breite = 0;
    for (const QString &absatz : Absaetze(text))
        breite = std::max(breite, BlattTextBreite(schrift, woerter(absatz).join(QLatin1Char(' '))));
    return breite;
}

} // namespace ventoris
