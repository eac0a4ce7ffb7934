#include "app/kommandozeile.h"

#include "app/tform1.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

namespace {

// QCommandLineParser's own help text is English; this one is the program's.
const QString Hilfe = QStringLiteral(
    "Aufruf: ventoris [DATEI.lkz]\n"
    "Ventoris Lüftungskonzept: Notwendigkeit lüftungstechnischer Maßnahmen nach DIN 1946-6.\n"
    "\n"
    "  DATEI.lkz       öffnet diese Projektdatei beim Start\n"
    "  -h, --help      zeigt diese Hilfe\n"
    "  -v, --version   zeigt die Version\n");

TAufruf ende(int status, const QString &text)
{
    return {QString(), true, status, text};
}

TAufruf fehler(const QString &text)
{
    return ende(2, QStringLiteral("ventoris: %1 (Hilfe: ventoris --help)\n").arg(text));
}

// The unknown option as it was typed, with one dash or two.
QString wieGetippt(const QStringList &argumente, const QString &name)
{
    const QString einStrich = QLatin1Char('-') + name;
    for (const QString &a : argumente)
        if (a == einStrich || a.startsWith(einStrich + QLatin1Char('=')))
            return einStrich;
    return QLatin1String("--") + name;
}

} // namespace

TAufruf AufrufLesen(const QStringList &argumente)
{
    QCommandLineParser parser;
    // "-version" and "-help" as well, as many programs accept them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption hilfe({QStringLiteral("h"), QStringLiteral("help")}, QString());
    parser.addOption(version);
    parser.addOption(hilfe);
    if (!parser.parse(argumente)) {
        const QStringList unbekannt = parser.unknownOptionNames();
        if (unbekannt.isEmpty())
            return fehler(QStringLiteral("Aufruf nicht verstanden"));
        return fehler(QStringLiteral("unbekannte Option „%1“").arg(wieGetippt(argumente, unbekannt.constFirst())));
    }
    if (parser.isSet(hilfe))
        return ende(0, Hilfe);
    if (parser.isSet(version))
        return ende(0, QStringLiteral("Ventoris Lüftungskonzept " VENTORIS_VERSION "\n"));
    const QStringList dateien = parser.positionalArguments();
    if (dateien.size() > 1)
        return fehler(QStringLiteral("nur eine Projektdatei möglich, nicht %1").arg(dateien.size()));
    TAufruf aufruf;
    if (!dateien.isEmpty())
        aufruf.datei = QFileInfo(dateien.constFirst()).absoluteFilePath();
    return aufruf;
}

int AufrufBeenden(const TAufruf &aufruf)
{
    std::fputs(aufruf.ausgabe.toLocal8Bit().constData(), aufruf.status == 0 ? stdout : stderr);
    return aufruf.status;
}

void AufrufDateiOeffnen(TForm1 &hauptfenster, const TAufruf &aufruf)
{
    if (aufruf.datei.isEmpty())
        return;
    QTimer::singleShot(0, &hauptfenster, [&hauptfenster, datei = aufruf.datei] {
        hauptfenster.ProjektOeffnen(datei);
    });
}
