#include "link/packets/SC_GUISoftwareVersionReqPacket.h"

#include "core/BuildStamp.h"
#include "core/GlobalConstants.h"
#include "link/SyncClient.h"
#include "link/packets/SC_GUISoftwareVersionReplyPacket.h"

SC_GUISoftwareVersionReqPacket::SC_GUISoftwareVersionReqPacket(const QSharedPointer<SC_PacketBuffer> &received,
                                                               SyncClient *client)
    : SC_SystemManagerSupportPacket(received)
    , m_client(client)
{
    buffer()->readUInt8();
}

void SC_GUISoftwareVersionReqPacket::handlePacketData()
{
    using Reply = SC_GUISoftwareVersionReplyPacket;
    Reply reply(*this, Reply::versionRecord(QLatin1String(GlobalConstants::engineVersion),
                                            QLatin1String(BuildStamp::date), QLatin1String(BuildStamp::time)));
    reply.serialise();
    m_client->sendRawPacket(SyncClient::LkSpeakChannel, reply.buffer()->getByteArray());
}

void SC_GUISoftwareVersionReqPacket::serialise()
{
    buffer()->writeLength();
}
