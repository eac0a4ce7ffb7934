#include "reference/einpassung.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

namespace ventoris {

namespace {

// The frame that the desktop draws around a window: known once the window or
// the main window has been shown; before that a title bar is assumed.
QMargins rahmen(const QWidget *fenster, const QWidget *bezug)
{
    for (const QWidget *w : {fenster, bezug}) {
        const QMargins m = w->windowHandle() ? w->windowHandle()->frameMargins() : QMargins();
        if (!m.isNull())
            return m;
    }
    return {0, fenster->style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0};
}

// The room the window lacks in one direction because its content scrolls in
// the other and the scroll bar takes room.
QSize balkenZuschlag(QWidget *fenster)
{
    auto *flaeche = fenster->findChild<QScrollArea *>(QString(), Qt::FindDirectChildrenOnly);
    if (!flaeche || !flaeche->widget() || !fenster->layout())
        return {};
    fenster->layout()->activate();
    const QSize sicht = flaeche->size();
    const QSize noetig = flaeche->widget()->minimumSize();
    const int balken = flaeche->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, flaeche);
    QSize zuschlag(0, 0);
    if (noetig.height() > sicht.height())
        zuschlag.setWidth(qMax(0, noetig.width() + balken - sicht.width()));
    if (noetig.width() > sicht.width())
        zuschlag.setHeight(qMax(0, noetig.height() + balken - sicht.height()));
    return zuschlag;
}

void einpassen(QWidget *fenster)
{
    // Only a real screen has edges to lose a window behind; a window drawn
    // offscreen (its nominal screen is a mere 800 x 600) keeps its design.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    // A secondary window opens beside the main window, on its screen.
    const QWidget *bezug = fenster->parentWidget() ? fenster->parentWidget()->window() : fenster;
    const QScreen *schirm = bezug->screen();
    if (!schirm)
        return;
    const QRect frei = schirm->availableGeometry();
    const QMargins rand = rahmen(fenster, bezug);
    const QSize hoechstens = frei.size().shrunkBy(rand);
    const bool geschrumpft = fenster->size().boundedTo(hoechstens) != fenster->size();
    if (geschrumpft) {
        fenster->resize(fenster->size().boundedTo(hoechstens));
        // A scroll bar takes room from the other direction; where the screen
        // has that room, the window grows by it, so one scroll bar suffices.
        fenster->resize((fenster->size() + balkenZuschlag(fenster)).boundedTo(hoechstens));
    }
    const QSize groesse = fenster->size();
    // Only a window that was placed, or that had to shrink, is moved; the
    // desktop places the others.
    if (!geschrumpft && !fenster->testAttribute(Qt::WA_Moved))
        return;
    const QRect aussen(fenster->pos(), groesse.grownBy(rand));
    const QPoint ziel(qBound(frei.left(), aussen.left(), frei.right() + 1 - aussen.width()),
                      qBound(frei.top(), aussen.top(), frei.bottom() + 1 - aussen.height()));
    if (ziel != aussen.topLeft())
        fenster->move(ziel);
}

// Moves the window's children into a scroll area that fills the window.
void inhaltRollbar(QWidget *fenster, QSize entwurf)
{
    auto *inhalt = new QWidget;
    for (QObject *o : fenster->children()) {
        auto *kind = qobject_cast<QWidget *>(o);
        if (!kind || kind->isWindow())
            continue;
        const bool verborgen = kind->isHidden();
        kind->setParent(inhalt);
        kind->setVisible(!verborgen);
    }
    auto *zeile = new QVBoxLayout(fenster);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->addWidget(RollflaecheAnlegen(inhalt, entwurf, fenster));
}

class TEinpassung : public QObject
{
public:
    TEinpassung(QWidget *fenster, QSize entwurf) : QObject(fenster), m_entwurf(entwurf) {}

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override
    {
        auto *fenster = static_cast<QWidget *>(objekt);
        if (ereignis->type() == QEvent::Polish && m_entwurf.isValid()) {
            inhaltRollbar(fenster, m_entwurf);
            m_entwurf = QSize();
        } else if (ereignis->type() == QEvent::Show && !ereignis->spontaneous()) {
            einpassen(fenster);
        }
        return false;
    }

private:
    // Valid until the children have moved into the scroll area.
    QSize m_entwurf;
};

} // namespace

QScrollArea *RollflaecheAnlegen(QWidget *inhalt, QSize mindestens, QWidget *eltern)
{
    auto *flaeche = new QScrollArea(eltern);
    flaeche->setFrameShape(QFrame::NoFrame);
    flaeche->setFocusPolicy(Qt::NoFocus);
    flaeche->setWidgetResizable(true);
    // A grabbed touch gesture makes Qt check every event of every control
    // inside for gestures, a cost on each keystroke; wheel, scroll bars and
    // keys scroll as before.
    flaeche->viewport()->ungrabGesture(Qt::PanGesture);
    inhalt->setMinimumSize(mindestens);
    flaeche->setWidget(inhalt);
    // Whatever moves the focus, by Tab, by mouse or by a screen reader, the
    // focused control comes into view.
    QObject::connect(qApp, &QApplication::focusChanged, flaeche, [flaeche](QWidget *, QWidget *jetzt) {
        if (jetzt && flaeche->widget() && flaeche->widget()->isAncestorOf(jetzt))
            flaeche->ensureWidgetVisible(jetzt);
    });
    return flaeche;
}

void EinpassenEinrichten(QWidget *fenster, QSize entwurf)
{
    fenster->installEventFilter(new TEinpassung(fenster, entwurf));
}

} // namespace ventoris
