#include "paneldata/pages/SC_CommsNodeConfigurationPkt.h"

#include "core/BucketMaster.h"
#include "core/ChannelConversion.h"
#include "core/TCTypes.h"
#include "paneldata/PointAddressing.h"

#include <QDebug>

namespace {

constexpr quint16 MaximumEntries = 4096;
constexpr quint8 NoKind = 255;
constexpr int Nodes = 254;

} // namespace

SC_CommsNodeConfigurationPkt::SC_CommsNodeConfigurationPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                           SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_count(buffer()->readUInt16())
{
    if (m_count > MaximumEntries)
        return;
    SC_PacketBuffer &bytes = *buffer();
    for (int i = 0; i < m_count && !bytes.isBad(); ++i) {
        Entry entry;
        entry.kind = bytes.readUInt8();
        entry.firstNode = bytes.readUInt8();
        if (bytes.layoutKind() == 0) {
            const QPair<quint8, quint8> channel = numericalToChannelAddress(entry.kind, entry.firstNode);
            entry.kind = channel.first;
            entry.firstNode = channel.second;
        }
        entry.count = bytes.readUInt8();
        entry.nodes = bytes.readBitArray(entry.firstNode, entry.count);
        m_entries.append(entry);
    }
}

bool SC_CommsNodeConfigurationPkt::isAccepted() const
{
    return sc_SyncPagePacket::isAccepted() && m_count <= MaximumEntries;
}

bool SC_CommsNodeConfigurationPkt::isRoutedHere() const
{
    return isTablePanel() && partNumber() == 0;
}

void SC_CommsNodeConfigurationPkt::handlePacketData()
{
    for (const Entry &entry : qAsConst(m_entries)) {
        if (entry.kind == NoKind || entry.firstNode + entry.count > Nodes) {
            qWarning().nospace() << "SC_CommsNodeConfigurationPkt::handlePacketData"
                                 << " panel " << panelNumber() << ": entry of kind " << entry.kind << ", nodes "
                                 << entry.firstNode << " and " << entry.count << " following ends the page";
            return;
        }
        BucketMaster::instance()->setValue(pageId(), QStringLiteral("%1|%2").arg(panelNumber()).arg(entry.kind),
                                           bitArrayToBitString(entry.nodes).left(Nodes));
    }
}

void SC_CommsNodeConfigurationPkt::serialise()
{
    buffer()->writeLength();
}
