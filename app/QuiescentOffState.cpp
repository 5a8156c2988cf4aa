#include "app/QuiescentOffState.h"

#include <QTimer>

QuiescentOffState::QuiescentOffState(QTimer *timer, QState *parent)
    : QTESKState(timer, QStringLiteral("QuiesentOffState"), parent)
{
}

void QuiescentOffState::onEntry(QEvent *event)
{
    QTESKState::onEntry(event);
    timer()->stop();
}
