#pragma once

#include "project/projektdatei.h"

#include <QByteArray>
#include <QString>

namespace ventoris {

// Why a project file gave no record, in the few words that the overview's
// note and the command line's line both show ("zu kurz (0 Bytes)", "ein
// Ordner, keine Projektdatei", "Verknüpfung ohne Ziel" ...).
QString LeseGrund(const SatzLeseErgebnis &gelesen, const QByteArray &lokalerPfad);

} // namespace ventoris
