#include "link/packets/SC_TextStringReply.h"

#include "core/ChannelConversion.h"
#include "core/SC_SyncPageIDS.h"
#include "link/SyncClient.h"
#include "paneldata/PointTextCache.h"

namespace {

constexpr quint8 PointTextFollows = 0x01;
constexpr quint8 ZoneTextFollows = 0x02;
constexpr quint8 PanelFollows = 0x40;
constexpr quint8 SecondLanguage = 0x80;

} // namespace

SC_TextStringReply::SC_TextStringReply(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_LkSpeakBasePacket(received)
    , m_flags(buffer()->readUInt8())
    , m_panel(sourceNode())
    , m_client(client)
{
    SC_PacketBuffer &bytes = *buffer();
    const int language = textLanguage();
    if (m_flags & PointTextFollows) {
        const quint8 first = bytes.readUInt8();
        const quint8 second = bytes.readUInt8();
        const auto channel = channelFromLayout(first, second, layoutKind());
        m_channel = ChannelAddress(channel.first, channel.second, bytes.readUInt8());
        m_point = bytes.readUInt8();
        bytes.readUInt16();
        m_pointText = bytes.readText(bytes.readUInt8(), false, language);
    }
    if (m_flags & ZoneTextFollows) {
        m_zone = bytes.readUInt8();
        m_zoneText = bytes.readText(bytes.readUInt8(), false, language);
    }
    if (m_flags & PanelFollows)
        m_panel = bytes.readUInt8();
}

int SC_TextStringReply::textLanguage() const
{
    return (m_flags & SecondLanguage) ? 2 : 1;
}

void SC_TextStringReply::handlePacketData()
{
    const int language = textLanguage();
    if (m_flags & PointTextFollows)
        PointTextCache::instance()->updatePointText(m_panel, m_channel, m_point, m_pointText, language);
    if (m_flags & ZoneTextFollows) {
        m_client->emitBucketCommand({BucketCmd::SetValue, SC_SyncPageIDS::ePanelZoneNames,
                                     QStringLiteral("%1|%2|%3").arg(m_panel).arg(m_zone).arg(language), m_zoneText});
    }
    emit m_client->pointStringUpdated(m_panel);
}

void SC_TextStringReply::serialise()
{
    buffer()->writeLength();
}
