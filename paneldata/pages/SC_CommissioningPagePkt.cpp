#include "paneldata/pages/SC_CommissioningPagePkt.h"

#include "core/BucketKeys.h"
#include "core/SC_SyncPageIDS.h"
#include "core/TCTypes.h"
#include "link/SyncClient.h"
#include "paneldata/PointAddressing.h"
#include "paneldata/SingleDevicePollingHandler.h"

#include <QDebug>

#include <array>

namespace {

struct FlagKey
{
    int bit;
    const char *key;
};

// Bits 4, 14 and 15 have no key.
constexpr std::array<FlagKey, 13> FlagKeys{{
    {0, BucketKeys::fastLgc},
    {1, BucketKeys::rateOfRiseProc},
    {2, BucketKeys::fastFlt},
    {3, BucketKeys::detPwrUp},
    {5, BucketKeys::CommLvlUserLggedIn},
    {6, BucketKeys::noisyDev},
    {7, BucketKeys::irSrvMod},
    {8, BucketKeys::rsmforced},
    {9, BucketKeys::noRespReprtngInhibitd},
    {10, BucketKeys::QsctPrntgPsed},
    {11, BucketKeys::pollAddr255},
    {12, BucketKeys::devReplacement},
    {13, BucketKeys::connectedService},
}};

constexpr int LegacyLoops = 16;
constexpr quint16 LongestReEnableTime = 7200;
constexpr quint8 LastLoop = 32;
constexpr quint8 LastPoint = 250;
constexpr quint8 AllPointsPoll = 255;

bool isPoll(quint8 loop, quint8 point)
{
    return loop >= 1 && loop <= LastLoop && ((point >= 1 && point <= LastPoint) || point == AllPointsPoll);
}

} // namespace

SC_CommissioningPagePkt::SC_CommissioningPagePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_legacyLoopBits(buffer()->readUInt16())
    , m_flags(buffer()->readUInt16())
    , m_reEnableTime(buffer()->readUInt16())
    , m_loops(LoopPositions)
{
    SC_PacketBuffer &bytes = *buffer();
    const quint8 polls = bytes.readUInt8();
    for (int i = 0; i < polls && !bytes.isBad(); ++i) {
        const quint8 loop = bytes.readUInt8();
        m_polls.append({loop, bytes.readUInt8()});
    }
    if (hasOptionalField()) {
        const quint8 firstBit = bytes.readUInt8();
        const quint8 count = bytes.readUInt8();
        if (firstBit + count > LoopPositions) {
            qWarning().nospace() << "SC_CommissioningPagePkt::SC_CommissioningPagePkt"
                                 << " panel " << panelNumber() << ": loop bits " << firstBit << " and " << count
                                 << " following reach past loop 255; those past it are dropped";
        }
        m_loops = bytes.readBitArray(firstBit, count);
        return;
    }
    for (int i = 0; i < LegacyLoops; ++i)
        m_loops.setBit(i + 1, m_legacyLoopBits & (1u << i));
}

bool SC_CommissioningPagePkt::isRoutedHere() const
{
    return isTablePanel();
}

// The commissioning keys live in bucket 27 whichever page carried them.
void SC_CommissioningPagePkt::setKey(const QString &key, const QString &value) const
{
    client()->emitBucketCommand({BucketCmd::SetValue, SC_SyncPageIDS::eCommissioning, key, value});
}

void SC_CommissioningPagePkt::writeFlags() const
{
    for (const FlagKey &flag : FlagKeys) {
        setKey(BucketKeys::commissioningFlagKey(panelNumber(), flag.key),
               QLatin1String((m_flags & (1u << flag.bit)) ? "true" : "false"));
    }
}

void SC_CommissioningPagePkt::handlePacketData()
{
    const quint8 panel = panelNumber();
    const QString loopText = bitArrayToBitString(m_loops);
    setKey(BucketKeys::panelKey(panel, BucketKeys::loopShtDwn), loopText);
    writeFlags();
    if (m_reEnableTime > LongestReEnableTime) {
        qWarning().nospace() << "SC_CommissioningPagePkt::handlePacketData"
                             << " panel " << panel << ": output re-enable time " << m_reEnableTime
                             << " above the longest; polls and loop shut-downs left as they were";
        return;
    }
    setKey(BucketKeys::panelKey(panel, BucketKeys::optReEnbleTmr), QString::number(m_reEnableTime));

    SingleDevicePollingHandler *polling = SingleDevicePollingHandler::instance();
    polling->stopPolling(panel);
    for (const QPair<quint8, quint8> &poll : qAsConst(m_polls)) {
        if (!isPoll(poll.first, poll.second)) {
            qWarning().nospace() << "SC_CommissioningPagePkt::handlePacketData"
                                 << " panel " << panel << ": poll of loop " << poll.first << " point " << poll.second
                                 << " out of range; the polls after it and the loop shut-downs are ignored";
            return;
        }
        polling->startPolling(panel, poll.first, poll.second);
    }
    client()->applyLoopDisableFlags(panel, loopText);
}

void SC_CommissioningPagePkt::serialise()
{
    buffer()->writeLength();
}
