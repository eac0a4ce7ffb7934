// The yardstick: a minimal Qt Widgets program with one empty 1009 x 765 window.
#include "erster_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.resize(1009, 765);
    ErsterPaint filter;
    fenster.installEventFilter(&filter);
    fenster.show();
    return app.exec();
}
