#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QVector>

// Runs the poppler command-line tools on a written PDF and reads their output.
namespace poppler {

inline bool Vorhanden()
{
    for (const char *werkzeug : {"pdfinfo", "pdftotext", "pdfimages", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(werkzeug)).isEmpty())
            return false;
    }
    return true;
}

inline QByteArray Ausfuehren(const QString &programm, const QStringList &argumente)
{
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

// One word as pdftotext -bbox gives it, in PDF points from the page's top-left corner.
struct TWort {
    int seite = 0;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    QString text;
};

inline QVector<TWort> Woerter(const QString &pdf)
{
    const QString html = QString::fromUtf8(Ausfuehren(QStringLiteral("pdftotext"),
                                                      {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    static const QRegularExpression seiteAnfang(QStringLiteral("<page "));
    static const QRegularExpression wort(QStringLiteral(
        "<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">([^<]*)</word>"));
    QVector<TWort> woerter;
    const QStringList seiten = html.split(seiteAnfang);
    for (int i = 1; i < seiten.size(); ++i) {
        auto it = wort.globalMatch(seiten.at(i));
        while (it.hasNext()) {
            const auto m = it.next();
            QString text = m.captured(5);
            text.replace(QLatin1String("&amp;"), QLatin1String("&"))
                .replace(QLatin1String("&lt;"), QLatin1String("<"))
                .replace(QLatin1String("&gt;"), QLatin1String(">"))
                .replace(QLatin1String("&quot;"), QLatin1String("\""));
            woerter.append({i, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                            m.captured(4).toDouble(), text});
        }
    }
    return woerter;
}

// Value of one "Key: value" line of pdfinfo.
inline QString Info(const QString &pdf, const QString &schluessel)
{
    const QString ausgabe = QString::fromUtf8(Ausfuehren(QStringLiteral("pdfinfo"), {pdf}));
    for (const QString &zeile : ausgabe.split(QLatin1Char('\n'))) {
        if (zeile.startsWith(schluessel + QLatin1Char(':')))
            return zeile.mid(schluessel.size() + 1).trimmed();
    }
    return {};
}

// Page number, width and height of every picture that pdfimages -list names.
struct TBildEintrag {
    int seite = 0;
    int breite = 0;
    int hoehe = 0;
};

inline QVector<TBildEintrag> Bilder(const QString &pdf)
{
    const QString ausgabe = QString::fromUtf8(Ausfuehren(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}));
    QVector<TBildEintrag> bilder;
    const QStringList zeilen = ausgabe.split(QLatin1Char('\n'));
    // two header lines, then: page num type width height ...
    for (int i = 2; i < zeilen.size(); ++i) {
        const QStringList spalten = zeilen.at(i).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (spalten.size() >= 5 && spalten.at(2) == QLatin1String("image"))
            bilder.append({spalten.at(0).toInt(), spalten.at(3).toInt(), spalten.at(4).toInt()});
    }
    return bilder;
}

} // namespace poppler
