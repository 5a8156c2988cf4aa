#include "link/packets/SC_EventAcceptedPacket.h"

#include "core/ChannelConversion.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/EventLogTable.h"
#include "link/SyncClient.h"
#include "link/sc_LkEventLog.h"
#include "link/sc_LkLogManagerServices.h"

namespace {

constexpr int LocallyAccepted = 1;
constexpr quint8 AckStatus = 3;

} // namespace

SC_EventAcceptedPacket::SC_EventAcceptedPacket(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_LogManagerPacket(received)
    , m_client(client)
{
    SC_PacketBuffer &bytes = *buffer();
    m_reference = bytes.readUInt16();
    const quint8 count = bytes.readUInt8();
    for (int i = 0; i < count && !bytes.isBad(); ++i) {
        Entry entry;
        entry.node = bytes.readUInt8();
        const quint8 first = bytes.readUInt8();
        const quint8 second = bytes.readUInt8();
        const QPair<quint8, quint8> channel =
            layoutKind() == 1 ? qMakePair(first, second) : numericalToChannelAddress(first, second);
        entry.channel = channel.first;
        entry.channelAddress = channel.second;
        entry.seqNo = bytes.readUInt16();
        entry.eventCode = bytes.readUInt16();
        m_entries << entry;
    }
}

void SC_EventAcceptedPacket::handlePacketData()
{
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    const QString statement =
        QStringLiteral("UPDATE %1 SET acceptStatus=? WHERE node=? AND channel=? AND channelAddr=? AND seqNo=? "
                       "AND eventCode=?")
            .arg(QLatin1String(EventLogTable::name));
    for (const Entry &entry : qAsConst(m_entries)) {
        log->execStatement(statement, {LocallyAccepted, entry.node, entry.channel, entry.channelAddress, entry.seqNo,
                                       entry.eventCode});
        emit log->outstandingEventSettled(quint16(entry.seqNo));
        emit log->outstandingEventsUpdated();
    }
    m_client->getEventLog()->sendAck(*this, m_reference, sequence(), AckStatus,
                                     SC_EventLogAckPacket::AcceptedEventsAck);
    emit m_client->getLogManagerServices()->logEventAccepted();
}
