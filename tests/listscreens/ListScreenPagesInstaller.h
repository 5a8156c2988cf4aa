#pragma once

#include "app/ListScreenPagesWiring.h"
#include "listscreens/ListScreenPages.h"

// While it lives the list screens reach the page stack and the number
// keypad as in the engine.
class ListScreenPagesInstaller final
{
public:
    ListScreenPagesInstaller() { installListScreenPages(); }
    ~ListScreenPagesInstaller() { ListScreenPages::install({}, {}); }
    ListScreenPagesInstaller(const ListScreenPagesInstaller &) = delete;
    ListScreenPagesInstaller &operator=(const ListScreenPagesInstaller &) = delete;
};
