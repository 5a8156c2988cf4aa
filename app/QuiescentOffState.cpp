#include "app/QuiescentOffState.h"

#include "core/SC_Timer.h"

QuiescentOffState::QuiescentOffState(SC_Timer *timer, QState *parent)
    : QTESKState(timer, QStringLiteral("QuiesentOffState"), parent)
{
}

void QuiescentOffState::onEntry(QEvent *event)
{
    QTESKState::onEntry(event);
    timer()->stop();
}
