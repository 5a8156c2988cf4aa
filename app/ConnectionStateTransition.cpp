#include "app/ConnectionStateTransition.h"

#include <QStateMachine>

ConnectionStateTransition::ConnectionStateTransition(const char *signal, bool expected)
    : QSignalTransition(nullptr, signal)
    , m_expected(expected)
{
}

bool ConnectionStateTransition::eventTest(QEvent *event)
{
    if (!QSignalTransition::eventTest(event))
        return false;
    const auto *signalEvent = static_cast<QStateMachine::SignalEvent *>(event);
    const QList<QVariant> arguments = signalEvent->arguments();
    return !arguments.isEmpty() && arguments.constFirst().toBool() == m_expected;
}
