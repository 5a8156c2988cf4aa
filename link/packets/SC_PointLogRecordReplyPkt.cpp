#include "link/packets/SC_PointLogRecordReplyPkt.h"

#include "link/SyncClient.h"
#include "link/sc_LkPointManagerServices.h"

namespace {

constexpr quint8 DetailsFollow = 0x01;

} // namespace

SC_PointLogRecordReplyPkt::SC_PointLogRecordReplyPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                     SyncClient *client)
    : SC_PointManagerServicesPkt(received)
    , m_client(client)
{
    SC_PacketBuffer &bytes = *buffer();
    m_record = bytes.readUInt8();
    m_total = bytes.readUInt8();
    m_flag = bytes.readUInt8();
    if (!(m_flag & DetailsFollow))
        return;
    m_details.panel = client->getPointManagerServices()->pointLogPanel();
    m_details.time = bytes.readUInt32();
    m_details.loop = bytes.readUInt8();
    m_details.point = bytes.readUInt8();
    for (quint8 &detail : m_details.details)
        detail = bytes.readUInt8();
}

void SC_PointLogRecordReplyPkt::handlePacketData()
{
    sc_LkPointManagerServices *services = m_client->getPointManagerServices();
    emit services->pointLogReplyReceived(services->pointLogPanel(), m_record, m_total, m_flag, m_details);
}

void SC_PointLogRecordReplyPkt::serialise()
{
}
