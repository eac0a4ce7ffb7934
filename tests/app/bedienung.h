#pragma once

// Helpers for driving the main window as a user would.

#include "app/start.h"
#include "app/steuerelemente.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

// A fresh program state with its main window shown on the screen, as every
// GUI test starts it.
inline std::unique_ptr<TForm1> ProgrammStarten()
{
    auto f = FensterErzeugen();
    f->show();
    if (!QTest::qWaitForWindowExposed(f.get()))
        qWarning("main window not exposed");
    return f;
}

// The ticks of the check list as a text, e.g. "x..." for "nein" alone.
inline QString haken(const TCheckListBox *liste)
{
    QString s;
    for (int i = 0; i < 4; ++i)
        s += liste->Checked(i) ? 'x' : '.';
    return s;
}

// Clicks an option button on its round indicator.
inline void KnopfKlicken(TRadioGroup *gruppe, int index)
{
    QRadioButton *knopf = gruppe->Knopf(index);
    QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(6, knopf->height() / 2));
}

// START, then "nein" for windowless rooms: all input groups open.
inline void EingabenOeffnen(TForm1 &f)
{
    QTest::mouseClick(f.Image7, Qt::LeftButton);
    KnopfKlicken(f.RadioGroup1, 1);
}

// Clicks the tick box of an item of the check list.
inline void HakenKlicken(TCheckListBox *liste, int index)
{
    const QRect zeile = liste->visualItemRect(liste->item(index));
    const int breite = liste->style()->pixelMetric(QStyle::PM_IndicatorWidth);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      QPoint(zeile.left() + 3 + breite / 2, zeile.center().y()));
}

// Clicks the text of an item (not its tick box).
inline void EintragKlicken(TCheckListBox *liste, int index)
{
    const QRect zeile = liste->visualItemRect(liste->item(index));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, QPoint(zeile.left() + 80, zeile.center().y()));
}

// Replaces the text of a choice field by typing, one keystroke at a time.
inline void AuswahlTippen(TAuswahlfeld *feld, const QString &text)
{
    feld->lineEdit()->selectAll();
    QTest::keyClick(feld->lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(feld->lineEdit(), text);
}

// Picks an item from a choice field's list as a user does with the keyboard
// (the list opens, the item is chosen, Enter).
inline void AuswahlWaehlen(TAuswahlfeld *feld, const QString &eintrag)
{
    const int index = feld->findText(eintrag);
    QVERIFY2(index >= 0, qPrintable(eintrag));
    feld->showPopup();
    QAbstractItemView *liste = feld->view();
    liste->setCurrentIndex(liste->model()->index(index, 0));
    QTest::keyClick(liste, Qt::Key_Return);
    QApplication::processEvents();
}

// Types any text, umlauts included, one key event per character (keyClicks
// takes only plain ASCII).
inline void TextTippen(QWidget *feld, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Replaces the text of an edit field by typing.
inline void FeldTippen(QLineEdit *feld, const QString &text)
{
    feld->selectAll();
    if (!feld->text().isEmpty())
        QTest::keyClick(feld, Qt::Key_Backspace);
    QTest::keyClicks(feld, text);
}
