#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class TBildfeld;

// The company-logo window. It holds the logo that the result sheet prints; at
// every start that is the built-in default, a loaded logo lasts until the end.
class TForm5 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm5(QWidget *parent = nullptr);

    void Oeffnen();

    // The current logo picture, in its own size.
    QImage Logo() const;

    QFrame *Panel3;
    TBildfeld *Image1;
    QPushButton *Button3;
    QPushButton *Button1;
    QLabel *Label7;

    // The current project file, whose folder the load dialog starts in; the
    // program sets it when it builds its windows.
    std::function<QString()> Projektdatei;

public slots:
    // "Logo laden": choose a bitmap, show it, and write the current logo to
    // "Logo.bmp" in the working directory (also when the choice is cancelled).
    void Button3Click();
    void Button1Click();

private:
    bool LogoDateiSchreiben();
};
