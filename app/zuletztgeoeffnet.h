#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class TForm1;

// The submenu "Zuletzt geöffnet" of the menu "Datei": the project files opened
// or saved last, newest first. The list lives in the settings alone, read
// afresh whenever it is needed, so that a new program state and a second
// running program see the same list.
class TZuletztGeoeffnet : public QObject
{
public:
    static constexpr int Hoechstzahl = 8;

    // Adds the submenu to the window's menu "Datei", before the item `davor`.
    TZuletztGeoeffnet(TForm1 &fenster, QAction *davor);

    QMenu *Menue() const { return m_menue; }

    // The files of the list, newest first.
    static QStringList Dateien();
    // Puts the file at the top of the list.
    void Merken(const QString &pfad);

private:
    void speichern(const QStringList &dateien);
    void aufbauen();
    void waehlen(const QString &pfad);

    TForm1 &m_fenster;
    QMenu *m_menue;
};
