#include "paneldata/pages/SC_InformationTextMessagesPkt.h"

namespace {

constexpr int LastMessage = 100;

bool isInRange(quint8 first, quint8 count)
{
    return count >= 1 && first + count - 1 <= LastMessage;
}

} // namespace

SC_InformationTextMessagesPkt::SC_InformationTextMessagesPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                             SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_languages(buffer()->readUInt8())
    , m_first(buffer()->readUInt8())
    , m_count(buffer()->readUInt8())
{
    if (isInRange(m_first, m_count))
        m_messages = readLanguageTexts(m_count, m_languages);
}

bool SC_InformationTextMessagesPkt::isAccepted() const
{
    return sc_SyncPagePacket::isAccepted() && isInRange(m_first, m_count);
}

// A message is shown on one line.
void SC_InformationTextMessagesPkt::handlePacketData()
{
    if (partNumber() == 0)
        removePanelKeys();
    for (int i = 0; i < m_messages.size(); ++i) {
        const QStringList &texts = m_messages.at(i);
        for (int language = 1; language <= texts.size(); ++language) {
            QString text = texts.at(language - 1);
            setBucketKey(QStringLiteral("%1|%2|%3").arg(panelNumber()).arg(m_first + i).arg(language),
                         text.replace(QLatin1Char('\n'), QLatin1Char(' ')));
        }
    }
}

void SC_InformationTextMessagesPkt::serialise()
{
    buffer()->writeLength();
}
