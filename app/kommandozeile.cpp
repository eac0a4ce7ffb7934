#include "app/kommandozeile.h"

#include "app/tform1.h"
#include "project/dateifehler.h"
#include "project/rohnamen.h"

#include <QCommandLineParser>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>

using namespace ventoris;

namespace {

// QCommandLineParser's own help text is English; this one is the program's.
const QString Hilfe = QStringLiteral(
    "Aufruf: ventoris [DATEI.lkz]\n"
    "       ventoris --pdf [--ausgabe ORDNER] DATEI.lkz...\n"
    "       ventoris --uebersicht ORDNER [--ausgabe DATEI.csv|DATEI.pdf]\n"
    "Ventoris Lüftungskonzept: Notwendigkeit lüftungstechnischer Maßnahmen nach DIN 1946-6.\n"
    "\n"
    "  DATEI.lkz            öffnet diese Projektdatei beim Start\n"
    "  --pdf                schreibt ohne Fenster für jede Projektdatei das Ergebnisblatt\n"
    "                       als PDF neben die Datei (gleicher Name, Endung .pdf), und wo\n"
    "                       eine Bilanz NAME.massnahme daneben liegt, NAME-massnahme.pdf\n"
    "  --uebersicht ORDNER  schreibt ohne Fenster die Gebäudeübersicht des Ordners als CSV\n"
    "                       auf die Standardausgabe\n"
    "  --ausgabe ZIEL       mit --pdf: der Ordner für die PDF-Dateien;\n"
    "                       mit --uebersicht: die Datei, als PDF, wenn sie auf .pdf endet\n"
    "  --                   beendet die Optionen (für Dateinamen, die mit - beginnen)\n"
    "  -h, --help           zeigt diese Hilfe\n"
    "  -v, --version        zeigt die Version\n"
    "\n"
    "Beispiele:\n"
    "  ventoris --pdf Wohnung_1.lkz \"Wohnung 2.lkz\"\n"
    "  ventoris --pdf --ausgabe Blaetter Haus/*.lkz\n"
    "  ventoris --uebersicht Haus > Haus.csv\n"
    "  ventoris --uebersicht Haus --ausgabe Haus.pdf\n"
    "\n"
    "Ohne Bildschirm öffnet sich kein Fenster; --pdf und --uebersicht brauchen keinen.\n"
    "\n"
    "Rückgabewert: 0 alles geschrieben, 1 mindestens eine Datei fehlgeschlagen, keine Projektdatei\n"
    "im Ordner oder kein Bildschirm für das Fenster, 2 falscher Aufruf, 128 + n nach Signal n\n"
    "(129 nach SIGHUP, 130 nach Strg+C, 143 nach SIGTERM).\n");

TAufruf ende(int status, const QString &text)
{
    TAufruf aufruf;
    aufruf.beenden = true;
    aufruf.status = status;
    aufruf.ausgabe = text;
    return aufruf;
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

// What an option misses when its value is absent.
QString wasFehlt(const QString &name)
{
    return name == QLatin1String("ausgabe") ? QStringLiteral("Ordner oder Datei fehlt.")
                                            : QStringLiteral("Ordner fehlt.");
}

// A value option that got no value: given last, given empty ("--ausgabe="),
// or followed directly by another option, which the parser took for its value.
std::optional<QString> ohneWert(const QCommandLineParser &parser, const QStringList &argumente, bool verstanden)
{
    for (const char *option : {"ausgabe", "uebersicht"}) {
        const QString name = QLatin1String(option);
        const bool zuletzt = !verstanden && argumente.size() > 1 &&
                             (argumente.constLast() == QLatin1String("--") + name ||
                              argumente.constLast() == QLatin1Char('-') + name);
        const QStringList werte = verstanden && parser.isSet(name) ? parser.values(name) : QStringList();
        const bool leer = std::any_of(werte.cbegin(), werte.cend(), [](const QString &wert) {
            static const QStringList optionen = {"--", "-h", "--help", "-v", "--version", "--pdf", "-pdf",
                                                 "--ausgabe", "-ausgabe", "--uebersicht", "-uebersicht"};
            return wert.isEmpty() || optionen.contains(wert);
        });
        if (zuletzt || leer)
            return QStringLiteral("%1: %2").arg(wieGetippt(argumente, name), wasFehlt(name));
    }
    return std::nullopt;
}

// The options of a run without a window, checked for what they need.
TAufruf stapelLesen(const QCommandLineParser &parser, const QStringList &dateien, bool pdf, const QString &ordner,
                    const QString &ziel)
{
    if (pdf && parser.isSet(QStringLiteral("uebersicht")))
        return fehler(QStringLiteral("--pdf und --uebersicht schließen einander aus"));
    if (parser.values(QStringLiteral("ausgabe")).size() > 1 || parser.values(QStringLiteral("uebersicht")).size() > 1)
        return fehler(QStringLiteral("jede Option nur einmal"));
    TAufruf aufruf;
    aufruf.ziel = RohnameBytes(ziel);
    if (pdf) {
        if (dateien.isEmpty())
            return fehler(QStringLiteral("--pdf braucht mindestens eine Projektdatei"));
        aufruf.stapel = TAufruf::Stapel::Pdf;
        for (const QString &datei : dateien)
            aufruf.eingaben << RohnameBytes(datei);
    } else {
        if (!dateien.isEmpty())
            return fehler(QStringLiteral("--uebersicht nimmt nur einen Ordner, keine weiteren Dateien"));
        aufruf.stapel = TAufruf::Stapel::Uebersicht;
        aufruf.eingaben = {RohnameBytes(ordner)};
    }
    return aufruf;
}

} // namespace

TAufruf AufrufLesen(const QStringList &gegeben)
{
    // "--uebersicht -- -x": the "--" ends the options here too, so the folder
    // after it is the option's value, whatever it begins with.
    QStringList argumente = gegeben;
    for (qsizetype i = 1; i + 2 < argumente.size(); ++i) {
        if ((argumente[i] == QLatin1String("--uebersicht") || argumente[i] == QLatin1String("-uebersicht")) &&
            argumente[i + 1] == QLatin1String("--")) {
            argumente[i] = QLatin1String("--uebersicht=") + argumente[i + 2];
            argumente.removeAt(i + 2);
            break;
        }
        if (argumente[i] == QLatin1String("--"))
            break;
    }
    QCommandLineParser parser;
    // "-version" and "-help" as well, as many programs accept them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption hilfe({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString());
    const QCommandLineOption uebersicht(QStringLiteral("uebersicht"), QString(), QStringLiteral("ORDNER"));
    const QCommandLineOption ausgabe(QStringLiteral("ausgabe"), QString(), QStringLiteral("ZIEL"));
    parser.addOptions({version, hilfe, pdf, uebersicht, ausgabe});
    const bool verstanden = parser.parse(argumente);
    if (const std::optional<QString> fehlt = ohneWert(parser, argumente, verstanden))
        return fehler(*fehlt);
    if (!verstanden) {
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
    if (parser.isSet(pdf) || parser.isSet(uebersicht))
        return stapelLesen(parser, dateien, parser.isSet(pdf), parser.value(uebersicht), parser.value(ausgabe));
    if (parser.isSet(ausgabe))
        return fehler(QStringLiteral("--ausgabe gilt nur mit --pdf oder --uebersicht"));
    if (dateien.size() > 1)
        return fehler(QStringLiteral("nur eine Projektdatei möglich, nicht %1").arg(dateien.size()));
    TAufruf aufruf;
    if (!dateien.isEmpty())
        aufruf.datei = AbsoluterPfad(RohnameBytes(dateien.constFirst()));
    return aufruf;
}

int AufrufBeenden(const TAufruf &aufruf)
{
    std::FILE *strom = aufruf.status == 0 ? stdout : stderr;
    errno = 0;
    if ((std::fputs(aufruf.ausgabe.toLocal8Bit().constData(), strom) < 0 || std::fflush(strom) != 0) &&
        strom == stdout) {
        const QString grund = DateiFehler::ausErrno(errno != 0 ? errno : EIO).meldung();
        std::fprintf(stderr, "ventoris: Standardausgabe: %s\n", grund.toUtf8().constData());
        return 1;
    }
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
