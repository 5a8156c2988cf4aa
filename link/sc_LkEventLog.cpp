#include "link/sc_LkEventLog.h"

#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/HistoricEventsSynchronizer.h"
#include "link/HistoricalDataReceivedEmitter.h"
#include "link/SyncClient.h"
#include "link/packets/SC_AcceptLogEventPacket.h"
#include "link/packets/SC_EventLogDeRegistrationReqPkt.h"
#include "link/packets/SC_EventLogRegistrationReqPkt.h"
#include "pointmodels/model.h"

#include <QDebug>

namespace {

constexpr quint8 RegistrationService = 50;
constexpr quint8 DeRegistrationService = 1;
constexpr quint8 ReSyncService = 20;
constexpr quint8 AcceptService = 50;
// The registration acknowledgement answers on this service.
constexpr quint8 RegistrationAckService = 1;
constexpr quint16 AnyClient = 65535;
constexpr quint8 ReSyncStatus = 2;

SC_RequestAddress requestAddress(bool acknowledgeRequest, quint8 secondService)
{
    SC_RequestAddress address;
    address.layoutKind = TeskGlobalConfig::instance()->packetHeaderLayout();
    address.acknowledgeRequest = acknowledgeRequest;
    address.secondService = secondService;
    return address;
}

template <typename Pointer> Pointer packetIn(const QVariant &value)
{
    return value.canConvert<Pointer>() ? value.value<Pointer>() : Pointer();
}

} // namespace

sc_LkEventLog::sc_LkEventLog(SyncClient *client, QObject *parent)
    : HistoricLogClient(parent)
    , m_client(client)
{
    connect(m_client, &SyncClient::disconnected, this, &sc_LkEventLog::handleDisconnection);
    connect(m_client, &SyncClient::disconnected, this, &HistoricLogClient::disconnected);
    qRegisterMetaType<SC_ELAckPacketPtr>("SC_ELAckPacketPtr");
    qRegisterMetaType<SC_ELConstAckPacketPtr>("SC_ELConstAckPacketPtr");
    qRegisterMetaType<LkSpeak::SC_ELDataPacketPtr>("LkSpeak::SC_ELDataPacketPtr");
    qRegisterMetaType<LkSpeak::SC_ELDataPacketPtr>("EL_DataPacketPtr");
    qRegisterMetaType<LkSpeak::SC_ELConstDataPacketPtr>("LkSpeak::SC_ELConstDataPacketPtr");
    qRegisterMetaType<LkSpeak::SC_ELConstDataPacketPtr>("EL_ConstDataPacketPtr");
    m_emitter = new LkSpeak::EventLog::HistoricalDataReceivedEmitter(this);
}

bool sc_LkEventLog::handleDataPacket(const SyncPacket &packet, bool noAck)
{
    const auto buffer = QSharedPointer<SC_PacketBuffer>::create(packet.body);
    const auto data = LkSpeak::SC_ELDataPacketPtr::create(buffer);
    if (buffer->isBad()) {
        qWarning() << "sc_LkEventLog::handleDataPacket"
                   << "Truncated event-log data packet dropped";
        return false;
    }
    if (m_historicRegistered && data->record().clientID == m_historicClientId) {
        m_emitter->postHistoricalData(data);
        return true;
    }
    storeLiveEvent(data, noAck);
    return true;
}

void sc_LkEventLog::endRead()
{
    m_inRead = false;
    commitHeldEvents();
}

// A log not made yet holds nothing, and is not made for that.
void sc_LkEventLog::commitHeldEvents()
{
    if (EL_EventLogDBbase *log = EL_EventLogDBbase::existingInstance())
        log->commitHeld();
}

// An event that could not be stored is not acknowledged: the controller
// sends it again, and it is never reported as stored. A log whose database
// never opened can store nothing, ever: holding every event back would keep
// the controller sending them for good, so they are acknowledged and the
// controller's own log stays the record.
void sc_LkEventLog::storeLiveEvent(const LkSpeak::SC_ELDataPacketPtr &data, bool noAck)
{
    const EventLog::EventData &record = data->record();
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    if (!log->isUsable()) {
        if (!m_unusableLogTold)
            qWarning() << "sc_LkEventLog::storeLiveEvent"
                       << "the event log is unusable: live events are acknowledged without being stored";
        m_unusableLogTold = true;
    } else {
        if (m_reSyncPending)
            log->pruneSeqNoRange(record.seqNo, record.eventPosTotal, record.totalNoEvents);
        const auto commit = m_inRead ? EL_EventLogDBbase::Commit::Held : EL_EventLogDBbase::Commit::AtOnce;
        if (!log->insertData(&record, true, commit)) {
            qWarning() << "!!! Insertion of event log data failed !!!";
            return;
        }
        // Refused at the commit, the event was never stored: the next one
        // prunes and launches instead.
        if (m_reSyncPending) {
            m_reSyncPending = false;
            log->afterCommit([this](bool committed) {
                if (committed)
                    EventLog::HistoricEventsSynchronizer::instance()->launch();
                else
                    m_reSyncPending = true;
            });
        }
    }
    if (noAck || !m_client->isEventAckEnabled())
        return;
    log->afterCommit([this, data, log](bool committed) {
        if (!committed)
            return;
        acknowledgeData(*data, LiveDataStatus);
        if (data->record().isRestoral())
            emit log->outstandingEventSettled(&data->record());
    });
}

bool sc_LkEventLog::handleAckPacket(const SyncPacket &packet)
{
    const auto buffer = QSharedPointer<SC_PacketBuffer>::create(packet.body);
    const auto ack = SC_ELAckPacketPtr::create(buffer, m_client);
    if (buffer->isBad()) {
        qWarning() << "sc_LkEventLog::handleAckPacket"
                   << "Truncated event-log acknowledgement dropped";
        return false;
    }
    ack->handlePacketData();
    emit ackReceived(ack->clientId(), ack->ackType(), QVariant::fromValue(SC_ELConstAckPacketPtr(ack)));
    return true;
}

void sc_LkEventLog::sendRegistrationRequest(quint8 first, quint16 second, quint8 third, quint8 fourth,
                                            const EventLog::RegistrationFilter &filter)
{
    SC_EventLogRegistrationReqPkt request({first, second, third, fourth}, filter,
                                          requestAddress(true, RegistrationService));
    m_client->sendPacket(request);
}

void sc_LkEventLog::sendDeRegistrationRequest(quint16 clientId)
{
    SC_EventLogDeRegistrationReqPkt request(clientId, requestAddress(false, DeRegistrationService));
    m_client->sendPacket(request);
}

void sc_LkEventLog::setClientId(quint16 clientId)
{
    if (m_historicRegistered)
        qWarning() << "sc_LkEventLog::setClientId"
                   << "! Replacing 'historic event log' client ID with a new one";
    m_historicClientId = clientId;
    m_historicRegistered = true;
}

void sc_LkEventLog::clearHistoricClient()
{
    m_historicRegistered = false;
}

void sc_LkEventLog::deRegisterHistoricClient()
{
    if (!m_historicRegistered || !EventLog::HistoricEventsSynchronizer::instance()->isRunning())
        return;
    sendDeRegistrationRequest(m_historicClientId);
    m_historicRegistered = false;
}

void sc_LkEventLog::sendRequestAck(quint8 ackType, quint8 status, const QVariant &ack)
{
    const SC_ELConstAckPacketPtr request = packetIn<SC_ELConstAckPacketPtr>(ack);
    if (!request) {
        qWarning() << "sc_LkEventLog::sendRequestAck"
                   << "no acknowledgement to answer";
        return;
    }
    SC_EventLogAckPacket answer(
        {request->clientId(), request->sequenceNumber(), status, ackType},
        SC_LkSpeakBasePacket::makeReplyAs(*request, SC_EventLogAckPacket::FunctionCode, RegistrationAckService, false));
    m_client->sendPacket(answer);
}

void sc_LkEventLog::sendDataAck(const QVariant &data, quint8 status)
{
    const LkSpeak::SC_ELConstDataPacketPtr packet = packetIn<LkSpeak::SC_ELConstDataPacketPtr>(data);
    if (!packet) {
        qWarning() << "sc_LkEventLog::sendDataAck"
                   << "no data packet to acknowledge";
        return;
    }
    acknowledgeData(*packet, status);
}

void sc_LkEventLog::acknowledgeData(const SC_EventLogDataPacket &data, quint8 status)
{
    sendAck(data, data.record().clientID, data.record().seqNo, status, SC_EventLogAckPacket::DataAck);
}

void sc_LkEventLog::sendAck(const SC_LkSpeakBasePacket &request, quint16 first, quint16 second, quint8 status,
                            quint8 ackType)
{
    SC_EventLogAckPacket answer({first, second, status, ackType},
                                SC_LkSpeakBasePacket::makeReply(request, SC_EventLogAckPacket::FunctionCode, false));
    m_client->sendPacket(answer);
}

bool sc_LkEventLog::isDataAckExpected() const
{
    return m_client->isEventAckEnabled();
}

void sc_LkEventLog::sendAcceptLogEvent(quint8 node, quint8 channel, quint8 channelAddress, quint16 seqNo,
                                       quint16 eventCode, quint16 clientId)
{
    SC_AcceptLogEventPacket request({node, channel, channelAddress, seqNo, eventCode, clientId},
                                    requestAddress(false, AcceptService));
    m_client->sendPacket(request);
}

void sc_LkEventLog::requestReSync()
{
    SC_EventLogAckPacket request({AnyClient, 0, ReSyncStatus, SC_EventLogAckPacket::ReSyncRequest},
                                 requestAddress(true, ReSyncService));
    m_client->sendPacket(request);
    m_client->setEventAckEnabled(false);
}

void sc_LkEventLog::handleDisconnection()
{
    m_reSyncPending = true;
}
