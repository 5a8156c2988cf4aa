#pragma once

#include "eventlog/HistoricLogClient.h"

#include <QStringList>

// The link's event-log service as the synchroniser sees it: every call is
// written to a log the test reads; the test plays the controller through
// the emit helpers.
class FakeHistoricLogClient final : public EventLog::HistoricLogClient
{
    Q_OBJECT

public:
    using HistoricLogClient::HistoricLogClient;

    void sendRegistrationRequest(quint8 a, quint16 b, quint8 c, quint8 d,
                                 const EventLog::RegistrationFilter &filter) override;
    void sendDeRegistrationRequest(quint16 clientId) override;
    void setClientId(quint16 clientId) override;
    void clearHistoricClient() override;
    void sendRequestAck(quint8 ackType, quint8 status, const QVariant &ack) override;
    void sendDataAck(const QVariant &data, quint8 status) override;
    bool isDataAckExpected() const override { return dataAckExpected; }

    // The controller's side; packets are named "ack#n" and "data#seqNo".
    void answer(quint16 clientId, quint8 ackType);
    void sendHistoric(quint16 clientId, EventLog::SeqNum_t seqNo);
    void dropLink() { emit disconnected(); }

    QStringList calls;
    const EventLog::RegistrationFilter *lastFilter = nullptr;
    bool dataAckExpected = true;

private:
    int m_acks = 0;
};
