#pragma once

#include "building/gebaeude.h"

#include <QByteArray>

#include <functional>

// The overview's progress on a terminal, as --pdf shows its own: one line that
// the next overwrites, and nothing where standard error is no terminal.
class TUebersichtFortschritt
{
public:
    TUebersichtFortschritt();
    ~TUebersichtFortschritt();
    // Reads the building; the line counts the files read ("Lesen 120/2000").
    ventoris::TGebaeude Lesen(const QByteArray &ordner);
    // For the printed overview: the line counts the pages ("Seite 3/184").
    std::function<void(int)> Seiten(int gesamt);
    // Clears the line, before a failure line or the end.
    void platzMachen();

private:
    bool m_an;
};
