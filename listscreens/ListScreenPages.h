#pragma once

#include <QObject>

#include <functional>

// The page stack and the number keypad popup live on floors above the list
// screens; the start-up hands in the ways to reach them. Until then a pop or
// a keypad request does nothing.
class ListScreenPages final
{
public:
    using Pop = std::function<void(int count)>;
    // Opens the number keypad titled by the id with the given number of
    // digit boxes (3 or 5); a confirmed number goes to onValue while the
    // receiver lives, the keypad's Cancel only closes it.
    using OpenNumberKeypad =
        std::function<void(int titleId, int digits, QObject *receiver, std::function<void(quint32)> onValue)>;

    static void install(Pop pop, OpenNumberKeypad open);
    static void pop(int count);
    static void openNumberKeypad(int titleId, int digits, QObject *receiver, std::function<void(quint32)> onValue);
};
