#include "paneldata/pages/SC_PointDeviceTagsPagePkt.h"

#include "core/TCTypes.h"
#include "link/SyncClient.h"

namespace {

constexpr quint16 MaximumTags = 256;

} // namespace

SC_PointDeviceTagsPagePkt::SC_PointDeviceTagsPagePkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                     SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_firstTag(buffer()->readUInt8())
    , m_count(buffer()->readUInt16())
{
    if (m_count > MaximumTags)
        return;
    for (int i = 0; i < m_count && !buffer()->isBad(); ++i)
        m_tags << readPageText();
}

bool SC_PointDeviceTagsPagePkt::isAccepted() const
{
    return sc_SyncPagePacket::isAccepted() && m_count <= MaximumTags;
}

bool SC_PointDeviceTagsPagePkt::isRoutedHere() const
{
    return panelNumber() == TC::cNoPanel;
}

void SC_PointDeviceTagsPagePkt::handlePacketData()
{
    for (int i = 0; i < m_tags.size(); ++i)
        setBucketKey(QString::number(quint8(m_firstTag + i)), m_tags.at(i));
    recordSignature(client()->syncPages());
}

void SC_PointDeviceTagsPagePkt::serialise()
{
    buffer()->writeLength();
}
