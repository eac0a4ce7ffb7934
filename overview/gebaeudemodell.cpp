#include "overview/gebaeudemodell.h"

#include "assessment/zahlen.h"

#include <QColor>
#include <QFile>
#include <QFont>

namespace ventoris {

namespace {

// Light colours under black text, readable on every theme.
QVariant massnahmeFarbe(TMassnahme m)
{
    switch (m) {
    case TMassnahme::Erforderlich:
        return QColor(255, 214, 214);
    case TMassnahme::NichtErforderlich:
        return QColor(214, 240, 214);
    case TMassnahme::Abluft:
        return QColor(214, 226, 255);
    case TMassnahme::Keine:
        break;
    }
    return {};
}

bool gleich(const TEinheit &a, const TEinheit &b)
{
    return a.text == b.text && a.gelesen == b.gelesen && a.massnahme == b.massnahme;
}

bool vor(const TEinheit &a, const TEinheit &b)
{
    return DateiVor({a.pfad, a.text[SpalteDatei]}, {b.pfad, b.text[SpalteDatei]});
}

} // namespace

void TGebaeudeModell::Setzen(const TGebaeude &gebaeude)
{
    if (!m_gezeigt) {
        beginResetModel();
        m_gebaeude = gebaeude;
        m_summe = gebaeude.summe;
        m_gezeigt = true;
        endResetModel();
        return;
    }
    // Both lists are in file-name order, so one walk pairs the files, removes
    // the rows of files that are gone and inserts the new ones, each run of
    // rows at once.
    QVector<TEinheit> &alt = m_gebaeude.einheiten;
    const QVector<TEinheit> &neu = gebaeude.einheiten;
    qsizetype i = 0, j = 0;
    while (i < alt.size() || j < neu.size()) {
        const auto gepaart = [&] { return i < alt.size() && j < neu.size() && alt[i].pfad == neu[j].pfad; };
        if (gepaart()) {
            const qsizetype ab = i;
            while (gepaart() && !gleich(alt[i], neu[j]))
                alt[i++] = neu[j++];
            if (i > ab) {
                zeilenGeaendert(int(ab), int(i - 1));
            } else {
                ++i;
                ++j;
            }
            continue;
        }
        if (j == neu.size() || (i < alt.size() && vor(alt[i], neu[j]))) {
            qsizetype bis = i + 1;
            while (bis < alt.size() && (j == neu.size() || vor(alt[bis], neu[j])))
                ++bis;
            entfernen(int(i), int(bis - 1));
            continue;
        }
        qsizetype bis = j + 1;
        while (bis < neu.size() && (i == alt.size() || vor(neu[bis], alt[i])))
            ++bis;
        beginInsertRows({}, int(i), int(i + bis - j - 1));
        alt = alt.mid(0, i) + neu.mid(j, bis - j) + alt.mid(i);
        endInsertRows();
        i += bis - j;
        j = bis;
    }
    m_gebaeude.ordner = gebaeude.ordner;
    m_gebaeude.summe = gebaeude.summe;
    m_gebaeude.fehler = gebaeude.fehler;
    m_gebaeude.abgebrochen = gebaeude.abgebrochen;
    SummeSetzen(gebaeude.summe);
}

void TGebaeudeModell::Umbenennen(const TUmbenennung &umbenennung)
{
    if (!m_gezeigt || umbenennung.alt == umbenennung.neu || zeileVon(umbenennung.alt) < 0)
        return;
    // a file replaced by the renamed one is gone
    if (const int ersetzt = zeileVon(umbenennung.neu); ersetzt >= 0)
        entfernen(ersetzt, ersetzt);
    QVector<TEinheit> &liste = m_gebaeude.einheiten;
    const int von = zeileVon(umbenennung.alt);
    TEinheit e = liste[von];
    e.pfad = umbenennung.neu;
    e.text[SpalteDatei] = QFile::decodeName(umbenennung.neu.mid(umbenennung.neu.lastIndexOf('/') + 1));
    int ziel = 0; // its row among the others
    for (int k = 0; k < liste.size(); ++k)
        ziel += k != von && vor(liste[k], e);
    // beginMoveRows counts the destination among the rows before the move
    const int davor = ziel < von ? ziel : ziel + 1;
    if (davor != von && davor != von + 1 && beginMoveRows({}, von, von, {}, davor)) {
        liste.removeAt(von);
        liste.insert(ziel, e);
        endMoveRows();
    } else {
        liste[von] = e;
        ziel = von;
    }
    zeilenGeaendert(ziel, ziel);
}

void TGebaeudeModell::SummeSetzen(const TEinheit &summe)
{
    if (gleich(summe, m_summe))
        return;
    m_summe = summe;
    const int zeile = int(m_gebaeude.einheiten.size());
    emit dataChanged(index(zeile, 0), index(zeile, SpaltenAnzahl - 1));
}

int TGebaeudeModell::zeileVon(const QByteArray &pfad) const
{
    for (int k = 0; k < m_gebaeude.einheiten.size(); ++k)
        if (m_gebaeude.einheiten[k].pfad == pfad)
            return k;
    return -1;
}

void TGebaeudeModell::entfernen(int von, int bis)
{
    beginRemoveRows({}, von, bis);
    m_gebaeude.einheiten.remove(von, bis - von + 1);
    endRemoveRows();
}

void TGebaeudeModell::zeilenGeaendert(int von, int bis)
{
    emit dataChanged(index(von, 0), index(bis, SpaltenAnzahl - 1));
}

const TEinheit &TGebaeudeModell::Einheit(int zeile) const
{
    return IstSumme(zeile) ? m_summe : m_gebaeude.einheiten[zeile];
}

int TGebaeudeModell::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : int(m_gebaeude.einheiten.size()) + 1;
}

int TGebaeudeModell::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : SpaltenAnzahl;
}

QVariant TGebaeudeModell::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TEinheit &e = Einheit(index.row());
    const QString &text = e.text[size_t(index.column())];
    switch (rolle) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return text;
    case Qt::UserRole: // the sort key
        if (IstZahlenspalte(index.column()))
            return text.isEmpty() ? -1.0 : DezimalLesen(text);
        return text;
    case Qt::TextAlignmentRole:
        return IstZahlenspalte(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::BackgroundRole:
        return index.column() == SpalteMassnahme ? massnahmeFarbe(e.massnahme) : QVariant();
    case Qt::ForegroundRole:
        return index.column() == SpalteMassnahme && e.massnahme != TMassnahme::Keine ? QVariant(QColor(Qt::black))
                                                                                    : QVariant();
    case Qt::FontRole:
        if (IstSumme(index.row())) {
            QFont fett;
            fett.setBold(true);
            return fett;
        }
        return {};
    default:
        return {};
    }
}

QVariant TGebaeudeModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung == Qt::Horizontal && (rolle == Qt::DisplayRole || rolle == Qt::AccessibleTextRole))
        return SpaltenKoepfe().value(abschnitt);
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}

TGebaeudeFilter::TGebaeudeFilter(TGebaeudeModell *modell, QObject *eltern)
    : QSortFilterProxyModel(eltern), m_modell(modell)
{
    setSourceModel(modell);
    setSortRole(Qt::UserRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setFilterCaseSensitivity(Qt::CaseInsensitive);
    setFilterKeyColumn(-1);
    m_vergleich.setLocale(QLocale(QLocale::German, QLocale::Germany));
    m_vergleich.setNumericMode(true);
    m_vergleich.setCaseSensitivity(Qt::CaseInsensitive);
}

QVector<TEinheit> TGebaeudeFilter::AngezeigteEinheiten() const
{
    QVector<TEinheit> einheiten;
    einheiten.reserve(rowCount());
    for (int z = 0; z < rowCount(); ++z) {
        const int zeile = mapToSource(index(z, 0)).row();
        if (!m_modell->IstSumme(zeile))
            einheiten.append(m_modell->Einheit(zeile));
    }
    return einheiten;
}

bool TGebaeudeFilter::lessThan(const QModelIndex &links, const QModelIndex &rechts) const
{
    // The total is the greatest row in ascending order and the least in
    // descending order, so that it always ends the table.
    const bool ab = sortOrder() == Qt::AscendingOrder;
    if (m_modell->IstSumme(links.row()))
        return !ab;
    if (m_modell->IstSumme(rechts.row()))
        return ab;
    const QVariant a = links.data(Qt::UserRole), b = rechts.data(Qt::UserRole);
    if (a.userType() == QMetaType::Double)
        return a.toDouble() < b.toDouble();
    const int c = m_vergleich.compare(a.toString(), b.toString());
    if (c != 0)
        return c < 0;
    return DateinameVor(m_modell->Einheit(links.row()).text[SpalteDatei],
                        m_modell->Einheit(rechts.row()).text[SpalteDatei]);
}

bool TGebaeudeFilter::filterAcceptsRow(int zeile, const QModelIndex &eltern) const
{
    return m_modell->IstSumme(zeile) || QSortFilterProxyModel::filterAcceptsRow(zeile, eltern);
}

} // namespace ventoris
