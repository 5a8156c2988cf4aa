#include "app/QuiescentTimingState.h"

#include "core/SC_Timer.h"

QuiescentTimingState::QuiescentTimingState(SC_Timer *timer, QState *parent)
    : QTESKState(timer, QStringLiteral("QuiescentTimingState"), parent)
{
}

void QuiescentTimingState::onEntry(QEvent *event)
{
    QTESKState::onEntry(event);
    timer()->start();
}
