#include "paneldata/pages/SC_PointCoreConfigurationPagePkt.h"

#include "core/ChannelConversion.h"
#include "link/SyncClient.h"
#include "link/sc_syncPages.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PrintableAddress.h"

namespace {

constexpr quint8 LogicalNumbersFormat = 1;
constexpr quint8 MaximumPointNumber = 250;
constexpr int MaximumRecords = 251;
constexpr quint8 MaximumZone = 240;

} // namespace

SC_PointCoreConfigurationPagePkt::SC_PointCoreConfigurationPagePkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                                   SyncClient *client)
    : sc_SyncPagePacket(received, client)
{
    SC_PacketBuffer &in = *buffer();
    m_format = in.readUInt8();
    m_entryCount = in.readUInt16();
    if (m_entryCount > MaximumEntries)
        return;
    m_entries.reserve(m_entryCount);
    for (int e = 0; e < m_entryCount && !in.isBad(); ++e)
        m_entries.append(readEntry(m_format == LogicalNumbersFormat));
}

SC_PointCoreConfigurationPagePkt::ChannelEntry SC_PointCoreConfigurationPagePkt::readEntry(bool logicalNumbers)
{
    SC_PacketBuffer &in = *buffer();
    ChannelEntry entry;
    const quint8 kindAndNumber = in.readUInt8();
    const quint8 address = in.readUInt8();
    if (layoutKind() == 0) {
        const auto channel = numericalToChannelAddress(kindAndNumber & 0x0F, address);
        entry.key = ChannelAddress(channel.first, channel.second, quint8(kindAndNumber >> 4));
    } else {
        entry.key = ChannelAddress(kindAndNumber, address);
    }
    entry.firstPoint = in.readUInt8();
    entry.recordCount = in.readUInt8();
    entry.records.reserve(entry.recordCount);
    for (int i = 0; i < entry.recordCount && !in.isBad(); ++i) {
        PointAddressKey record;
        record.pointNumber = quint8(entry.firstPoint + i);
        record.deviceType = in.readUInt8();
        in.readUInt8();
        const quint8 flagsHigh = in.readUInt8();
        record.attributes = in.readUInt8();
        record.functionFlags = quint32(flagsHigh) << 8 | in.readUInt8();
        record.zone = in.readUInt8();
        record.logicalPointNumber = logicalNumbers ? in.readUInt8() : PointAddressKey::UnsetLogicalPointNumber;
        entry.records.append(record);
    }
    return entry;
}

bool SC_PointCoreConfigurationPagePkt::isAccepted() const
{
    return sc_SyncPagePacket::isAccepted() && m_entryCount <= MaximumEntries;
}

bool SC_PointCoreConfigurationPagePkt::isRoutedHere() const
{
    return isTablePanel();
}

// False ends the part: the entry is invalid, or its last empty-or-faulty
// record was faulty.
bool SC_PointCoreConfigurationPagePkt::storeEntry(const ChannelEntry &entry) const
{
    const int first = entry.firstPoint;
    const int count = entry.recordCount;
    if (count < 1 || first > MaximumPointNumber || count > MaximumRecords || first + count > MaximumRecords)
        return false;
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    const quint8 panel = panelNumber();
    core->addChannel(panel, entry.key, count);
    bool result = true;
    for (const PointAddressKey &record : entry.records) {
        if (record.deviceType == PointAddressKey::NoDevice) {
            result = true;
            continue;
        }
        if (record.zone > MaximumZone) {
            result = false;
            continue;
        }
        if (m_format == LogicalNumbersFormat && record.logicalPointNumber > MaximumPointNumber)
            result = false;
        core->addPoint(panel, entry.key, record);
    }
    return result;
}

void SC_PointCoreConfigurationPagePkt::handlePacketData()
{
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    const quint8 panel = panelNumber();
    if (partNumber() == 0)
        core->clearPanel(panel);
    core->reserveChannels(panel, m_entryCount);
    for (const ChannelEntry &entry : qAsConst(m_entries)) {
        if (!storeEntry(entry))
            return;
    }
    // Points may have changed zone: no reader woken by the notice may print
    // a zone from before.
    if (PrintableAddress *printable = PrintableAddress::existingInstance())
        printable->clearZoneTextCache();
    core->notifyPointCoreUpdated(panel);
    recordSignature();
}

// The part's signature is stored as soon as its points are, and a change of
// it is announced like a page whose signature the controller changed.
void SC_PointCoreConfigurationPagePkt::recordSignature() const
{
    if (!client())
        return;
    sc_syncPages &pages = client()->syncPages();
    sc_syncPages::SignatureEntry held;
    const bool found = pages.signature(pageId(), panelNumber(), partNumber(), held);
    if (held.signature == pageSignature())
        return;
    if (found)
        emit pages.signatureChanged(SC_SyncPageIDS::ePointCoreConfiguration);
    pages.storeSignature(pageId(), panelNumber(), partNumber(), {true, true, pageSignature()});
}

void SC_PointCoreConfigurationPagePkt::serialise()
{
    buffer()->writeLength();
}
