#include "link/sc_LkEventLog.h"

#include "link/SyncClient.h"
#include "link/packets/SC_EventLogAckPacket.h"
#include "pointmodels/model.h"

namespace {

constexpr quint16 AnyClient = 65535;
constexpr quint8 ReSyncStatus = 2;
constexpr quint8 ReSyncRequest = 14;
constexpr quint8 EventLogService = 20;

} // namespace

sc_LkEventLog::sc_LkEventLog(SyncClient *client, QObject *parent)
    : QObject(parent)
    , m_client(client)
{
}

void sc_LkEventLog::requestReSync()
{
    SC_RequestAddress address;
    address.layoutKind = model::instance()->packetHeaderLayout();
    address.acknowledgeRequest = true;
    address.secondService = EventLogService;
    SC_EventLogAckPacket request({AnyClient, 0, ReSyncStatus, ReSyncRequest}, address);
    request.serialise();
    m_client->sendRawPacket(SyncClient::LkSpeakChannel, request.buffer()->getByteArray());
}
