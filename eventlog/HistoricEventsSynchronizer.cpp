#include "eventlog/HistoricEventsSynchronizer.h"

#include "core/SC_Timer.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/HistoricEventsSynchronizerFSM/AckTypeTransition.h"
#include "eventlog/HistoricEventsSynchronizerFSM/DataTransition.h"
#include "eventlog/HistoricEventsSynchronizerFSM/EventTypeTransition.h"
#include "eventlog/HistoricEventsSynchronizerFSM/SyncEvents.h"
#include "eventlog/HistoricLogClient.h"

#include <QDebug>
#include <QState>

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
    : m_client(client)
{
    qRegisterMetaType<EventData>("EventLog::EventData");
    m_idle = addState("IdleState", nullptr);
    m_running = addState("RunningState", nullptr);
    m_error = addState("ErrorState", nullptr);
    m_finished = addState("FinishedState", nullptr);
    m_registering = addState("RegisteringState", m_running);
    m_registered = addState("RegisteredState", m_running);
    m_deRegistering = addState("DeRegisteringState", m_running);
    m_disconnectedError = addState("DisconnectedErrorState", m_error);
    m_timeoutError = addState("TimeoutErrorState", m_error);
    m_machine.setInitialState(m_idle);
    m_running->setInitialState(m_registering);

    buildTransitions();
    if (m_client)
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

QState *HistoricEventsSynchronizer::addState(const char *name, QState *parent)
{
    QState *state = parent ? new QState(parent) : new QState(&m_machine);
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
    leadingTo(m_running, new EventTypeTransition(startEvent(), m_idle));
    m_registered->addTransition(&m_machine.timer(), &SC_Timer::timeout, m_deRegistering);
    leadingTo(m_deRegistering, new EventTypeTransition(stopEvent(), m_registered));
    m_running->addTransition(&m_machine.timer(), &SC_Timer::timeout, m_timeoutError);
    leadingTo(m_finished, new EventTypeTransition(stopEvent(), m_running));
    leadingTo(m_running, new EventTypeTransition(restartEvent(), m_error));
    // After a reconnection the link launches again: a run that ended, or
    // was cut by the lost link, must start anew so the gap is filled.
    leadingTo(m_running, new EventTypeTransition(startEvent(), m_disconnectedError));
    leadingTo(m_running, new EventTypeTransition(startEvent(), m_finished));
}

void HistoricEventsSynchronizer::buildLinkTransitions()
{
    auto *accepted = leadingTo(m_registered, new AckTypeTransition(m_client, RegistrationAccepted, m_registering));
    connect(accepted, &QAbstractTransition::triggered, this,
            [this, accepted] { sendRegistrationAck(accepted->clientId(), accepted->ack()); });
    leadingTo(m_deRegistering, new AckTypeTransition(m_client, TransferComplete, m_registered));
    leadingTo(m_deRegistering, new AckTypeTransition(m_client, TransferEnded, m_registered));
    // A self-transition: leaving and entering the state again restarts its
    // 60 s, so the quiet time counts from the last packet.
    auto *data = leadingTo(m_registered, new DataTransition(m_client, m_machine, m_registered));
    connect(data, &QAbstractTransition::triggered, this,
            [this, data] { handleEventLogData(data->record(), data->data()); });
    leadingTo(m_finished, new AckTypeTransition(m_client, DeRegistrationConfirmed, m_deRegistering));
    m_running->addTransition(m_client, &HistoricLogClient::disconnected, m_disconnectedError);
}

void HistoricEventsSynchronizer::buildActions()
{
    SC_Timer &timer = m_machine.timer();
    // A start posted by an earlier launch() is void once a run has begun: it
    // would fetch the whole log again right after this run ends.
    connect(m_running, &QState::entered, this, [this] { m_machine.cancelPosts(startEvent()); });
    connect(m_registering, &QState::entered, this, [this, &timer] {
        timer.start(SupervisionMs);
        if (m_client)
            m_client->sendRegistrationRequest(2, 0, 0, 3, RegistrationFilter::defaults());
    });
    connect(m_registered, &QState::entered, this, [&timer] { timer.start(SupervisionMs); });
    connect(m_deRegistering, &QState::entered, this, [this, &timer] {
        timer.start(SupervisionMs);
        if (m_client) {
            m_client->sendDeRegistrationRequest(m_machine.clientId());
            m_client->clearHistoricClient();
        }
    });
    connect(m_running, &QState::exited, this, [this, &timer] {
        timer.stop();
        if (m_client)
            m_client->clearHistoricClient();
    });
    connect(m_timeoutError, &QState::entered, this, [this] { m_machine.postAfter(restartEvent(), RestartDelayMs); });
    connect(m_finished, &QState::entered, this, &HistoricEventsSynchronizer::handleFSMFinish);
}

bool HistoricEventsSynchronizer::isRunning() const
{
    return m_machine.configuration().contains(m_running);
}

QString HistoricEventsSynchronizer::stateName() const
{
    const QSet<QAbstractState *> active = m_machine.configuration();
    for (QState *state :
         {m_idle, m_finished, m_registering, m_registered, m_deRegistering, m_disconnectedError, m_timeoutError}) {
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
    m_machine.postAfter(startEvent(), StartDelayMs);
}

void HistoricEventsSynchronizer::stop()
{
    m_machine.postEvent(new QEvent(stopEvent()));
}

void HistoricEventsSynchronizer::sendRegistrationAck(quint16 clientId, const QVariant &ack)
{
    m_machine.setClientId(clientId);
    if (!m_client)
        return;
    m_client->setClientId(clientId);
    m_client->sendRequestAck(1, 0, ack);
}

void HistoricEventsSynchronizer::handleEventLogData(const EventData &record, const QVariant &data)
{
    if (!EL_EventLogDBbase::instance()->insertData(&record, false))
        qWarning() << "[Hist EventLog SM] Error when inserting data for event" << record.seqNo << "into DB";
    if (m_client && m_client->isDataAckExpected())
        m_client->sendDataAck(data, 0);
}

void HistoricEventsSynchronizer::handleFSMFinish()
{
    std::fputs("[Historic EventLog client] Finished synchronization\n", stdout);
    std::fflush(stdout);
    emit finished();
}

} // namespace EventLog
