#pragma once

#include <QState>

namespace EventLog {
namespace HistoricEventsSynchronizerFSM {

class StateMachine;

// The states of a historic synchronisation. Top level: IdleState (initial),
// RunningState, ErrorState, FinishedState. RunningState holds
// RegisteringState (initial), RegisteredState and DeRegisteringState;
// ErrorState holds DisconnectedErrorState and TimeoutErrorState and is
// always entered through one of them.

class IdleState final : public QState
{
    Q_OBJECT

public:
    explicit IdleState(QState *parent);
};

// While running, the machine's timer watches for a controller that stops
// answering; leaving the run stops routing data to the historic client.
class RunningState final : public QState
{
    Q_OBJECT

public:
    RunningState(StateMachine &machine, QState *parent);

protected:
    void onEntry(QEvent *event) override;
    void onExit(QEvent *event) override;

private:
    StateMachine &m_machine;
};

// Asks the controller for a historic client.
class RegisteringState final : public QState
{
    Q_OBJECT

public:
    RegisteringState(StateMachine &machine, QState *parent);

protected:
    void onEntry(QEvent *event) override;

private:
    StateMachine &m_machine;
};

// Takes the controller's events; each one enters the state again, so the
// quiet time counts from the last.
class RegisteredState final : public QState
{
    Q_OBJECT

public:
    RegisteredState(StateMachine &machine, QState *parent);

protected:
    void onEntry(QEvent *event) override;

private:
    StateMachine &m_machine;
};

// Gives the historic client back.
class DeRegisteringState final : public QState
{
    Q_OBJECT

public:
    DeRegisteringState(StateMachine &machine, QState *parent);

protected:
    void onEntry(QEvent *event) override;

private:
    StateMachine &m_machine;
};

class ErrorState final : public QState
{
    Q_OBJECT

public:
    explicit ErrorState(QState *parent);
};

// The link was lost; only a new launch() leaves it.
class DisconnectedErrorState final : public QState
{
    Q_OBJECT

public:
    explicit DisconnectedErrorState(QState *parent);
};

// The controller did not answer; the run starts again 30 s later.
class TimeoutErrorState final : public QState
{
    Q_OBJECT

public:
    TimeoutErrorState(StateMachine &machine, QState *parent);

protected:
    void onEntry(QEvent *event) override;

private:
    StateMachine &m_machine;
};

// The run is over. Not a final state: the machine keeps running so that a
// later launch() (after a reconnection) starts a new run from here.
class FinishedState final : public QState
{
    Q_OBJECT

public:
    explicit FinishedState(QState *parent);
};

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog
