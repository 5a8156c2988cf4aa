#include "listscreens/ListScreenPages.h"

#include <utility>

namespace {

ListScreenPages::Pop &installedPop()
{
    static ListScreenPages::Pop pop;
    return pop;
}

ListScreenPages::OpenNumberKeypad &installedKeypad()
{
    static ListScreenPages::OpenNumberKeypad open;
    return open;
}

} // namespace

void ListScreenPages::install(Pop pop, OpenNumberKeypad open)
{
    installedPop() = std::move(pop);
    installedKeypad() = std::move(open);
}

void ListScreenPages::pop(int count)
{
    if (installedPop())
        installedPop()(count);
}

void ListScreenPages::openNumberKeypad(int titleId, int digits, QObject *receiver, std::function<void(quint32)> onValue)
{
    if (installedKeypad())
        installedKeypad()(titleId, digits, receiver, std::move(onValue));
}
