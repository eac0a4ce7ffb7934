#pragma once

// The kinds of control of the main window, each with the reaction rule that
// the window's input flow relies on:
// - an edit field reacts to every change of its text (QLineEdit::textChanged);
// - a choice field reacts only to the user: picking an item, or a keystroke;
// - a radio group reacts to the user's choice and to a program choice that
//   changes it, but not to clearing;
// - the check list reacts to every click of the user in it, after the tick.

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QStringList>

class QRadioButton;

// An editable drop-down box that keeps typed text exactly as typed: no inline
// completion, no typed texts added to the list, no correction on leaving it.
class TAuswahlfeld : public QComboBox
{
    Q_OBJECT
public:
    TAuswahlfeld(const QString &name, const QStringList &eintraege, const QString &text,
                 QWidget *parent);

    // Sets the text by program; runs no reaction.
    void TextSetzen(const QString &text);

signals:
    // The user picked an item or typed a character.
    void Change();
};

// A framed group of the two option buttons "ja" (index 0) and "nein" (index 1).
class TRadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    TRadioGroup(const QString &name, const QString &titel, QWidget *parent);

    int ItemIndex() const;
    // A new choice runs the click reaction; -1 clears without a reaction.
    void SetItemIndex(int index);
    QRadioButton *Knopf(int index) const { return m_knoepfe[index]; }

signals:
    void Click();

private:
    void knopfUmgeschaltet(bool an);

    QRadioButton *m_knoepfe[2];
    bool m_programmSetzt = false;
};

// A list of items with tick boxes.
class TCheckListBox : public QListWidget
{
    Q_OBJECT
public:
    TCheckListBox(const QString &name, const QStringList &eintraege, QWidget *parent);

    bool Checked(int index) const;
    // Sets a tick by program; runs no reaction.
    void SetChecked(int index, bool an);

signals:
    // After every click of the user in the list (and after a tick toggled with
    // the space key), once the tick has changed.
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// A picture that reports clicks. One that takes the focus (see
// TastaturBedienbar) is also pressed with Space or Return, like a button.
class TBild : public QLabel
{
    Q_OBJECT
public:
    TBild(const QString &name, const QString &datei, QWidget *parent);

    // Reachable with Tab and read out as a button of the given name.
    void TastaturBedienbar(const QString &name);

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// A result field: its text is the value; a screen reader hears it together
// with the caption beside it and its unit, e.g. "Nennlüftung: 136,7 m³/h".
class TErgebnisfeld : public QLabel
{
    Q_OBJECT
public:
    TErgebnisfeld(const QString &text, const QString &beschriftung, const QString &einheit,
                  QWidget *parent);

    // "<caption>: <value> <unit>", the caption without its colon.
    QString Vorlesetext() const;
    // "<value> <unit>".
    QString Wert() const;

private:
    QString m_beschriftung;
    QString m_einheit;
};

// A panel: a framed area that holds other controls at fixed positions.
QFrame *PanelErzeugen(const QString &name, const QRect &lage, QWidget *parent);

// A one-line caption at a fixed position.
QLabel *LabelErzeugen(const QString &text, const QPoint &lage, QWidget *parent,
                      const QString &name = QString());
// Gives a caption the height of its font, after a change of the font.
void LabelHoeheAnpassen(QLabel *label);

// The name a screen reader gives a control: the texts of the caption that
// names it on screen, a subscript included ("Fläche Nutzungseinheit A" and
// "NE" become "Fläche Nutzungseinheit ANE").
void Benennen(QWidget *feld, std::initializer_list<QString> beschriftung);
