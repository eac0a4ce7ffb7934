#pragma once

#include <QWidget>

class QPushButton;
class TBildfeld;

// Notes on the preset value of the design air change n50 (table of DIN 1946-6).
class THinweiseForm : public QWidget
{
    Q_OBJECT

public:
    explicit THinweiseForm(QWidget *parent = nullptr);

    void Oeffnen();

    TBildfeld *Image1;
    QPushButton *Schliessen;

public slots:
    void SchliessenClick();
};
