#pragma once

#include <QTableView>

class QMenu;

namespace ventoris {

// The overview's table. It shows the unit and its verdict first (the model's
// own column order, which the CSV keeps, stays as it is), keeps the file
// names in view while the other columns scroll sideways, and lets the user
// hide and show columns from the header's context menu (or the table's, by
// the keyboard), remembered between runs. Tab leaves the table; the arrow
// keys move between its cells.
class TUebersichtTabelle : public QTableView
{
    Q_OBJECT
public:
    explicit TUebersichtTabelle(QWidget *eltern);

    void setModel(QAbstractItemModel *modell) override;
    void setSelectionModel(QItemSelectionModel *auswahl) override;
    void scrollTo(const QModelIndex &index, ScrollHint hinweis = EnsureVisible) override;

    // The view of the file names laid over the table's left edge: the same
    // model and selection, only the file-name column. It never takes the
    // keyboard itself, so Tab passes it by and a click on it gives the
    // keyboard to the table.
    QTableView *FesteSpalte() const { return m_fest; }

    // The context menu of the columns, new for the caller to show and
    // delete: one checkable item per column that may be hidden, in the order
    // on screen, then "Standard wiederherstellen".
    QMenu *Spaltenmenue();
    // Shows that menu at a point of the screen.
    void SpaltenmenueZeigen(const QPoint &global);

protected:
    void contextMenuEvent(QContextMenuEvent *ereignis) override;
    void resizeEvent(QResizeEvent *ereignis) override;
    void updateGeometries() override;

private:
    void spaltenOrdnen();
    void ausblendenMerken();
    void festeSpalteEinpassen();

    QTableView *m_fest;
};

} // namespace ventoris
