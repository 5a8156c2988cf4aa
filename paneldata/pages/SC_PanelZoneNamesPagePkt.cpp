#include "paneldata/pages/SC_PanelZoneNamesPagePkt.h"

namespace {

constexpr int LastZone = 240;
constexpr int ZonesEnd = LastZone + 1;

} // namespace

SC_PanelZoneNamesPagePkt::SC_PanelZoneNamesPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_languages(buffer()->readUInt8())
    , m_firstZone(buffer()->readUInt8())
    , m_count(buffer()->readUInt8())
{
    if (isLanguageCount(m_languages))
        m_names = readLanguageTexts(m_count, m_languages);
}

bool SC_PanelZoneNamesPagePkt::isAccepted() const
{
    return sc_SyncPagePacket::isAccepted() && isLanguageCount(m_languages) && m_firstZone <= LastZone
           && m_firstZone + m_count <= ZonesEnd;
}

void SC_PanelZoneNamesPagePkt::handlePacketData()
{
    if (partNumber() == 0)
        removePanelKeys();
    for (int i = 0; i < m_names.size(); ++i) {
        const QStringList &names = m_names.at(i);
        for (int language = 1; language <= names.size(); ++language) {
            setBucketKey(QStringLiteral("%1|%2|%3").arg(panelNumber()).arg(m_firstZone + i).arg(language),
                         names.at(language - 1));
        }
    }
}

void SC_PanelZoneNamesPagePkt::serialise()
{
    buffer()->writeLength();
}
