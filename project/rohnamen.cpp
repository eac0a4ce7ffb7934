#include "project/rohnamen.h"

#include <QDir>

#include <climits>
#include <unistd.h>

namespace ventoris {

namespace {

// Length of the valid UTF-8 sequence that starts at i, or 0 where none does
// (no overlong forms, no encoded surrogates, nothing beyond U+10FFFF).
int folgenLaenge(const QByteArray &b, qsizetype i)
{
    const uchar c = uchar(b[i]);
    if (c < 0x80)
        return 1;
    int n = 0;
    uchar unten = 0x80, oben = 0xBF; // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        unten = c == 0xE0 ? 0xA0 : 0x80;
        oben = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        unten = c == 0xF0 ? 0x90 : 0x80;
        oben = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + n > b.size())
        return 0;
    for (int k = 1; k < n; ++k) {
        const uchar f = uchar(b[i + k]);
        if (f < (k == 1 ? unten : 0x80) || f > (k == 1 ? oben : 0xBF))
            return 0;
    }
    return n;
}

} // namespace

QString RohnameText(const QByteArray &bytes)
{
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const int n = folgenLaenge(bytes, i);
        if (n == 0) {
            text += QChar(char16_t(0xDC00 + uchar(bytes[i])));
            ++i;
        } else {
            text += QString::fromUtf8(bytes.constData() + i, n);
            i += n;
        }
    }
    return text;
}

QByteArray RohnameBytes(const QString &text)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            bytes += QStringView(text).mid(i, 2).toUtf8();
            ++i;
        } else if (c >= 0xDC80 && c <= 0xDCFF) {
            bytes += char(c - 0xDC00);
        } else {
            bytes += QStringView(text).mid(i, 1).toUtf8();
        }
    }
    return bytes;
}

QByteArray RohnameFuerMeldung(const QByteArray &bytes)
{
    QByteArray zeile;
    for (const char c : bytes) {
        const uchar u = uchar(c);
        if (u >= 0x20 && u != 0x7F)
            zeile += c;
        else if (c == '\n')
            zeile += "\\n";
        else if (c == '\r')
            zeile += "\\r";
        else if (c == '\t')
            zeile += "\\t";
        else
            zeile += "\\x" + QByteArray::number(u, 16).rightJustified(2, '0');
    }
    return zeile;
}

QByteArray AbsoluterPfad(const QByteArray &pfad)
{
    QByteArray absolut = pfad;
    if (!pfad.startsWith('/')) {
        char hier[PATH_MAX];
        if (::getcwd(hier, sizeof hier))
            absolut = QByteArray(hier) + '/' + pfad;
    }
    return RohnameBytes(QDir::cleanPath(RohnameText(absolut)));
}

QByteArray OrdnerVon(const QByteArray &pfad)
{
    const qsizetype strich = pfad.lastIndexOf('/');
    return strich < 0 ? QByteArray(".") : strich == 0 ? QByteArray("/") : pfad.left(strich);
}

QByteArray NameVon(const QByteArray &pfad)
{
    return pfad.mid(pfad.lastIndexOf('/') + 1);
}

} // namespace ventoris
