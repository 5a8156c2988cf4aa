#include "paneldata/pages/SC_PanelPointNamesPagePkt.h"

#include "core/ChannelConversion.h"
#include "core/TCTypes.h"
#include "link/SyncClient.h"
#include "paneldata/PointTextCache.h"

namespace {

constexpr quint16 MaximumRecords = 4096;

} // namespace

SC_PanelPointNamesPagePkt::SC_PanelPointNamesPagePkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                     SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_languages(buffer()->readUInt8())
    , m_recordCount(buffer()->readUInt16())
{
    if (!isLanguageCount(m_languages) || m_recordCount > MaximumRecords)
        return;
    for (int i = 0; i < m_recordCount && !buffer()->isBad(); ++i)
        readRecord();
}

void SC_PanelPointNamesPagePkt::readRecord()
{
    SC_PacketBuffer &bytes = *buffer();
    PanelPointNamesRecord record;
    record.channelByte0 = bytes.readUInt8();
    record.channelByte1 = bytes.readUInt8();
    if (bytes.layoutKind() == 0) {
        const QPair<quint8, quint8> channel =
            numericalToChannelAddress(record.channelByte0 & 0x0F, record.channelByte1);
        record.channelByte0 = quint8((record.channelByte0 & 0xF0) | (channel.first & 0x0F));
        record.channelByte1 = channel.second;
    }
    record.firstPoint = bytes.readUInt8();
    record.pointCount = bytes.readUInt8();
    for (const QStringList &texts : readLanguageTexts(record.pointCount, m_languages))
        record.texts.append({texts.value(0), texts.value(1)});
    m_records.append(record);
}

// Panel 255 would name every panel when the names are cleared.
bool SC_PanelPointNamesPagePkt::isAccepted() const
{
    return sc_SyncPagePacket::isAccepted() && isLanguageCount(m_languages) && m_recordCount <= MaximumRecords;
}

bool SC_PanelPointNamesPagePkt::isRoutedHere() const
{
    return panelNumber() != TC::cAllPanels;
}

void SC_PanelPointNamesPagePkt::handlePacketData()
{
    PointTextCache *texts = PointTextCache::instance();
    if (partNumber() == 0)
        texts->clearPanel(panelNumber());
    // Only the names this part brings leave the cache: emptying it for every
    // part made a screen showing an event read that event's panel file
    // again after each part, writing the held panel's file each time.
    texts->storePanelTexts(panelNumber(), m_records);
    emit client()->pointStringUpdated(panelNumber());
}

void SC_PanelPointNamesPagePkt::serialise()
{
    buffer()->writeLength();
}
