#include "eventlog/HistoricEventsSynchronizerFSM/DataTransition.h"

#include "eventlog/HistoricEventsSynchronizerFSM/StateMachine.h"
#include "eventlog/HistoricLogClient.h"

#include <QDebug>

namespace EventLog {
namespace HistoricEventsSynchronizerFSM {

DataTransition::DataTransition(HistoricLogClient *client, const StateMachine &machine, QState *source)
    : QSignalTransition(client, &HistoricLogClient::historicalDataReceived, source)
    , m_machine(machine)
{
}

bool DataTransition::eventTest(QEvent *event)
{
    if (!QSignalTransition::eventTest(event))
        return false;
    const QVariantList arguments = static_cast<QStateMachine::SignalEvent *>(event)->arguments();
    if (arguments.size() == 2 && arguments.at(0).canConvert<EventData>()
        && arguments.at(0).value<EventData>().clientID == m_machine.clientId())
        return true;
    qWarning() << "[HistoricEventsSynchronizerFSM::DataTransition] Received data for different client!";
    return false;
}

void DataTransition::onTransition(QEvent *event)
{
    const QVariantList arguments = static_cast<QStateMachine::SignalEvent *>(event)->arguments();
    m_record = arguments.at(0).value<EventData>();
    m_data = arguments.at(1).value<QVariant>();
    QSignalTransition::onTransition(event);
}

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog
