#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class TBildfeld;

// The about window; its caption is the rights holder's name.
class TForm4 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);

    // Shows the window and writes the version into Label6 each time.
    void Oeffnen();

    QFrame *Panel1;
    QLabel *Label1;
    QLabel *Label6;
    QLabel *Label7;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label9;
    QLabel *Label8;
    TBildfeld *Image1;
    QPushButton *Button1;

public slots:
    void Button1Click();
};
