#pragma once

#include "eventlog/EventData.h"
#include "eventlog/RegistrationFilter.h"

#include <QObject>
#include <QVariant>

namespace EventLog {

// The link's side of a historic synchronisation: the controller's event-log
// service as the synchroniser drives it, and the link state it depends on.
// The received packets travel as QVariants that the synchroniser hands back
// unread when it answers them.
class HistoricLogClient : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The four leading values are the controller's own; the synchroniser
    // sends 2, 0, 0, 3.
    virtual void sendRegistrationRequest(quint8, quint16, quint8, quint8, const RegistrationFilter &filter) = 0;
    virtual void sendDeRegistrationRequest(quint16 clientId) = 0;
    // Routes the data for this client id to historicalDataReceived.
    virtual void setClientId(quint16 clientId) = 0;
    virtual void clearHistoricClient() = 0;
    virtual void sendRequestAck(quint8 ackType, quint8 status, const QVariant &ack) = 0;
    virtual void sendDataAck(const QVariant &data, quint8 status) = 0;
    // Whether the controller has asked for its data to be acknowledged.
    virtual bool isDataAckExpected() const = 0;

signals:
    // Every acknowledgement the controller sends; in a registration answer
    // (type 0) the client id is the new historic client's.
    void ackReceived(quint16 clientId, quint8 ackType, const QVariant &ack);
    void historicalDataReceived(const EventLog::EventData &record, const QVariant &data);
    // The controller link was lost.
    void disconnected();
};

} // namespace EventLog
