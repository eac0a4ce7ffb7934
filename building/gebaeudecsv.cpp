#include "building/gebaeudecsv.h"

#include <QRegularExpression>

namespace ventoris {

namespace {

// A figure as the program shows one: a sign, digits and a decimal comma.
bool istZahl(const QString &text)
{
    static const QRegularExpression zahl(QStringLiteral("^-?[0-9]+(,[0-9]+)?$"));
    return zahl.match(text).hasMatch();
}

// A text beginning with "=", "+", "-", "@", a tab or a carriage return, which
// a spreadsheet would run as a formula or read as a number ("-5" as minus
// five), is kept as text by a leading apostrophe. The figure columns hold
// figures (the program's flows, or the area, n50 and exponent as the
// recalculation shows them), which stay plain, also a negative one; anything
// else typed into them is protected like any text.
QString feld(QString text, bool zahlenspalte)
{
    static const QString anfang = QStringLiteral("=+-@\t\r");
    const bool schuetzen = !text.isEmpty() && anfang.contains(text[0]) && !(zahlenspalte && istZahl(text));
    if (schuetzen)
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

void zeile(QByteArray &csv, const QStringList &felder, bool koepfe = false)
{
    QStringList teile;
    teile.reserve(felder.size());
    for (int k = 0; k < felder.size(); ++k)
        teile << feld(felder[k], !koepfe && IstZahlenspalte(k));
    csv += teile.join(QLatin1Char(';')).toUtf8();
    csv += "\r\n";
}

QStringList felder(const TEinheit &e)
{
    return QStringList(e.text.begin(), e.text.end());
}

} // namespace

QByteArray GebaeudeCsv(const TGebaeude &gebaeude)
{
    QByteArray csv("\xEF\xBB\xBF");
    zeile(csv, SpaltenKoepfe(), true);
    for (const TEinheit &e : gebaeude.einheiten)
        zeile(csv, felder(e));
    zeile(csv, felder(gebaeude.summe));
    return csv;
}

} // namespace ventoris
