#include "building/gebaeudecsv.h"

namespace ventoris {

namespace {

QString feld(QString text)
{
    // "=", "+", "@" and a "-" before anything but a digit start a formula.
    const bool formel = !text.isEmpty() &&
                        (text[0] == QLatin1Char('=') || text[0] == QLatin1Char('+') ||
                         text[0] == QLatin1Char('@') ||
                         (text[0] == QLatin1Char('-') && !(text.size() > 1 && text[1].isDigit())));
    if (formel)
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

void zeile(QByteArray &csv, const QStringList &felder)
{
    QStringList teile;
    teile.reserve(felder.size());
    for (const QString &f : felder)
        teile << feld(f);
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
    zeile(csv, SpaltenKoepfe());
    for (const TEinheit &e : gebaeude.einheiten)
        zeile(csv, felder(e));
    zeile(csv, felder(gebaeude.summe));
    return csv;
}

} // namespace ventoris
