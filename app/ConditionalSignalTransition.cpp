#include "app/ConditionalSignalTransition.h"

ConditionalSignalTransition::ConditionalSignalTransition(const QObject *sender, const QMetaMethod &signal,
                                                         Condition condition, QState *source)
    : QSignalTransition(sender, signal.methodSignature().constData(), source)
    , m_condition(std::move(condition))
{
}

bool ConditionalSignalTransition::eventTest(QEvent *event)
{
    return QSignalTransition::eventTest(event) && (!m_condition || m_condition());
}
