#include "overview/uebersichttabelle.h"

#include "app/einstellungen.h"
#include "building/einheit.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>

namespace ventoris {

namespace {

// The columns that lead on screen, in this order; the others follow in the
// model's order, so that columns added later appear at the end.
constexpr int VorneSpalten[] = {SpalteDatei, SpalteObjekt, SpalteMassnahme};

const QString AusgeblendetSchluessel = QStringLiteral("Gebaeudeuebersicht/AusgeblendeteSpalten");

// What both views share in their look.
void einrichten(QTableView *t)
{
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setWordWrap(false);
    t->setTabKeyNavigation(false);
    // headers in two lines, so that the figures' columns stay narrow
    t->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    t->horizontalHeader()->setMinimumHeight(2 * t->fontMetrics().height() + 8);
    t->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
}

// The file names' view paints the selection that it shares, but tells a
// screen reader nothing of it: the reader reads every cell, the selection
// included, from the table below, which holds the keyboard; the view lies
// outside the tree that the reader walks.
class TFesteSpalte : public QTableView
{
public:
    using QTableView::QTableView;

protected:
    void selectionChanged(const QItemSelection &, const QItemSelection &) override { viewport()->update(); }
    // the table's menu of columns, also over the file names
    void contextMenuEvent(QContextMenuEvent *ereignis) override
    {
        static_cast<TUebersichtTabelle *>(parentWidget())->SpaltenmenueZeigen(ereignis->globalPos());
    }
};

} // namespace

TUebersichtTabelle::TUebersichtTabelle(QWidget *eltern) : QTableView(eltern), m_fest(new TFesteSpalte(this))
{
    einrichten(this);
    // pixel by pixel, so that no column hides half under the file names
    setHorizontalScrollMode(ScrollPerPixel);

    m_fest->setObjectName(QStringLiteral("FesteSpalte"));
    einrichten(m_fest);
    m_fest->setFocusProxy(this);
    m_fest->setFrameShape(QFrame::NoFrame);
    m_fest->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fest->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fest->horizontalHeader()->setSectionsClickable(true);
    m_fest->horizontalHeader()->setSortIndicatorShown(true);
    viewport()->stackUnder(m_fest);

    // one position, one width, one sort order for both views
    connect(verticalScrollBar(), &QScrollBar::valueChanged, m_fest->verticalScrollBar(), &QScrollBar::setValue);
    connect(m_fest->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int spalte, int, int breite) {
        if (spalte == SpalteDatei) {
            m_fest->setColumnWidth(spalte, breite);
            festeSpalteEinpassen();
        }
    });
    connect(m_fest->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int spalte, int, int breite) {
        if (spalte == SpalteDatei)
            setColumnWidth(spalte, breite);
    });
    // (a click on the file names' header sorts the table as a click on its own)
    for (QHeaderView *von : {horizontalHeader(), m_fest->horizontalHeader()}) {
        QHeaderView *nach = von == horizontalHeader() ? m_fest->horizontalHeader() : horizontalHeader();
        connect(von, &QHeaderView::sortIndicatorChanged, nach, [nach](int spalte, Qt::SortOrder folge) {
            if (nach->sortIndicatorSection() != spalte || nach->sortIndicatorOrder() != folge)
                nach->setSortIndicator(spalte, folge);
        });
    }
    connect(m_fest, &QAbstractItemView::activated, this, &QAbstractItemView::activated);

    // (a header gives the point in its viewport's coordinates)
    for (QHeaderView *kopf : {horizontalHeader(), m_fest->horizontalHeader()})
        connect(kopf, &QWidget::customContextMenuRequested, this,
                [this, kopf](const QPoint &p) { SpaltenmenueZeigen(kopf->viewport()->mapToGlobal(p)); });
}

void TUebersichtTabelle::contextMenuEvent(QContextMenuEvent *ereignis)
{
    // the menu of columns also from the keyboard (the menu key, Shift+F10)
    SpaltenmenueZeigen(ereignis->globalPos());
}

void TUebersichtTabelle::SpaltenmenueZeigen(const QPoint &global)
{
    // (the menu goes with the table, should the window close meanwhile)
    const QPointer<QMenu> menue = Spaltenmenue();
    menue->exec(global);
    delete menue;
}

void TUebersichtTabelle::setModel(QAbstractItemModel *modell)
{
    QTableView::setModel(modell);
    m_fest->setModel(modell);
    m_fest->setSelectionModel(selectionModel());
    spaltenOrdnen();
}

void TUebersichtTabelle::setSelectionModel(QItemSelectionModel *auswahl)
{
    QTableView::setSelectionModel(auswahl);
    // (setModel() gives the table its selection before the file names' view
    // has the model)
    if (auswahl && m_fest->model() == auswahl->model())
        m_fest->setSelectionModel(auswahl);
}

void TUebersichtTabelle::spaltenOrdnen()
{
    if (!model())
        return;
    QHeaderView *kopf = horizontalHeader();
    for (int i = 0; i < int(std::size(VorneSpalten)); ++i)
        kopf->moveSection(kopf->visualIndex(VorneSpalten[i]), i);
    const QStringList ausgeblendet = EinstellungLesen(AusgeblendetSchluessel).toStringList();
    for (int k = 0; k < model()->columnCount(); ++k) {
        setColumnHidden(k, k != SpalteDatei && ausgeblendet.contains(model()->headerData(k, Qt::Horizontal).toString()));
        m_fest->setColumnHidden(k, k != SpalteDatei);
    }
    festeSpalteEinpassen();
}

QMenu *TUebersichtTabelle::Spaltenmenue()
{
    auto *menue = new QMenu(this);
    menue->setObjectName(QStringLiteral("Spaltenmenue"));
    if (!model())
        return menue;
    const QHeaderView *kopf = horizontalHeader();
    for (int sichtbar = 0; sichtbar < kopf->count(); ++sichtbar) {
        const int k = kopf->logicalIndex(sichtbar);
        if (k == SpalteDatei) // the row's name stays
            continue;
        QAction *a = menue->addAction(model()->headerData(k, Qt::Horizontal).toString());
        a->setCheckable(true);
        a->setChecked(!isColumnHidden(k));
        connect(a, &QAction::toggled, this, [this, k](bool zeigen) {
            setColumnHidden(k, !zeigen);
            ausblendenMerken();
        });
    }
    menue->addSeparator();
    connect(menue->addAction(QStringLiteral("Standard wiederherstellen")), &QAction::triggered, this, [this] {
        for (int k = 0; k < model()->columnCount(); ++k)
            setColumnHidden(k, false);
        ausblendenMerken();
    });
    return menue;
}

void TUebersichtTabelle::ausblendenMerken()
{
    // by their headers, which stay when columns are added
    QStringList ausgeblendet;
    for (int k = 0; k < model()->columnCount(); ++k)
        if (isColumnHidden(k))
            ausgeblendet << model()->headerData(k, Qt::Horizontal).toString();
    EinstellungSchreiben(AusgeblendetSchluessel, ausgeblendet);
}

void TUebersichtTabelle::scrollTo(const QModelIndex &index, ScrollHint hinweis)
{
    const int waagrecht = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hinweis);
    if (!index.isValid() || isColumnHidden(index.column()))
        return;
    if (index.column() == SpalteDatei) {
        // the file names are always in view
        horizontalScrollBar()->setValue(waagrecht);
        return;
    }
    // a cell scrolled under the file names moves out to their right
    const int verdeckt = columnWidth(SpalteDatei) - visualRect(index).left();
    if (verdeckt > 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - verdeckt);
}

void TUebersichtTabelle::resizeEvent(QResizeEvent *ereignis)
{
    QTableView::resizeEvent(ereignis);
    festeSpalteEinpassen();
}

void TUebersichtTabelle::updateGeometries()
{
    QTableView::updateGeometries();
    festeSpalteEinpassen();
}

void TUebersichtTabelle::festeSpalteEinpassen()
{
    const int kopf = horizontalHeader()->height();
    m_fest->horizontalHeader()->setFixedHeight(kopf);
    m_fest->setGeometry(frameWidth(), frameWidth(), columnWidth(SpalteDatei), viewport()->height() + kopf);
}

} // namespace ventoris
