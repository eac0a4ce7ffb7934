// The yardstick with text: a 1009 x 765 main window with a menu bar holding one
// menu and a label as central widget; it starts the font system as any window
// with text must.
#include "erster_paint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.resize(1009, 765);
    fenster.menuBar()->addMenu(QStringLiteral("Datei"));
    fenster.setCentralWidget(new QLabel(QStringLiteral("Ventoris Lüftungskonzept")));
    ErsterPaint filter;
    fenster.installEventFilter(&filter);
    fenster.show();
    return app.exec();
}
