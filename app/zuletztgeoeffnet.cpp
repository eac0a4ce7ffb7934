#include "app/zuletztgeoeffnet.h"

#include "app/einstellungen.h"
#include "app/tform1.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

namespace {

const QString ListenSchluessel = QStringLiteral("Zuletzt/Dateien");

// Entries that cannot name a project file are dropped, so are repeats.
QStringList bereinigt(const QStringList &dateien)
{
    QStringList ergebnis;
    for (const QString &d : dateien) {
        const QString datei = QDir::cleanPath(d);
        if (!d.isEmpty() && QDir::isAbsolutePath(datei) && !ergebnis.contains(datei))
            ergebnis << datei;
    }
    return ergebnis.mid(0, TZuletztGeoeffnet::Hoechstzahl);
}

} // namespace

TZuletztGeoeffnet::TZuletztGeoeffnet(TForm1 &fenster, QAction *davor)
    : QObject(&fenster), m_fenster(fenster), m_menue(new QMenu(QStringLiteral("Zuletzt geöffnet"), fenster.Programm1))
{
    m_menue->setObjectName(QStringLiteral("ZuletztGeoeffnet1"));
    m_menue->setToolTipsVisible(true);
    fenster.Programm1->insertMenu(davor, m_menue);
    // Read again each time the menu opens: another running program may have
    // added a file meanwhile.
    connect(fenster.Programm1, &QMenu::aboutToShow, this, &TZuletztGeoeffnet::aufbauen);
    aufbauen();
}

QStringList TZuletztGeoeffnet::Dateien()
{
    return bereinigt(ventoris::EinstellungLesen(ListenSchluessel).toStringList());
}

void TZuletztGeoeffnet::Merken(const QString &pfad)
{
    QStringList dateien = Dateien();
    const QString datei = QFileInfo(pfad).absoluteFilePath();
    dateien.removeAll(datei);
    dateien.prepend(datei);
    speichern(dateien);
}

void TZuletztGeoeffnet::speichern(const QStringList &dateien)
{
    ventoris::EinstellungSchreiben(ListenSchluessel, bereinigt(dateien));
    aufbauen();
}

void TZuletztGeoeffnet::aufbauen()
{
    // The chosen entry may be the one whose reaction runs now: it goes once
    // that reaction is over.
    for (QAction *alt : m_menue->actions()) {
        m_menue->removeAction(alt);
        alt->deleteLater();
    }
    const QStringList dateien = Dateien();
    for (int i = 0; i < dateien.size(); ++i) {
        const QString &pfad = dateien.at(i);
        QString name = QFileInfo(pfad).fileName();
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *a = m_menue->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        a->setToolTip(QDir::toNativeSeparators(pfad));
        a->setStatusTip(QDir::toNativeSeparators(pfad));
        connect(a, &QAction::triggered, this, [this, pfad] { waehlen(pfad); });
    }
    m_menue->addSeparator();
    QAction *leeren = m_menue->addAction(QStringLiteral("Liste leeren"));
    leeren->setObjectName(QStringLiteral("ListeLeeren1"));
    connect(leeren, &QAction::triggered, this, [this] { speichern({}); });
    m_menue->setEnabled(!dateien.isEmpty());
}

void TZuletztGeoeffnet::waehlen(const QString &pfad)
{
    if (QFileInfo::exists(pfad)) {
        m_fenster.ProjektOeffnen(pfad);
        return;
    }
    QStringList dateien = Dateien();
    dateien.removeAll(pfad);
    speichern(dateien);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Zuletzt geöffnet"),
                    QStringLiteral("Die Projektdatei „%1“ gibt es nicht mehr.\n"
                                   "Sie wird aus der Liste der zuletzt geöffneten Dateien entfernt.")
                        .arg(QDir::toNativeSeparators(pfad)),
                    QMessageBox::Ok, &m_fenster);
    box.setObjectName(QStringLiteral("DateiFehlt"));
    box.exec();
}
