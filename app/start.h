#pragma once

#include "app/tform1.h"

#include <memory>

// Builds a fresh program state: the main window and, hidden and parented to it
// as separate windows, the secondary windows in start-up order.
std::unique_ptr<TForm1> FensterErzeugen();
