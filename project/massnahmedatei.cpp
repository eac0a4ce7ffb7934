#include "project/massnahmedatei.h"

#include "project/dateilesen.h"
#include "project/dauerhaftschreiben.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>

namespace ventoris {

namespace {

const QString Format = QStringLiteral("ventoris-massnahme");
constexpr int Version = 1;
// A balance is a few hundred bytes; anything far beyond is not one.
constexpr qint64 HoechstGroesse = 1 << 20;

QJsonValue zahl(const QString &text)
{
    const std::optional<double> wert = MassnahmenzahlLesen(text);
    return wert ? QJsonValue(*wert) : QJsonValue(QJsonValue::Null);
}

// A number of the file as the window shows it: decimal comma, no needless
// zeros ("10", "10,5").
QString text(const QJsonValue &wert)
{
    if (!wert.isDouble())
        return QString();
    return QString::number(wert.toDouble(), 'g', 12).replace(QLatin1Char('.'), QLatin1Char(','));
}

std::optional<TMassnahmeEingaben> fehler(QString *hinweis, const QString &text)
{
    if (hinweis)
        *hinweis = QStringLiteral("Maßnahmendatei ") + text;
    return std::nullopt;
}

} // namespace

QByteArray MassnahmePfad(const QByteArray &projektPfad)
{
    QByteArray basis = projektPfad;
    const qsizetype punkt = basis.lastIndexOf('.');
    if (punkt > basis.lastIndexOf('/') + 1)
        basis.truncate(punkt);
    return basis + ".massnahme";
}

QString MassnahmePfad(const QString &projektPfad)
{
    return QFile::decodeName(MassnahmePfad(QFile::encodeName(projektPfad)));
}

QByteArray MassnahmeJson(const TMassnahmeEingaben &e)
{
    QJsonArray raeume;
    for (const TMassnahmeEingaben::TRaum &r : e.abluftraeume)
        raeume.append(QJsonObject{{QStringLiteral("raum"), r.raum},
                                  {QStringLiteral("art"), r.art},
                                  {QStringLiteral("volumenstrom"), zahl(r.volumenstrom)}});
    const QJsonObject wurzel{
        {QStringLiteral("format"), Format},
        {QStringLiteral("version"), Version},
        {QStringLiteral("system"), e.system},
        {QStringLiteral("angerechneteInfiltration"), zahl(e.angerechneteInfiltration)},
        {QStringLiteral("ald"), QJsonObject{{QStringLiteral("volumenstrom"), zahl(e.aldVolumenstrom)},
                                            {QStringLiteral("druckdifferenz"), zahl(e.druckdifferenz)}}},
        {QStringLiteral("abluftraeume"), raeume},
    };
    return QJsonDocument(wurzel).toJson(QJsonDocument::Indented);
}

std::optional<TMassnahmeEingaben> MassnahmeAusJson(const QByteArray &inhalt, QString *hinweis)
{
    QJsonParseError fehlerOrt;
    const QJsonDocument dokument = QJsonDocument::fromJson(inhalt, &fehlerOrt);
    const QJsonObject w = dokument.object();
    if (fehlerOrt.error != QJsonParseError::NoError || !dokument.isObject() ||
        w.value(QStringLiteral("format")).toString() != Format || !w.value(QStringLiteral("version")).isDouble())
        return fehler(hinweis, QStringLiteral("beschädigt"));
    const double version = w.value(QStringLiteral("version")).toDouble();
    if (version > Version)
        return fehler(hinweis, QStringLiteral("aus einer neueren Programmversion (Version %1)").arg(version));
    if (version < 1 || version != int(version))
        return fehler(hinweis, QStringLiteral("beschädigt"));

    TMassnahmeEingaben e;
    e.system = w.value(QStringLiteral("system")).toString();
    if (!massnahme::Systeme().contains(e.system))
        return fehler(hinweis, QStringLiteral("mit unbekanntem System „%1“").arg(e.system));
    e.angerechneteInfiltration = text(w.value(QStringLiteral("angerechneteInfiltration")));
    const QJsonObject ald = w.value(QStringLiteral("ald")).toObject();
    e.aldVolumenstrom = text(ald.value(QStringLiteral("volumenstrom")));
    e.druckdifferenz = text(ald.value(QStringLiteral("druckdifferenz")));
    for (const QJsonValue &wert : w.value(QStringLiteral("abluftraeume")).toArray()) {
        const QJsonObject r = wert.toObject();
        const QString art = r.value(QStringLiteral("art")).toString();
        if (!massnahme::AbluftArtZu(art))
            return fehler(hinweis, QStringLiteral("mit unbekannter Raumart „%1“").arg(art));
        e.abluftraeume.append({r.value(QStringLiteral("raum")).toString(), art,
                               text(r.value(QStringLiteral("volumenstrom")))});
    }
    return e;
}

TMassnahmeGelesen MassnahmeLesen(const QByteArray &sidecarPfad)
{
    TMassnahmeGelesen g;
    const TDateiAnfang datei = DateiAnfangLesen(sidecarPfad, HoechstGroesse + 1);
    if (datei.fehler != 0) {
        g.vorhanden = datei.fehler != ENOENT;
        if (g.vorhanden)
            fehler(&g.hinweis, QStringLiteral("nicht lesbar: ") + DateiFehler::ausErrno(datei.fehler).text());
        return g;
    }
    g.vorhanden = true;
    if (datei.inhalt.size() > HoechstGroesse)
        fehler(&g.hinweis, QStringLiteral("zu groß"));
    else
        g.eingaben = MassnahmeAusJson(datei.inhalt, &g.hinweis);
    return g;
}

std::optional<DateiFehler> MassnahmeSchreiben(const QString &sidecarPfad, const TMassnahmeEingaben &eingaben)
{
    return DauerhaftSchreiben(sidecarPfad, MassnahmeJson(eingaben));
}

} // namespace ventoris
