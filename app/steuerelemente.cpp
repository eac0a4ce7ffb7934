#include "app/steuerelemente.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

TAuswahlfeld::TAuswahlfeld(const QString &name, const QStringList &eintraege, const QString &text,
                           QWidget *parent)
    : QComboBox(parent)
{
    setObjectName(name);
    // Editable through an edit line of its own: setEditable() would also build
    // the drop-down list at once, which the box builds when first opened.
    setLineEdit(new QLineEdit(this));
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    addItems(eintraege);
    setMaxVisibleItems(eintraege.size());
    setEditText(text);
    // The box would otherwise replace a typed text by a list item that differs
    // only in case when the field loses the focus ("Ja" -> "ja").
    disconnect(lineEdit(), SIGNAL(editingFinished()), this, nullptr);
    connect(this, &QComboBox::textActivated, this, &TAuswahlfeld::Change);
    connect(lineEdit(), &QLineEdit::textEdited, this, &TAuswahlfeld::Change);
}

void TAuswahlfeld::TextSetzen(const QString &text)
{
    if (currentText() != text)
        setEditText(text);
}

TRadioGroup::TRadioGroup(const QString &name, const QString &titel, QWidget *parent)
    : QGroupBox(titel, parent)
{
    setObjectName(name);
    auto *zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(8, 2, 8, 2);
    const QString texte[2] = {QStringLiteral("ja"), QStringLiteral("nein")};
    for (int i = 0; i < 2; ++i) {
        m_knoepfe[i] = new QRadioButton(texte[i], this);
        zeile->addWidget(m_knoepfe[i]);
        connect(m_knoepfe[i], &QRadioButton::toggled, this, &TRadioGroup::knopfUmgeschaltet);
    }
}

int TRadioGroup::ItemIndex() const
{
    for (int i = 0; i < 2; ++i)
        if (m_knoepfe[i]->isChecked())
            return i;
    return -1;
}

void TRadioGroup::SetItemIndex(int index)
{
    index = qBound(-1, index, 1);
    if (index == ItemIndex())
        return;
    m_programmSetzt = true;
    if (index < 0) {
        for (QRadioButton *knopf : m_knoepfe) {
            knopf->setAutoExclusive(false);
            knopf->setChecked(false);
            knopf->setAutoExclusive(true);
        }
    } else {
        m_knoepfe[index]->setChecked(true);
    }
    m_programmSetzt = false;
    if (index >= 0)
        emit Click();
}

void TRadioGroup::knopfUmgeschaltet(bool an)
{
    if (an && !m_programmSetzt)
        emit Click();
}

TCheckListBox::TCheckListBox(const QString &name, const QStringList &eintraege, QWidget *parent)
    : QListWidget(parent)
{
    setObjectName(name);
    for (const QString &text : eintraege) {
        auto *eintrag = new QListWidgetItem(text, this);
        eintrag->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        eintrag->setCheckState(Qt::Unchecked);
    }
}

bool TCheckListBox::Checked(int index) const
{
    return item(index)->checkState() == Qt::Checked;
}

void TCheckListBox::SetChecked(int index, bool an)
{
    item(index)->setCheckState(an ? Qt::Checked : Qt::Unchecked);
}

void TCheckListBox::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event); // toggles a tick hit by the click
    if (event->button() == Qt::LeftButton)
        emit Click();
}

void TCheckListBox::keyPressEvent(QKeyEvent *event)
{
    QListWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Space && currentItem())
        emit Click();
}

namespace {

// The picture file, or on a screen at 200 % its twin with twice the pixels
// ("name@2x.jpg"), so that it is as sharp as the text.
QPixmap bildLaden(const QString &datei)
{
    if (qApp->devicePixelRatio() > 1) {
        const int punkt = int(datei.lastIndexOf(QLatin1Char('.')));
        const QString doppelt = datei.left(punkt) + QStringLiteral("@2x") + datei.mid(punkt);
        if (QFile::exists(doppelt)) {
            QPixmap bild(doppelt);
            bild.setDevicePixelRatio(2);
            return bild;
        }
    }
    return QPixmap(datei);
}

} // namespace

TBild::TBild(const QString &name, const QString &datei, QWidget *parent) : QLabel(parent)
{
    setObjectName(name);
    setPixmap(bildLaden(datei));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCursor(Qt::PointingHandCursor);
}

void TBild::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

void TBild::TastaturBedienbar(const QString &name)
{
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(name);
}

void TBild::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focusPolicy() != Qt::NoFocus && !event->isAutoRepeat()) {
            emit Click();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void TBild::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    // The focus frame appears once the user moves with the keyboard, as on a
    // button; a mouse user sees the picture as it always was.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QStylePainter maler(this);
        QStyleOptionFocusRect rahmen;
        rahmen.initFrom(this);
        rahmen.rect = rect().adjusted(1, 1, -1, -1);
        maler.drawPrimitive(QStyle::PE_FrameFocusRect, rahmen);
    }
}

TErgebnisfeld::TErgebnisfeld(const QString &text, const QString &beschriftung, const QString &einheit,
                             QWidget *parent)
    : QLabel(text, parent), m_beschriftung(beschriftung.simplified()), m_einheit(einheit)
{
    if (m_beschriftung.endsWith(QLatin1Char(':')))
        m_beschriftung.chop(1);
}

QString TErgebnisfeld::Wert() const
{
    return m_einheit.isEmpty() ? text() : text() + QLatin1Char(' ') + m_einheit;
}

QString TErgebnisfeld::Vorlesetext() const
{
    return m_beschriftung + QStringLiteral(": ") + Wert();
}

QFrame *PanelErzeugen(const QString &name, const QRect &lage, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setGeometry(lage);
    panel->setAutoFillBackground(true);
    return panel;
}

QLabel *LabelErzeugen(const QString &text, const QPoint &lage, QWidget *parent, const QString &name)
{
    auto *label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    // A caption is one line; it may reach to the panel's edge. Measuring each
    // text instead would lay out every caption of the window at start-up.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->move(lage);
    LabelHoeheAnpassen(label);
    return label;
}

void Benennen(QWidget *feld, std::initializer_list<QString> beschriftung)
{
    QString name;
    for (const QString &teil : beschriftung)
        name += teil.trimmed();
    feld->setAccessibleName(name.simplified());
}

void LabelHoeheAnpassen(QLabel *label)
{
    const QPoint lage = label->pos();
    const QWidget *parent = label->parentWidget();
    label->setGeometry(lage.x(), lage.y(), qMax(8, parent->width() - lage.x() - 2),
                       label->fontMetrics().height() + 1);
}
