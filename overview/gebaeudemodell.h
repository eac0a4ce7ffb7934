#pragma once

#include "building/gebaeude.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QSortFilterProxyModel>

namespace ventoris {

// The overview's rows for a table view: one per unit in file-name order, the
// total last. The measure column is marked by colour besides its words.
class TGebaeudeModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // A file renamed within the folder: its old and its new path.
    struct TUmbenennung {
        QByteArray alt, neu;
    };

    // Shows a new reading. After the first one, only what changed is told to
    // the views (rows inserted, removed, changed), so that the selection, the
    // current row and a screen reader's view of the table stay with their
    // files.
    void Setzen(const TGebaeude &gebaeude);
    // Follows a file renamed within the folder at once: its row keeps its
    // place in the selection and takes its place in file-name order.
    void Umbenennen(const TUmbenennung &umbenennung);
    const TGebaeude &Gebaeude() const { return m_gebaeude; }
    // The unit of a row; the total's row gives the total row as shown.
    const TEinheit &Einheit(int zeile) const;
    bool IstSumme(int zeile) const { return zeile == m_gebaeude.einheiten.size(); }
    // The total row as shown, e.g. of the rows that a filter lets through.
    void SummeSetzen(const TEinheit &summe);
    const TEinheit &AngezeigteSumme() const { return m_summe; }

    int rowCount(const QModelIndex &eltern = {}) const override;
    int columnCount(const QModelIndex &eltern = {}) const override;
    QVariant data(const QModelIndex &index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    int zeileVon(const QByteArray &pfad) const;
    void entfernen(int von, int bis);
    void zeilenGeaendert(int von, int bis);

    TGebaeude m_gebaeude;
    TEinheit m_summe;
    bool m_gezeigt = false;
};

// Sorting by any column, numbers as numbers and texts as a German reader
// expects them ("Lindenstraße 2" before "Lindenstraße 10", whatever the case),
// and narrowing by any text; the total stays last and is never filtered out.
class TGebaeudeFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit TGebaeudeFilter(TGebaeudeModell *modell, QObject *eltern = nullptr);

    // The units that the rows show, in their order on screen, without the total.
    QVector<TEinheit> AngezeigteEinheiten() const;

protected:
    bool lessThan(const QModelIndex &links, const QModelIndex &rechts) const override;
    bool filterAcceptsRow(int zeile, const QModelIndex &eltern) const override;

private:
    TGebaeudeModell *m_modell;
    QCollator m_vergleich;
};

} // namespace ventoris
