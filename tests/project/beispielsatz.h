#pragma once

// Project files of each layout with one complete case, for the tests that open
// them.

#include "satztabelle.h"

#include <QFile>
#include <QList>
#include <QTest>

#include <utility>

// A record of one of the three layouts (spalte 0, 1, 2) with a complete case.
inline QByteArray altSatz(int spalte)
{
    QByteArray satz(satztabelle::laengen[size_t(spalte)], '\0');
    const QList<std::pair<int, QByteArray>> felder = {
        {1, "Haus Birke"}, {2, "Birkenweg 1"}, {4, "01.01.99"},
        {8, "EFH als mehrgeschossige Nutzungseinheit"}, {9, "windschwach"}, {10, "100"},
        {12, "nein"}, {13, "1980"}, {14, "nein"}, {15, "1"}, {16, "1"}, {17, "0"},
        {18, "nein"}, {19, "4,5"}, {20, "0,667"}, {21, "mittlerer Geb\xe4udebestand"},
        {22, "niedrig"}, {23, "50,0"}, {24, "87,5"}, {25, "125,0"}, {26, "162,5"},
        {27, "121,2"}, {28, "gespeichertes Ergebnis"}, {29, "Kommentar A"}, {30, "Kommentar B"}};
    for (const auto &[nr, text] : felder)
        if (satztabelle::lagen[size_t(nr - 1)][size_t(spalte)].offset >= 0)
            satztabelle::feldSetzen(satz, spalte, nr, text);
    return satz;
}

inline void schreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
}
