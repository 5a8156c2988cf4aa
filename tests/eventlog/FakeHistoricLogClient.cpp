#include "FakeHistoricLogClient.h"

#include "EventFixtures.h"

void FakeHistoricLogClient::sendRegistrationRequest(quint8 a, quint16 b, quint8 c, quint8 d,
                                                    const EventLog::RegistrationFilter &filter)
{
    calls << QStringLiteral("register %1,%2,%3,%4").arg(a).arg(b).arg(c).arg(d);
    lastFilter = &filter;
}

void FakeHistoricLogClient::sendDeRegistrationRequest(quint16 clientId)
{
    calls << QStringLiteral("deregister %1").arg(clientId);
}

void FakeHistoricLogClient::setClientId(quint16 clientId)
{
    calls << QStringLiteral("setClientId %1").arg(clientId);
}

void FakeHistoricLogClient::clearHistoricClient()
{
    calls << QStringLiteral("clearHistoricClient");
}

void FakeHistoricLogClient::sendRequestAck(quint8 ackType, quint8 status, const QVariant &ack)
{
    calls << QStringLiteral("requestAck %1,%2 %3").arg(ackType).arg(status).arg(ack.toString());
}

void FakeHistoricLogClient::sendDataAck(const QVariant &data, quint8 status)
{
    calls << QStringLiteral("dataAck %1 %2").arg(data.toString()).arg(status);
}

void FakeHistoricLogClient::answer(quint16 clientId, quint8 ackType)
{
    emit ackReceived(clientId, ackType, QStringLiteral("ack#%1").arg(++m_acks));
}

void FakeHistoricLogClient::sendHistoric(quint16 clientId, EventLog::SeqNum_t seqNo)
{
    EventLog::EventData record = EventFixtures::makeEvent(seqNo);
    record.clientID = clientId;
    emit historicalDataReceived(record, QStringLiteral("data#%1").arg(seqNo));
}
