#include "paneldata/pages/SC_EventNamesPagePkt.h"

SC_EventNamesPagePkt::SC_EventNamesPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_languages(buffer()->readUInt8())
    , m_first(buffer()->readUInt16())
    , m_count(buffer()->readUInt16())
{
    if (isLanguageCount(m_languages))
        m_names = readLanguageTexts(m_count, m_languages);
}

bool SC_EventNamesPagePkt::isAccepted() const
{
    return sc_SyncPagePacket::isAccepted() && isLanguageCount(m_languages) && m_count >= 1;
}

void SC_EventNamesPagePkt::handlePacketData()
{
    for (int i = 0; i < m_names.size(); ++i) {
        const QStringList &names = m_names.at(i);
        for (int language = 1; language <= names.size(); ++language)
            setBucketKey(QStringLiteral("%1|%2").arg(quint16(m_first + i)).arg(language), names.at(language - 1));
    }
}

void SC_EventNamesPagePkt::serialise()
{
    buffer()->writeLength();
}
