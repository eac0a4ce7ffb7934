#pragma once

#include <QImage>
#include <QWidget>

class QPushButton;
class TBildfeld;

// Overview of the ventilation systems; its picture is also page 2 of the print.
class TForm6 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm6(QWidget *parent = nullptr);

    void Oeffnen();

    // The overview picture, 947 × 670, 24 bits per pixel.
    QImage Uebersicht() const;

    TBildfeld *Image1;
    QPushButton *Button1;

public slots:
    void Button1Click();
};
