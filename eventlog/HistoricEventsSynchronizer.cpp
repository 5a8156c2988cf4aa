#include "eventlog/HistoricEventsSynchronizer.h"

#include "core/SC_Timer.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/HistoricEventsSynchronizerFSM/AckTypeTransition.h"
#include "eventlog/HistoricEventsSynchronizerFSM/DataTransition.h"
#include "eventlog/HistoricEventsSynchronizerFSM/EventTypeTransition.h"
#include "eventlog/HistoricEventsSynchronizerFSM/MyEvent.h"
#include "eventlog/HistoricLogClient.h"

#include <QDebug>

#include <cstdio>

namespace EventLog {

using namespace HistoricEventsSynchronizerFSM;

QPointer<HistoricLogClient> HistoricEventsSynchronizer::s_linkClient;

namespace {

// Acknowledgement types the controller sends a historic client.
enum AckType : quint8 {
    RegistrationAccepted = 0,
    DeRegistrationConfirmed = 2,
    TransferEnded = 4,
    TransferComplete = 12,
};

} // namespace

void HistoricEventsSynchronizer::setLinkClient(HistoricLogClient *client)
{
    s_linkClient = client;
}

HistoricEventsSynchronizer::HistoricEventsSynchronizer()
    : HistoricEventsSynchronizer(s_linkClient)
{
}

HistoricEventsSynchronizer::HistoricEventsSynchronizer(HistoricLogClient *client)
    : m_machine(client, this)
{
    qRegisterMetaType<EventData>("EventLog::EventData");
    m_idle = addState<IdleState>("IdleState", &m_machine);
    m_running = addState<RunningState>("RunningState", m_machine, &m_machine);
    m_error = addState<ErrorState>("ErrorState", &m_machine);
    m_finished = addState<FinishedState>("FinishedState", &m_machine);
    m_registering = addState<RegisteringState>("RegisteringState", m_machine, m_running);
    m_registered = addState<RegisteredState>("RegisteredState", m_machine, m_running);
    m_deRegistering = addState<DeRegisteringState>("DeRegisteringState", m_machine, m_running);
    m_disconnectedError = addState<DisconnectedErrorState>("DisconnectedErrorState", m_error);
    m_timeoutError = addState<TimeoutErrorState>("TimeoutErrorState", m_machine, m_error);
    m_machine.setInitialState(m_idle);
    m_running->setInitialState(m_registering);

    buildTransitions();
    if (m_machine.client())
        buildLinkTransitions();
    else
        qWarning() << "[Hist EventLog SM] HistoricEventsSynchronizer: no event-log client to synchronise with";
    buildActions();
    // A fire reset refused because events are missing asks for them again.
    connect(EL_EventLogDBbase::instance(), &EL_EventLogDBbase::resyncHistoricLog, this,
            &HistoricEventsSynchronizer::launch);
    // ... and is taken once a run has fetched them.
    connect(this, &HistoricEventsSynchronizer::finished, EL_EventLogDBbase::instance(),
            &EL_EventLogDBbase::reviewRefusedReset);
    m_machine.start();
}

template <typename State, typename... Arguments>
State *HistoricEventsSynchronizer::addState(const char *name, Arguments &&...arguments)
{
    auto *state = new State(std::forward<Arguments>(arguments)...);
    state->setObjectName(QLatin1String(name));
    connect(state, &QState::entered, this,
            [state] { qDebug() << "[Hist EventLog SM] entered" << state->objectName(); });
    return state;
}

namespace {

template <typename Transition> Transition *leadingTo(QAbstractState *target, Transition *transition)
{
    transition->setTargetState(target);
    return transition;
}

} // namespace

// A state's own transitions are tried before its parent's.
void HistoricEventsSynchronizer::buildTransitions()
{
    leadingTo(m_running, new StartTransition(m_idle));
    m_registered->addTransition(&m_machine.timer(), &SC_Timer::timeout, m_deRegistering);
    leadingTo(m_deRegistering, new StopTransition(m_registered));
    m_running->addTransition(&m_machine.timer(), &SC_Timer::timeout, m_timeoutError);
    leadingTo(m_finished, new StopTransition(m_running));
    leadingTo(m_running, new RestartTransition(m_error));
    // After a reconnection the link launches again: a run that ended, or
    // was cut by the lost link, must start anew so the gap is filled.
    leadingTo(m_running, new StartTransition(m_disconnectedError));
    leadingTo(m_running, new StartTransition(m_finished));
}

void HistoricEventsSynchronizer::buildLinkTransitions()
{
    HistoricLogClient *client = m_machine.client();
    auto *accepted = leadingTo(m_registered, new AckTypeTransition(client, RegistrationAccepted, m_registering));
    connect(accepted, &QAbstractTransition::triggered, this,
            [this, accepted] { sendRegistrationAck(accepted->clientId(), accepted->ack()); });
    leadingTo(m_deRegistering, new AckTypeTransition(client, TransferComplete, m_registered));
    leadingTo(m_deRegistering, new AckTypeTransition(client, TransferEnded, m_registered));
    // A self-transition: leaving and entering the state again restarts its
    // 60 s, so the quiet time counts from the last packet.
    auto *data = leadingTo(m_registered, new DataTransition(client, m_machine, m_registered));
    connect(data, &QAbstractTransition::triggered, this,
            [this, data] { handleEventLogData(data->record(), data->data()); });
    leadingTo(m_finished, new AckTypeTransition(client, DeRegistrationConfirmed, m_deRegistering));
    m_running->addTransition(client, &HistoricLogClient::disconnected, m_disconnectedError);
}

// The states' own actions are their entry and exit; the synchroniser only
// tells when a run has finished.
void HistoricEventsSynchronizer::buildActions()
{
    connect(m_finished, &QState::entered, this, &HistoricEventsSynchronizer::handleFSMFinish);
}

bool HistoricEventsSynchronizer::isRunning() const
{
    return m_machine.configuration().contains(m_running);
}

QString HistoricEventsSynchronizer::stateName() const
{
    const QSet<QAbstractState *> active = m_machine.configuration();
    for (QState *state : std::initializer_list<QState *>{m_idle, m_finished, m_registering, m_registered,
                                                         m_deRegistering, m_disconnectedError, m_timeoutError}) {
        if (active.contains(state))
            return state->objectName();
    }
    return {};
}

void HistoricEventsSynchronizer::launch()
{
    QMetaObject::invokeMethod(
        this, [this] { _launch(); }, Qt::QueuedConnection);
}

void HistoricEventsSynchronizer::_launch()
{
    m_machine.postAfter<StartEvent>(StartDelayMs);
}

void HistoricEventsSynchronizer::stop()
{
    m_machine.postEvent(new StopEvent);
}

void HistoricEventsSynchronizer::sendRegistrationAck(quint16 clientId, const QVariant &ack)
{
    m_machine.setClientId(clientId);
    HistoricLogClient *client = m_machine.client();
    if (!client)
        return;
    client->setClientId(clientId);
    client->sendRequestAck(1, 0, ack);
}

void HistoricEventsSynchronizer::handleEventLogData(const EventData &record, const QVariant &data)
{
    if (!EL_EventLogDBbase::instance()->insertData(&record, false))
        qWarning() << "[Hist EventLog SM] Error when inserting data for event" << record.seqNo << "into DB";
    HistoricLogClient *client = m_machine.client();
    if (client && client->isDataAckExpected())
        client->sendDataAck(data, 0);
}

void HistoricEventsSynchronizer::handleFSMFinish()
{
    std::fputs("[Historic EventLog client] Finished synchronization\n", stdout);
    std::fflush(stdout);
    emit finished();
}

} // namespace EventLog
