#pragma once

#include "core/SC_Singleton.h"
#include "eventlog/EventData.h"
#include "eventlog/HistoricEventsSynchronizerFSM/StateMachine.h"
#include "eventlog/HistoricEventsSynchronizerFSM/States.h"

#include <QObject>
#include <QPointer>
#include <QVariant>

namespace EventLog {

// Fetches the controller's stored events after a start or a reconnection:
// registers a historic client with the controller's event-log service,
// stores the events sent to that client as historic ones, and de-registers
// when the controller ends the transfer. A state machine:
//   Idle -start-> Running{Registering -ack 0-> Registered -ack 12/4, 60 s
//   quiet, stop-> DeRegistering -ack 2-> Finished}; Running -link lost->
//   DisconnectedError, -60 s unanswered-> TimeoutError -30 s-> Running.
// A later launch() starts a new run from Finished and DisconnectedError.
class HistoricEventsSynchronizer final
    : public QObject
    , public SC_Singleton<HistoricEventsSynchronizer>
{
    Q_OBJECT

public:
    static constexpr int StartDelayMs = 45000;
    static constexpr int SupervisionMs = 60000;
    static constexpr int RestartDelayMs = 30000;

    explicit HistoricEventsSynchronizer(HistoricLogClient *client);

    // The client that instance() makes the engine's synchroniser talk to.
    static void setLinkClient(HistoricLogClient *client);

    bool isRunning() const;
    // The innermost active state, such as "RegisteredState"; empty before
    // the machine has started.
    QString stateName() const;

public slots:
    // Starts a run 45 s from now, once the caller has returned.
    void launch();
    void stop();

signals:
    void finished();

private:
    friend class SC_Singleton<HistoricEventsSynchronizer>;

    HistoricEventsSynchronizer();

    template <typename State, typename... Arguments> State *addState(const char *name, Arguments &&...arguments);
    void buildTransitions();
    void buildLinkTransitions();
    void buildActions();
    void _launch();
    void sendRegistrationAck(quint16 clientId, const QVariant &ack);
    void handleEventLogData(const EventData &record, const QVariant &data);
    void handleFSMFinish();

    HistoricEventsSynchronizerFSM::StateMachine m_machine;
    HistoricEventsSynchronizerFSM::IdleState *m_idle;
    HistoricEventsSynchronizerFSM::RunningState *m_running;
    HistoricEventsSynchronizerFSM::ErrorState *m_error;
    HistoricEventsSynchronizerFSM::FinishedState *m_finished;
    HistoricEventsSynchronizerFSM::RegisteringState *m_registering;
    HistoricEventsSynchronizerFSM::RegisteredState *m_registered;
    HistoricEventsSynchronizerFSM::DeRegisteringState *m_deRegistering;
    HistoricEventsSynchronizerFSM::DisconnectedErrorState *m_disconnectedError;
    HistoricEventsSynchronizerFSM::TimeoutErrorState *m_timeoutError;
    static QPointer<HistoricLogClient> s_linkClient;
};

} // namespace EventLog
