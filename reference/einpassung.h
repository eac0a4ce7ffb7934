#pragma once

#include <QSize>

class QScrollArea;
class QWidget;

// Keeps windows usable on small screens. Where a window fits the available
// area of its screen, nothing changes; otherwise it opens moved and shrunk to
// fit, and its content scrolls (scroll bars appear only then). The focused
// control is always scrolled into view.
namespace ventoris {

// A scroll area without a frame around content of a fixed least size; the
// content grows with the area.
QScrollArea *RollflaecheAnlegen(QWidget *inhalt, QSize mindestens, QWidget *eltern);

// Fits the window into its screen each time it is shown. Given the designed
// size, the window's children, laid out at fixed places for it, move into a
// scroll area once the window is first polished; without, the window brings
// its own.
void EinpassenEinrichten(QWidget *fenster, QSize entwurf = QSize());

} // namespace ventoris
