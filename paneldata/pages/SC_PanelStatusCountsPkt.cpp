#include "paneldata/pages/SC_PanelStatusCountsPkt.h"

#include "core/BucketKeys.h"
#include "core/TCTypes.h"
#include "paneldata/PanelCounters.h"
#include "paneldata/WalkTestHandler.h"

namespace {

// Each count of the body, in body order: the bucket-5 key it writes, or the
// panel counter it feeds.
struct CountField
{
    const char *key;
    void (PanelCounters::*counter)(int, quint8);
};

const std::array<CountField, SC_PanelStatusCountsPkt::Counts> CountFields{{
    {nullptr, &PanelCounters::setDisablements},
    {BucketKeys::fireAlrms, nullptr},
    {nullptr, &PanelCounters::setFaults},
    {BucketKeys::dsbldSndrOPs, nullptr},
    {BucketKeys::dsbldNonSndrsOP, nullptr},
    {BucketKeys::fullyDsbldFireZns, nullptr},
    {BucketKeys::prtlyDsbldFireZns, nullptr},
    {BucketKeys::alarmWrngs, nullptr},
    {BucketKeys::actvCtrls, nullptr},
    {nullptr, &PanelCounters::setThirdCounter},
    {BucketKeys::loopDrMntrs, nullptr},
    {BucketKeys::devsNrlyDrty, nullptr},
    {BucketKeys::devsDrty, nullptr},
    {BucketKeys::unrdyDevs, nullptr},
    {BucketKeys::pntsOnTst, nullptr},
    {BucketKeys::coDevsNrlyOld, nullptr},
    {BucketKeys::coDevsOld, nullptr},
    {BucketKeys::pnlEntrdAlrm, nullptr},
}};

constexpr quint8 TestEquipmentBit = 0x01;
constexpr quint8 DownInhibitBit = 0x02;
constexpr quint16 DayDisablementBit = 0x0002;

} // namespace

SC_PanelStatusCountsPkt::SC_PanelStatusCountsPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : sc_SyncPagePacket(received, client)
{
    SC_PacketBuffer &bytes = *buffer();
    bytes.readUInt8();
    for (quint16 &count : m_counts)
        count = bytes.readUInt16();
    m_statusBits = bytes.readUInt8();
    m_batteryStatus = bytes.readUInt8();
    if (hasOptionalField())
        m_dayFlags = bytes.readUInt16();
    if (hasOptionalField())
        m_walkTestNode = bytes.readUInt8();
}

bool SC_PanelStatusCountsPkt::isRoutedHere() const
{
    return panelNumber() == TC::cNoPanel || isTablePanel();
}

void SC_PanelStatusCountsPkt::handlePacketData()
{
    PanelCounters *counters = PanelCounters::instance();
    for (size_t i = 0; i < CountFields.size(); ++i) {
        if (CountFields[i].counter)
            (counters->*CountFields[i].counter)(m_counts[i], panelNumber());
        else
            setBucketNumber(QLatin1String(CountFields[i].key), m_counts[i], true);
    }
    setBucketNumber(QLatin1String(BucketKeys::btryStat), m_batteryStatus, true);
    setBucketNumber(QLatin1String(BucketKeys::dayDisbld), (m_dayFlags & DayDisablementBit) ? 1 : 0, true);
    setBucketNumber(QLatin1String(BucketKeys::tstEqp), (m_statusBits & TestEquipmentBit) ? 1 : 0, true);
    setBucketNumber(QLatin1String(BucketKeys::dwnInhib), (m_statusBits & DownInhibitBit) ? 1 : 0, true);
    WalkTestHandler::instance()->setSelectedNode(m_walkTestNode);
}

void SC_PanelStatusCountsPkt::serialise()
{
    buffer()->writeLength();
}
