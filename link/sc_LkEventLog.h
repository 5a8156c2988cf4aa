#pragma once

#include "eventlog/HistoricLogClient.h"
#include "link/SyncPacket.h"
#include "link/packets/SC_EventLogAckPacket.h"
#include "link/packets/SC_EventLogDataPacket.h"

class SyncClient;
namespace LkSpeak {
namespace EventLog {
class HistoricalDataReceivedEmitter;
}
} // namespace LkSpeak

// The engine's client of the controller's event-log service. Live events
// (function code 139) go into the event log and, once stored, are
// acknowledged; those of one read of the link share one transaction and are
// acknowledged after its commit (a fire is stored and acknowledged at once); the first one after a start or a lost link
// prunes the log to the controller's range and launches the historic synchroniser. Data for the registered historic
// client goes to the synchroniser instead, which stores and acknowledges it itself. Acknowledgements from the
// controller (146) are passed on to the synchroniser; type 15 asks for events to be acknowledged.
//
// The synchroniser's packets travel as QVariants holding an
// SC_ELConstAckPacketPtr or a LkSpeak::SC_ELConstDataPacketPtr.
class sc_LkEventLog final : public EventLog::HistoricLogClient
{
    Q_OBJECT

public:
    static constexpr quint8 LiveDataStatus = 1;
    static constexpr quint8 HistoricDataStatus = 0;

    sc_LkEventLog(SyncClient *client, QObject *parent);

    // False when the packet is too short for its fields; it is then dropped
    // unacknowledged, so the controller sends it again.
    bool handleDataPacket(const SyncPacket &packet, bool noAck);
    // Around the packets of one read: the live events between are held in
    // the log and acknowledged once endRead() or commitHeldEvents() has
    // committed them. A packet of another kind commits them first, so that
    // it sees, and acts after, what came before it.
    void beginRead() { m_inRead = true; }
    void endRead();
    void commitHeldEvents();
    bool handleAckPacket(const SyncPacket &packet);

    void sendRegistrationRequest(quint8 first, quint16 second, quint8 third, quint8 fourth,
                                 const EventLog::RegistrationFilter &filter) override;
    void sendDeRegistrationRequest(quint16 clientId) override;
    void setClientId(quint16 clientId) override;
    void clearHistoricClient() override;
    void sendRequestAck(quint8 ackType, quint8 status, const QVariant &ack) override;
    void sendDataAck(const QVariant &data, quint8 status) override;
    bool isDataAckExpected() const override;

    bool isHistoricClientRegistered() const { return m_historicRegistered; }
    quint16 historicClientId() const { return m_historicClientId; }
    bool isReSyncPending() const { return m_reSyncPending; }

    // Only while a synchronisation runs with a registered client.
    void deRegisterHistoricClient();
    void sendAck(const SC_LkSpeakBasePacket &request, quint16 first, quint16 second, quint8 status, quint8 ackType);
    void sendAcceptLogEvent(quint8 node, quint8 channel, quint8 channelAddress, quint16 seqNo, quint16 eventCode,
                            quint16 clientId);
    // Asks the controller for its events again and stops acknowledging
    // them until it says so.
    void requestReSync();

public slots:
    void handleDisconnection();

private:
    void acknowledgeData(const SC_EventLogDataPacket &data, quint8 status);
    void storeLiveEvent(const LkSpeak::SC_ELDataPacketPtr &data, bool noAck);

    SyncClient *m_client;
    bool m_historicRegistered = false;
    quint16 m_historicClientId = 0;
    bool m_reSyncPending = true;
    bool m_unusableLogTold = false;
    bool m_inRead = false;
    LkSpeak::EventLog::HistoricalDataReceivedEmitter *m_emitter;
};
