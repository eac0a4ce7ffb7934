#pragma once

// A building of many units for the benchmarks: complete cases of existing
// buildings, floor areas from 40 to 139 m².

#include "project/projektsatz.h"

#include <QFile>
#include <QStringList>

inline bool HausAnlegen(const QString &ordner, int anzahl)
{
    ventoris::TProjektSatz projekt;
    const QStringList felder = {"Haus Birke", "Birkenweg 1", "12345 Ort", "01.01.26", "Bearbeiter", "Firma",
                                "Adresse", "EFH als mehrgeschossige Nutzungseinheit", "windschwach", "100", "",
                                "nein", "1980", "nein", "1", "1", "0", "nein", "4,5", "0,667",
                                "mittlerer Gebäudebestand", "niedrig", "50,0", "87,5", "125,0", "162,5", "121,2",
                                "Ergebnis", "Kommentar", "Kommentar"};
    for (int nr = 1; nr <= felder.size(); ++nr)
        projekt.SetzeText(nr, felder[nr - 1]);
    for (int i = 0; i < anzahl; ++i) {
        projekt.SetzeText(10, QString::number(40 + i % 100));
        QFile datei(QStringLiteral("%1/Wohnung_%2.lkz").arg(ordner).arg(i));
        if (!datei.open(QIODevice::WriteOnly) || datei.write(projekt.Bytes()) != projekt.Bytes().size())
            return false;
    }
    return true;
}
