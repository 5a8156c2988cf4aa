#include "paneldata/pages/SC_PointDeviceDescriptionsPagePkt.h"

#include "core/TCTypes.h"
#include "link/SyncClient.h"

namespace {

constexpr quint16 MaximumDescriptions = 256;

} // namespace

SC_PointDeviceDescriptionsPagePkt::SC_PointDeviceDescriptionsPagePkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                                     SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_languages(buffer()->readUInt8())
    , m_first(buffer()->readUInt8())
    , m_count(buffer()->readUInt16())
{
    if (isLanguageCount(m_languages) && m_count <= MaximumDescriptions)
        m_descriptions = readLanguageTexts(m_count, m_languages);
}

bool SC_PointDeviceDescriptionsPagePkt::isAccepted() const
{
    return sc_SyncPagePacket::isAccepted() && isLanguageCount(m_languages) && m_count <= MaximumDescriptions;
}

bool SC_PointDeviceDescriptionsPagePkt::isRoutedHere() const
{
    return panelNumber() == TC::cNoPanel;
}

void SC_PointDeviceDescriptionsPagePkt::handlePacketData()
{
    for (int i = 0; i < m_descriptions.size(); ++i) {
        const QStringList &texts = m_descriptions.at(i);
        for (int language = 1; language <= texts.size(); ++language)
            setBucketKey(QStringLiteral("%1|%2").arg(quint8(m_first + i)).arg(language), texts.at(language - 1));
    }
    recordSignature(client()->syncPages());
}

void SC_PointDeviceDescriptionsPagePkt::serialise()
{
    buffer()->writeLength();
}
