#pragma once

#include "building/gebaeude.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

namespace ventoris {

// The overview's rows for a table view: one per unit in file-name order, the
// total last. The measure column is marked by colour besides its words.
class TGebaeudeModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows a new reading; rows of the same files are updated in place, so
    // that the selection and the scroll position stay.
    void Setzen(const TGebaeude &gebaeude);
    const TGebaeude &Gebaeude() const { return m_gebaeude; }
    // The unit of a row; the total's row gives the total.
    const TEinheit &Einheit(int zeile) const;
    bool IstSumme(int zeile) const { return zeile == m_gebaeude.einheiten.size(); }

    int rowCount(const QModelIndex &eltern = {}) const override;
    int columnCount(const QModelIndex &eltern = {}) const override;
    QVariant data(const QModelIndex &index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    TGebaeude m_gebaeude;
};

// Sorting by any column, numbers as numbers, and narrowing by any text; the
// total stays last and is never filtered out.
class TGebaeudeFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit TGebaeudeFilter(TGebaeudeModell *modell, QObject *eltern = nullptr);

protected:
    bool lessThan(const QModelIndex &links, const QModelIndex &rechts) const override;
    bool filterAcceptsRow(int zeile, const QModelIndex &eltern) const override;

private:
    TGebaeudeModell *m_modell;
};

} // namespace ventoris
