// Starts as the program does (command line, main window and the hidden
// secondary windows), shows the main window and reports its first paint.
#include "app/kommandozeile.h"
#include "app/start.h"
#include "erster_paint.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    const TAufruf aufruf = AufrufLesen(argumente);
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tessarix.ventoris"));
    auto f = FensterErzeugen();
    ErsterPaint filter;
    f->installEventFilter(&filter);
    f->show();
    AufrufDateiOeffnen(*f, aufruf);
    return app.exec();
}
