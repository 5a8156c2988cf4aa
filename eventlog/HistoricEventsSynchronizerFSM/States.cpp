#include "eventlog/HistoricEventsSynchronizerFSM/States.h"

#include "core/SC_Timer.h"
#include "eventlog/HistoricEventsSynchronizer.h"
#include "eventlog/HistoricEventsSynchronizerFSM/MyEvent.h"
#include "eventlog/HistoricEventsSynchronizerFSM/StateMachine.h"
#include "eventlog/HistoricLogClient.h"

namespace EventLog {
namespace HistoricEventsSynchronizerFSM {

IdleState::IdleState(QState *parent)
    : QState(parent)
{
}

RunningState::RunningState(StateMachine &machine, QState *parent)
    : QState(parent)
    , m_machine(machine)
{
}

// A start posted by an earlier launch() is void once a run has begun: it
// would fetch the whole log again right after this run ends.
void RunningState::onEntry(QEvent *)
{
    m_machine.cancelPosts(StartEvent::type());
}

void RunningState::onExit(QEvent *)
{
    m_machine.timer().stop();
    if (HistoricLogClient *client = m_machine.client())
        client->clearHistoricClient();
}

RegisteringState::RegisteringState(StateMachine &machine, QState *parent)
    : QState(parent)
    , m_machine(machine)
{
}

void RegisteringState::onEntry(QEvent *)
{
    m_machine.timer().start(HistoricEventsSynchronizer::SupervisionMs);
    if (HistoricLogClient *client = m_machine.client())
        client->sendRegistrationRequest(2, 0, 0, 3, RegistrationFilter::defaults());
}

RegisteredState::RegisteredState(StateMachine &machine, QState *parent)
    : QState(parent)
    , m_machine(machine)
{
}

void RegisteredState::onEntry(QEvent *)
{
    m_machine.timer().start(HistoricEventsSynchronizer::SupervisionMs);
}

DeRegisteringState::DeRegisteringState(StateMachine &machine, QState *parent)
    : QState(parent)
    , m_machine(machine)
{
}

void DeRegisteringState::onEntry(QEvent *)
{
    m_machine.timer().start(HistoricEventsSynchronizer::SupervisionMs);
    if (HistoricLogClient *client = m_machine.client()) {
        client->sendDeRegistrationRequest(m_machine.clientId());
        client->clearHistoricClient();
    }
}

ErrorState::ErrorState(QState *parent)
    : QState(parent)
{
}

DisconnectedErrorState::DisconnectedErrorState(QState *parent)
    : QState(parent)
{
}

TimeoutErrorState::TimeoutErrorState(StateMachine &machine, QState *parent)
    : QState(parent)
    , m_machine(machine)
{
}

void TimeoutErrorState::onEntry(QEvent *)
{
    m_machine.postAfter<RestartEvent>(HistoricEventsSynchronizer::RestartDelayMs);
}

FinishedState::FinishedState(QState *parent)
    : QState(parent)
{
}

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog
