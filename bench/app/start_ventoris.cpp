// Starts the program state, shows the main window and reports its first paint.
#include "app/start.h"

#include <QApplication>
#include <QEvent>
#include <cstdio>

namespace {
class ErsterPaint : public QObject
{
protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            std::puts("gezeichnet");
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return QObject::eventFilter(o, e);
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    auto f = FensterErzeugen();
    ErsterPaint filter;
    f->installEventFilter(&filter);
    f->show();
    return app.exec();
}
