#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// Outline of DIN 1946-6.
class TForm3 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    void Oeffnen();

    QPlainTextEdit *Memo1;
    QPushButton *Button3;

public slots:
    void Button3Click();
};
