#pragma once

#include "eventlog/EventData.h"

#include <QSignalTransition>
#include <QVariant>

namespace EventLog {

class HistoricLogClient;

namespace HistoricEventsSynchronizerFSM {

class StateMachine;

// Taken on historic data for the machine's own client id; keeps what it
// fired on. Data for any other client is ignored with a warning.
class DataTransition final : public QSignalTransition
{
    Q_OBJECT

public:
    DataTransition(HistoricLogClient *client, const StateMachine &machine, QState *source);

    const EventData &record() const { return m_record; }
    const QVariant &data() const { return m_data; }

protected:
    bool eventTest(QEvent *event) override;
    void onTransition(QEvent *event) override;

private:
    const StateMachine &m_machine;
    EventData m_record;
    QVariant m_data;
};

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog
