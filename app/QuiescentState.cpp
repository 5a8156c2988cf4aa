#include "app/QuiescentState.h"

#include "app/PageStack.h"
#include "app/SystemState.h"
#include "core/SC_Timer.h"

QuiescentState::QuiescentState(SC_Timer *timer, QState *parent)
    : QTESKState(timer, QStringLiteral("QuiesentState"), parent)
{
}

void QuiescentState::onEntry(QEvent *event)
{
    QTESKState::onEntry(event);
    PageStack::instance()->clear();
    timer()->stop();
}

void QuiescentState::onExit(QEvent *event)
{
    QTESKState::onExit(event);
    const SystemState *state = SystemState::existingInstance();
    if (!state || !state->isFireActive())
        PageStack::instance()->showMainScreen(false);
}
