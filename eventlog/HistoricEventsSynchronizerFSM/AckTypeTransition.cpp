#include "eventlog/HistoricEventsSynchronizerFSM/AckTypeTransition.h"

#include "eventlog/HistoricLogClient.h"

#include <QStateMachine>

namespace EventLog {
namespace HistoricEventsSynchronizerFSM {

AckTypeTransition::AckTypeTransition(HistoricLogClient *client, quint8 ackType, QState *source)
    : QSignalTransition(client, &HistoricLogClient::ackReceived, source)
    , m_ackType(ackType)
{
}

bool AckTypeTransition::eventTest(QEvent *event)
{
    if (!QSignalTransition::eventTest(event))
        return false;
    const QVariantList arguments = static_cast<QStateMachine::SignalEvent *>(event)->arguments();
    return arguments.size() == 3 && arguments.at(1).value<quint8>() == m_ackType;
}

void AckTypeTransition::onTransition(QEvent *event)
{
    const QVariantList arguments = static_cast<QStateMachine::SignalEvent *>(event)->arguments();
    m_clientId = arguments.at(0).value<quint16>();
    m_ack = arguments.at(2).value<QVariant>();
    QSignalTransition::onTransition(event);
}

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog
