#include "link/packets/SC_InitiateConnectionPacket.h"

#include "core/TeskGlobalConfig.h"
#include "link/SC_LinkEffects.h"
#include "link/SyncClient.h"
#include "link/packets/SC_InitiateConnectionRespPacket.h"

namespace {

constexpr int OptionByteOffset = 7;
constexpr quint8 DebugFirmware = 0x01;
constexpr quint8 Compatible = 0x02;
constexpr quint8 ClearSystemFault = 0x04;

} // namespace

SC_InitiateConnectionPacket::SC_InitiateConnectionPacket(const QSharedPointer<SC_PacketBuffer> &received,
                                                         SyncClient *client)
    : SC_TESKSupportPacket(received)
    , m_client(client)
{
    SC_PacketBuffer &bytes = *buffer();
    bytes.readUInt8();
    m_controllerType = bytes.readUInt8();
    bytes.readUInt8();
    m_networkNode = bytes.readUInt8();
    bytes.readUInt8();
    m_connectionNode = bytes.readUInt8();
    if (length() >= quint32(bytes.headerLength() + OptionByteOffset + 1))
        m_options = bytes.readUInt8();
}

// A new synchronisation: what the previous connection left is reset.
void SC_InitiateConnectionPacket::handlePacketData()
{
    SC_LinkEffects::installed()->connectionInitiated(m_controllerType);
    if (m_options != NoOptions) {
        m_client->emitBucketCommand({BucketCmd::SetValue, 0, QStringLiteral("debugPanelFwFlag"),
                                     (m_options & DebugFirmware) ? QStringLiteral("1") : QStringLiteral("0")});
        m_client->setCompatibilityFlag(m_options & Compatible);
        if (m_options & ClearSystemFault)
            SC_LinkEffects::installed()->clearSystemFaultLed();
    }
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setNetworkNodeNumber(m_networkNode);
    config->setConnectionNodeNumber(m_connectionNode);
    SC_InitiateConnectionRespPacket response(*this, m_client->connectionKey());
    response.serialise();
    m_client->sendRawPacket(SyncClient::LkSpeakChannel, response.buffer()->getByteArray());
    emit m_client->panelReadyForAuthentication();
}

void SC_InitiateConnectionPacket::serialise()
{
    buffer()->writeLength();
}
