#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The list of windy districts; purely informative, it sets nothing elsewhere.
class TWindeinstufung : public QWidget
{
    Q_OBJECT

public:
    explicit TWindeinstufung(QWidget *parent = nullptr);

    void Oeffnen();

    QFrame *Panel1;
    QLabel *Label1;
    // Text boxes 1 to 3 have no names of their own; box 4 is Memo1.
    QPlainTextEdit *Spalte1;
    QPlainTextEdit *Spalte2;
    QPlainTextEdit *Spalte3;
    QPlainTextEdit *Memo1;
    QPushButton *Button1;

public slots:
    void Button1Click();
};
