#pragma once

#include <QSignalTransition>
#include <QVariant>

namespace EventLog {

class HistoricLogClient;

namespace HistoricEventsSynchronizerFSM {

// Taken on an acknowledgement of one type; keeps what it fired on.
class AckTypeTransition final : public QSignalTransition
{
    Q_OBJECT

public:
    AckTypeTransition(HistoricLogClient *client, quint8 ackType, QState *source);

    quint16 clientId() const { return m_clientId; }
    const QVariant &ack() const { return m_ack; }

protected:
    bool eventTest(QEvent *event) override;
    void onTransition(QEvent *event) override;

private:
    const quint8 m_ackType;
    quint16 m_clientId = 0;
    QVariant m_ack;
};

} // namespace HistoricEventsSynchronizerFSM
} // namespace EventLog
