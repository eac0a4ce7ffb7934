#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The terms of use.
class TForm2 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);

    void Oeffnen();

    QPlainTextEdit *Memo2;
    QPushButton *Button1;

public slots:
    void Button1Click();
};
