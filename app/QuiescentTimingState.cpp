#include "app/QuiescentTimingState.h"

#include <QTimer>

QuiescentTimingState::QuiescentTimingState(QTimer *timer, QState *parent)
    : QTESKState(timer, QStringLiteral("QuiescentTimingState"), parent)
{
}

void QuiescentTimingState::onEntry(QEvent *event)
{
    QTESKState::onEntry(event);
    timer()->start();
}
