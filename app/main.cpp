#include "app/start.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<TForm1> hauptfenster = FensterErzeugen();
    hauptfenster->show();
    return app.exec();
}
