#include "paneldata/pages/SC_PointRegionNamePagePkt.h"

#include "core/ChannelConversion.h"
#include "core/TCTypes.h"

namespace {

constexpr quint16 MaximumRegions = 4096;

} // namespace

SC_PointRegionNamePagePkt::SC_PointRegionNamePagePkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                     SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_languages(buffer()->readUInt8())
    , m_count(buffer()->readUInt16())
{
    if (!isLanguageCount(m_languages) || m_count > MaximumRegions)
        return;
    SC_PacketBuffer &bytes = *buffer();
    for (int i = 0; i < m_count && !bytes.isBad(); ++i) {
        Region region;
        region.byte0 = bytes.readUInt8();
        region.byte1 = bytes.readUInt8();
        if (bytes.layoutKind() == 0) {
            const QPair<quint8, quint8> channel = numericalToChannelAddress(region.byte0, region.byte1);
            region.byte0 = channel.first;
            region.byte1 = channel.second;
        }
        region.names = readLanguageTexts(1, m_languages).value(0);
        m_regions.append(region);
    }
}

bool SC_PointRegionNamePagePkt::isAccepted() const
{
    return sc_SyncPagePacket::isAccepted() && isLanguageCount(m_languages) && m_count <= MaximumRegions;
}

bool SC_PointRegionNamePagePkt::isRoutedHere() const
{
    return isTablePanel();
}

void SC_PointRegionNamePagePkt::handlePacketData()
{
    for (const Region &region : qAsConst(m_regions)) {
        for (int language = 1; language <= region.names.size(); ++language) {
            const QString &name = region.names.at(language - 1);
            if (name.isEmpty())
                continue;
            setBucketKey(
                QStringLiteral("%1|%2|%3|%4").arg(panelNumber()).arg(region.byte0).arg(region.byte1).arg(language),
                name);
        }
    }
}

void SC_PointRegionNamePagePkt::serialise()
{
    buffer()->writeLength();
}
