#include "paneldata/pages/SC_LoopDriverConfigurationPkt.h"

#include "core/SC_SyncPageIDS.h"
#include "paneldata/LoopDriverConfiguration.h"

namespace {

// The page header and the driver count come before the first list.
constexpr int BytesBeforeDrivers = 9;
constexpr int DriverEntryBytes = 6;
constexpr int LoopValueBlockHead = 5;

} // namespace

SC_LoopDriverConfigurationPkt::SC_LoopDriverConfigurationPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                             SyncClient *client)
    : sc_SyncPagePacket(received, client)
{
    SC_PacketBuffer &in = *buffer();
    m_driverCount = in.readUInt8();
    for (int i = 0; i < m_driverCount && !in.isBad(); ++i) {
        LoopDriverRecord driver;
        in.readUInt8();
        driver.cardAddress = in.readUInt8();
        in.readUInt8();
        driver.pairing = in.readUInt8();
        driver.driverType = in.readUInt8();
        driver.loopNumber = in.readUInt8();
        m_drivers.append(driver);
    }
    const quint32 firstListEnd = quint32(in.headerLength() + BytesBeforeDrivers + DriverEntryBytes * m_driverCount);
    if (length() > firstListEnd) {
        m_optionCardCount = in.readUInt8();
        for (int i = 0; i < m_optionCardCount && !in.isBad(); ++i) {
            OptionCardRecord card;
            in.readUInt8();
            in.readUInt8();
            card.cardAddress = in.readUInt8();
            card.equipmentIndex = in.readUInt8();
            m_optionCards.append(card);
        }
    }
    if (hasOptionalField()) {
        const quint8 blockLength = in.readUInt8();
        const quint8 values = in.readUInt8();
        for (int i = 0; i < values && !in.isBad(); ++i) {
            const int loop = in.readUInt8();
            m_loopValues.append({loop, in.readUInt8()});
        }
        if (blockLength > LoopValueBlockHead)
            in.readByteVector(quint8(blockLength - LoopValueBlockHead));
    }
}

bool SC_LoopDriverConfigurationPkt::isAccepted() const
{
    return sc_SyncPagePacket::isAccepted() && m_driverCount < MaximumEntries && m_optionCardCount < MaximumEntries;
}

bool SC_LoopDriverConfigurationPkt::isRoutedHere() const
{
    return pageId() == SC_SyncPageIDS::eLoopDriverConfiguration;
}

void SC_LoopDriverConfigurationPkt::handlePacketData()
{
    LoopDriverConfiguration *loops = LoopDriverConfiguration::instance();
    const quint8 panel = panelNumber();
    loops->clearPanel(panel);
    for (const LoopDriverRecord &driver : qAsConst(m_drivers))
        loops->addLoopDriver(panel, driver);
    for (const OptionCardRecord &card : qAsConst(m_optionCards))
        loops->addOptionCard(panel, card);
    for (const auto &value : qAsConst(m_loopValues))
        loops->addLoopValue(panel, value.first, value.second);
}

void SC_LoopDriverConfigurationPkt::serialise()
{
    buffer()->writeLength();
}
