#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

// Reports on stdout, each with the peak memory of the process so far (KiB):
// "gezeichnet" at the watched window's first paint event, which Qt sends
// before it paints the window's children, and "fertig" once that whole first
// frame is painted (a zero timer posted at that event runs only after the
// frame). The program ends there, so that an instruction count (callgrind)
// covers the start and nothing after it.
class ErsterPaint : public QObject
{
protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !m_gesehen) {
            m_gesehen = true;
            melden("gezeichnet");
            QTimer::singleShot(0, [] {
                melden("fertig");
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(o, e);
    }

private:
    static void melden(const char *was)
    {
        rusage verbrauch{};
        getrusage(RUSAGE_SELF, &verbrauch);
        std::printf("%s %ld\n", was, verbrauch.ru_maxrss);
        std::fflush(stdout);
    }
    bool m_gesehen = false;
};
