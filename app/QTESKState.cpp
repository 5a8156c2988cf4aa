#include "app/QTESKState.h"

QTESKState::QTESKState(QTimer *timer, const QString &name, QState *parent)
    : QState(parent)
    , m_timer(timer)
{
    setObjectName(name);
}
