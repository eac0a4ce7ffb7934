#pragma once

#include <QColor>
#include <QList>

class QLabel;
class QWidget;

// Texts in a colour of the design on a background of the desktop: on a light
// desktop theme they keep the designed colour; on a dark one, where it would
// read too faintly, they take a lighter shade of it with a contrast of at
// least 4.5 : 1 to the background. Follows later changes of the theme.
void FarbeLesbarHalten(QWidget *hintergrund, const QList<QLabel *> &texte, const QColor &farbe);
