#include "building/steuerzeichen.h"

namespace ventoris {

bool SteuerzeichenErsetzen(QString &text)
{
    bool ersetzt = false;
    for (QChar &c : text) {
        if (c.category() != QChar::Other_Control)
            continue;
        c = c == QLatin1Char('\t') ? QChar(QLatin1Char(' ')) : QChar(QChar::ReplacementCharacter);
        ersetzt = true;
    }
    return ersetzt;
}

} // namespace ventoris
