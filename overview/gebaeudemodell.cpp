#include "overview/gebaeudemodell.h"

#include "assessment/zahlen.h"

#include <QColor>
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

} // namespace

void TGebaeudeModell::Setzen(const TGebaeude &gebaeude)
{
    bool gleicheDateien = gebaeude.einheiten.size() == m_gebaeude.einheiten.size();
    for (qsizetype i = 0; gleicheDateien && i < gebaeude.einheiten.size(); ++i)
        gleicheDateien = gebaeude.einheiten[i].pfad == m_gebaeude.einheiten[i].pfad;
    if (gleicheDateien) {
        m_gebaeude = gebaeude;
        emit dataChanged(index(0, 0), index(rowCount() - 1, SpaltenAnzahl - 1));
        return;
    }
    beginResetModel();
    m_gebaeude = gebaeude;
    endResetModel();
}

const TEinheit &TGebaeudeModell::Einheit(int zeile) const
{
    return IstSumme(zeile) ? m_gebaeude.summe : m_gebaeude.einheiten[zeile];
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
    const int c = QString::localeAwareCompare(a.toString(), b.toString());
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
