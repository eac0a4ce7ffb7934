#pragma once

// The building overview's engine: every project file of one folder read and
// computed, and their total. No widgets: the overview window, its printed
// table and the command line share it.

#include "building/einheit.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <atomic>

namespace ventoris {

// A project file found in a folder: its path in the file system's own bytes
// and its name as shown.
struct TDateiEintrag {
    QByteArray pfad;
    QString name;
};

// Every entry of the folder whose name ends in ".lkz" in any case (subfolders
// are not searched; a folder or pipe so named is listed too, so that its row
// can say what it is), in file-name order. 'fehler' receives why the folder
// could not be read.
QVector<TDateiEintrag> ProjektdateienListen(const QString &ordner, QString *fehler = nullptr);
// The same for a folder named in the file system's own bytes.
QVector<TDateiEintrag> ProjektdateienListen(const QByteArray &ordner, QString *fehler = nullptr);

// File-name order: case-insensitive, runs of digits by their value
// ("Wohnung 2" before "Wohnung 10").
bool DateinameVor(const QString &a, const QString &b);
// The order of the listed files: by name, and names that decode alike (from
// bytes that are not UTF-8) by their bytes.
bool DateiVor(const TDateiEintrag &a, const TDateiEintrag &b);
// Whether a file name ends in ".lkz", in any case.
bool ProjektdateiName(const char *name);

// Progress of a reading, shared with the thread that shows it.
struct TLeseFortschritt {
    std::atomic<int> gesamt{0};
    std::atomic<int> fertig{0};
    std::atomic<bool> abbrechen{false};
};

struct TGebaeude {
    QString ordner;
    QVector<TEinheit> einheiten; // in file-name order
    TEinheit summe;
    QString fehler;           // why the folder itself could not be read
    bool abgebrochen = false; // stopped through TLeseFortschritt::abbrechen
};

// Reads and computes every project file of the folder. Nothing of a single
// file stops the reading: a file that gives no record keeps its row with a
// note.
TGebaeude GebaeudeLesen(const QString &ordner, TLeseFortschritt *fortschritt = nullptr);
// The same for a folder named in the file system's own bytes (the paths of
// its units then start with these bytes).
TGebaeude GebaeudeLesen(const QByteArray &ordner, TLeseFortschritt *fortschritt = nullptr);

// The total row: the number of units read, the sums of the floor area and of
// the five flows as shown in their columns, and how many units need a measure.
// Rows of files that gave no record count nowhere.
TEinheit SummeBilden(const QVector<TEinheit> &einheiten);

} // namespace ventoris
