#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <cstdio>

// Reports the first paint of the watched window on stdout and ends the program.
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
