#include "building/gebaeude.h"

#include "building/einheitmassnahme.h"

#include "assessment/zahlen.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <dirent.h>

namespace ventoris {

namespace {

// The whole number that starts at 'i', as a text without leading zeros; 'i'
// moves past it.
QStringView ziffernfolge(const QString &s, qsizetype &i)
{
    while (i < s.size() - 1 && s[i] == QLatin1Char('0') && s[i + 1].isDigit())
        ++i;
    const qsizetype anfang = i;
    while (i < s.size() && s[i].isDigit())
        ++i;
    return QStringView(s).mid(anfang, i - anfang);
}

} // namespace

bool ProjektdateiName(const char *name)
{
    const size_t n = std::strlen(name);
    return n > 4 && name[n - 4] == '.' && (name[n - 3] | 0x20) == 'l' && (name[n - 2] | 0x20) == 'k' &&
           (name[n - 1] | 0x20) == 'z';
}

bool DateinameVor(const QString &a, const QString &b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const QStringView x = ziffernfolge(a, i);
            const QStringView y = ziffernfolge(b, j);
            if (x.size() != y.size())
                return x.size() < y.size();
            if (const int c = x.compare(y); c != 0)
                return c < 0;
            continue;
        }
        const QChar x = a[i].toCaseFolded(), y = b[j].toCaseFolded();
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j)
        return a.size() - i < b.size() - j;
    return a < b;
}

bool DateiVor(const TDateiEintrag &a, const TDateiEintrag &b)
{
    return a.name != b.name ? DateinameVor(a.name, b.name) : a.pfad < b.pfad;
}

QVector<TDateiEintrag> ProjektdateienListen(const QString &ordner, QString *fehler)
{
    return ProjektdateienListen(QFile::encodeName(ordner), fehler);
}

QVector<TDateiEintrag> ProjektdateienListen(const QByteArray &ordner, QString *fehler)
{
    QVector<TDateiEintrag> eintraege;
    // Read with the system's own calls, so that a name that is not valid
    // UTF-8 keeps the bytes that open it.
    QByteArray basis = ordner;
    DIR *verzeichnis = ::opendir(basis.constData());
    if (!verzeichnis) {
        if (fehler)
            *fehler = QStringLiteral("Der Ordner „%1“ kann nicht gelesen werden.").arg(QFile::decodeName(ordner));
        return eintraege;
    }
    if (!basis.endsWith('/'))
        basis += '/';
    while (const dirent *e = ::readdir(verzeichnis)) {
        if (!ProjektdateiName(e->d_name))
            continue;
        const QByteArray name(e->d_name);
        eintraege.append({basis + name, QFile::decodeName(name)});
    }
    ::closedir(verzeichnis);
    std::sort(eintraege.begin(), eintraege.end(), DateiVor);
    return eintraege;
}

TEinheit SummeBilden(const QVector<TEinheit> &einheiten)
{
    constexpr int summiert[] = {SpalteFlaeche,      SpalteFeuchteschutz, SpalteReduziert,
                                SpalteNennlueftung, SpalteIntensiv,      SpalteInfiltration};
    double summe[std::size(summiert)] = {};
    int gelesen = 0;
    int erforderlich = 0;
    for (const TEinheit &e : einheiten) {
        if (!e.gelesen)
            continue;
        ++gelesen;
        if (e.massnahme == TMassnahme::Erforderlich)
            ++erforderlich;
        for (size_t k = 0; k < std::size(summiert); ++k)
            summe[k] += DezimalLesen(e.text[size_t(summiert[k])]);
    }
    TEinheit s;
    s.text[SpalteDatei] = QStringLiteral("Summe");
    s.text[SpalteObjekt] = gelesen == 1 ? QStringLiteral("1 Nutzungseinheit")
                                        : QStringLiteral("%1 Nutzungseinheiten").arg(gelesen);
    for (size_t k = 0; k < std::size(summiert); ++k)
        if (std::isfinite(summe[k]))
            s.text[size_t(summiert[k])] = MitEinerNachkommastelle(summe[k]);
    s.text[SpalteMassnahme] = QStringLiteral("%1 von %2 erforderlich").arg(erforderlich).arg(gelesen);
    MassnahmeSummeBilden(s, einheiten);
    return s;
}

TGebaeude GebaeudeLesen(const QString &ordner, TLeseFortschritt *fortschritt)
{
    TGebaeude g = GebaeudeLesen(QFile::encodeName(ordner), fortschritt);
    g.ordner = ordner;
    return g;
}

TGebaeude GebaeudeLesen(const QByteArray &ordner, TLeseFortschritt *fortschritt)
{
    TGebaeude g;
    g.ordner = QFile::decodeName(ordner);
    const QVector<TDateiEintrag> dateien = ProjektdateienListen(ordner, &g.fehler);
    if (fortschritt)
        fortschritt->gesamt = int(dateien.size());
    g.einheiten.reserve(dateien.size());
    for (const TDateiEintrag &d : dateien) {
        if (fortschritt && fortschritt->abbrechen) {
            g.abgebrochen = true;
            break;
        }
        g.einheiten.append(EinheitLesen(d.pfad, d.name));
        if (fortschritt)
            ++fortschritt->fertig;
    }
    g.summe = SummeBilden(g.einheiten);
    return g;
}

} // namespace ventoris
