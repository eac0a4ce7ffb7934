#include "app/start.h"

std::unique_ptr<TForm1> FensterErzeugen()
{
    auto hauptfenster = std::make_unique<TForm1>();
    return hauptfenster;
}
