#include "app/zugaenglichkeit.h"

#include "app/steuerelemente.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QFrame>

namespace {

class TErgebnisfeldZugang : public QAccessibleWidget
{
public:
    explicit TErgebnisfeldZugang(TErgebnisfeld *feld) : QAccessibleWidget(feld, QAccessible::StaticText) {}

    QString text(QAccessible::Text art) const override
    {
        const auto *feld = static_cast<const TErgebnisfeld *>(widget());
        switch (art) {
        case QAccessible::Name:
            return feld->Vorlesetext();
        case QAccessible::Value:
            return feld->Wert();
        default:
            return QAccessibleWidget::text(art);
        }
    }
};

// A choice field is named after its caption, like every other input, and
// its value is its text. (Qt's own combo box on Linux gives its text as the
// name too and leaves the caption to a relation that not every screen reader
// follows.) Children as Qt's own: the list, then the edit line.
class TAuswahlfeldZugang : public QAccessibleWidget
{
public:
    explicit TAuswahlfeldZugang(TAuswahlfeld *feld) : QAccessibleWidget(feld, QAccessible::ComboBox) {}

    TAuswahlfeld *feld() const { return static_cast<TAuswahlfeld *>(widget()); }

    QString text(QAccessible::Text art) const override
    {
        if (art == QAccessible::Value)
            return feld()->currentText();
        return QAccessibleWidget::text(art);
    }
    int childCount() const override { return 2; }
    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(feld()->view());
        if (index == 1)
            return QAccessible::queryAccessibleInterface(feld()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface *kind) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (child(i) == kind)
                return i;
        }
        return -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &aktion) override
    {
        if (aktion == showMenuAction() || aktion == pressAction())
            feld()->showPopup();
    }
};

// A picture that the keyboard can press is a button to a screen reader.
class TBildZugang : public QAccessibleWidget
{
public:
    explicit TBildZugang(TBild *bild) : QAccessibleWidget(bild, QAccessible::Button) {}

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &aktion) override
    {
        if (aktion == pressAction())
            emit static_cast<TBild *>(widget())->Click();
        else
            QAccessibleWidget::doAction(aktion);
    }
};

QAccessibleInterface *zugangErzeugen(const QString &klasse, QObject *objekt)
{
    if (klasse == QLatin1String("TErgebnisfeld"))
        return new TErgebnisfeldZugang(static_cast<TErgebnisfeld *>(objekt));
    if (klasse == QLatin1String("TAuswahlfeld"))
        return new TAuswahlfeldZugang(static_cast<TAuswahlfeld *>(objekt));
    if (klasse == QLatin1String("TBild")) {
        auto *bild = static_cast<TBild *>(objekt);
        if (bild->focusPolicy() != Qt::NoFocus)
            return new TBildZugang(bild);
    }
    // A panel named after its header is a group of inputs.
    if (klasse == QLatin1String("QFrame")) {
        auto *panel = static_cast<QFrame *>(objekt);
        if (!panel->accessibleName().isEmpty())
            return new QAccessibleWidget(panel, QAccessible::Grouping);
    }
    return nullptr;
}

} // namespace

void ZugaenglichkeitEinrichten()
{
    static const bool eingerichtet = [] {
        QAccessible::installFactory(zugangErzeugen);
        return true;
    }();
    Q_UNUSED(eingerichtet);
}
