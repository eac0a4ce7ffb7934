// The yardstick: a minimal Qt Widgets program with one empty 1009 x 765 window.
#include <QApplication>
#include <QEvent>
#include <QWidget>
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
    QWidget fenster;
    fenster.resize(1009, 765);
    ErsterPaint filter;
    fenster.installEventFilter(&filter);
    fenster.show();
    return app.exec();
}
