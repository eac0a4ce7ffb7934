#include "app/einstellungen.h"

#include "reference/adressen.h"

#include <QCoreApplication>
#include <QSettings>

#include <memory>

namespace ventoris {

namespace {

// The layout of the settings that this program writes; a later one may mean
// other things by the same keys.
constexpr int EinstellungsVersion = 1;
const QString VersionSchluessel = QStringLiteral("Version");

enum class Zustand { brauchbar, beschaedigt, neuer };

// Every file that this program writes names its version. QSettings reports a
// damaged file only to the first reader of a run, so a file without a version
// counts as damaged too (its first line is gone, or it is no file of ours).
Zustand zustand(const QSettings &s)
{
    if (s.status() != QSettings::NoError)
        return Zustand::beschaedigt;
    const QVariant version = s.value(VersionSchluessel);
    if (!version.isValid())
        return s.allKeys().isEmpty() ? Zustand::brauchbar : Zustand::beschaedigt;
    bool zahl = false;
    const int nummer = version.toInt(&zahl);
    if (!zahl || nummer < 1)
        return Zustand::beschaedigt;
    return nummer > EinstellungsVersion ? Zustand::neuer : Zustand::brauchbar;
}

// The user's own file alone: no defaults of the system or the organisation.
std::unique_ptr<QSettings> oeffnen()
{
    ProgrammNamenSetzen();
    auto s = std::make_unique<QSettings>();
    s->setFallbacksEnabled(false);
    return s;
}

} // namespace

void ProgrammNamenSetzen()
{
    if (!QCoreApplication::organizationName().isEmpty())
        return;
    QCoreApplication::setOrganizationName(QString::fromUtf8(EntwicklerName));
    // the program's command, as the desktop knows its windows
    QCoreApplication::setApplicationName(QStringLiteral("ventoris"));
}

QVariant EinstellungLesen(const QString &schluessel)
{
    const auto s = oeffnen();
    return zustand(*s) == Zustand::brauchbar ? s->value(schluessel) : QVariant();
}

void EinstellungSchreiben(const QString &schluessel, const QVariant &wert)
{
    const auto s = oeffnen();
    switch (zustand(*s)) {
    case Zustand::neuer:
        return;
    case Zustand::beschaedigt:
        s->clear();
        break;
    case Zustand::brauchbar:
        break;
    }
    s->setValue(VersionSchluessel, EinstellungsVersion);
    s->setValue(schluessel, wert);
    s->sync();
}

} // namespace ventoris
