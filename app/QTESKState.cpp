#include "app/QTESKState.h"

QTESKState::QTESKState(SC_Timer *timer, const QString &name, QState *parent)
    : QState(parent)
    , m_timer(timer)
{
    setObjectName(name);
}
