// Starts the program state, shows the main window and reports its first paint.
#include "app/start.h"
#include "erster_paint.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    auto f = FensterErzeugen();
    ErsterPaint filter;
    f->installEventFilter(&filter);
    f->show();
    return app.exec();
}
