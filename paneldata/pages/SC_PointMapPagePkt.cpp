#include "paneldata/pages/SC_PointMapPagePkt.h"

#include "core/BucketKeys.h"
#include "core/ChannelConversion.h"
#include "link/SyncClient.h"
#include "paneldata/PointDataMapsConfiguration.h"

namespace {

bool outOfPointRange(int first, int count)
{
    return first > 250 || count == 0 || first + count > 251;
}

} // namespace

SC_PointMapPagePkt::SC_PointMapPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client,
                                       OutOfRange outOfRange)
    : sc_SyncPagePacket(received, client)
{
    SC_PacketBuffer &in = *buffer();
    const int count = in.readUInt16() & 0xFF;
    m_records.reserve(count);
    for (int i = 0; i < count && !in.isBad(); ++i) {
        quint8 byte0 = in.readUInt8();
        quint8 byte1 = in.readUInt8();
        if (layoutKind() == 0) {
            const auto channel = numericalToChannelAddress(byte0 & 0x0F, byte1);
            byte0 = quint8((byte0 & 0xF0) | (channel.first & 0x0F));
            byte1 = channel.second;
        }
        const quint8 first = in.readUInt8();
        const quint8 points = in.readUInt8();
        m_records.append(ChannelMap{ChannelAddress(byte0, byte1), in.readBitArray(first, points)});
        if (outOfRange == OutOfRange::EndsPart && outOfPointRange(first, points))
            break;
    }
}

bool SC_PointMapPagePkt::isRoutedHere() const
{
    return isTablePanel();
}

void SC_PointMapPagePkt::storeMaps() const
{
    const quint8 panel = panelNumber();
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    if (partNumber() == 0) {
        if (client())
            client()->emitBucketCommand(
                {BucketCmd::RemoveKeysWithPrefix, pageId(), BucketKeys::panelPrefix(panel), QString()});
        maps->clearPanel(pageId(), panel);
    }
    for (const ChannelMap &record : m_records)
        maps->setChannelPoints(pageId(), panel, record.channel, record.points);
}

void SC_PointMapPagePkt::notifyMapUpdated() const
{
    PointDataMapsConfiguration::instance()->notifyMapUpdated(pageId());
}

void SC_PointMapPagePkt::serialise()
{
    buffer()->writeLength();
}
