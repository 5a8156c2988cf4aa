#include "paneldata/sync/SC_HighPriorityStatusesAndCountsPkt.h"

#include "core/BucketKeys.h"
#include "link/InvestigateDelayTimer.h"
#include "link/SC_LinkEffects.h"
#include "link/SyncClient.h"
#include "link/packets/SC_AcknowledgementPkt.h"

namespace {

constexpr quint8 NetworkMasterPresent = 0x80;

enum Source { StatusWord, StatusFlags };

// The bucket-0 keys, in the order they are written, each one bit.
struct StatusKey
{
    const char *key;
    Source source;
    int bit;
};

const std::array<StatusKey, 10> StatusKeys{{
    {BucketKeys::daymode, StatusWord, 5},
    {BucketKeys::pwrsav, StatusWord, 13},
    {BucketKeys::protnoff, StatusWord, 14},
    {BucketKeys::sgnlngoff, StatusWord, 15},
    {BucketKeys::sndrsoff, StatusWord, 7},
    {BucketKeys::sndrsslncd, StatusWord, 6},
    {BucketKeys::extngshractv, StatusFlags, 0},
    {BucketKeys::keySfDrOpn, StatusWord, 11},
    {BucketKeys::keySfDrAlrm, StatusWord, 12},
    {BucketKeys::sndrsact, StatusFlags, 3},
}};

enum CountIndex { Standby = 1, DelayContext2 = 2, DelayContext1 = 3, SecondStandby = 5 };

} // namespace

SC_HighPriorityStatusesAndCountsPkt::SC_HighPriorityStatusesAndCountsPkt(
    const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_TESKSupportPacket(received)
    , m_statusWord(buffer()->readUInt16())
    , m_statusFlags(buffer()->readUInt8())
    , m_client(client)
{
    SC_PacketBuffer &bytes = *buffer();
    const quint8 entries = bytes.readUInt8();
    for (int i = 0; i < entries && !bytes.isBad(); ++i) {
        const quint8 index = bytes.readUInt8();
        const quint16 value = bytes.readUInt16();
        if (index < Counts)
            m_counts[index] = value;
    }
    if (m_statusFlags & NetworkMasterPresent)
        m_networkMaster = bytes.readUInt8();
}

void SC_HighPriorityStatusesAndCountsPkt::handlePacketData()
{
    m_client->applyHighPriorityStatus(m_statusWord, m_statusFlags);
    for (const StatusKey &status : StatusKeys) {
        const unsigned int bits = status.source == StatusWord ? m_statusWord : m_statusFlags;
        m_client->emitBucketCommand(
            {BucketCmd::SetValue, 0, QLatin1String(status.key), QString::number((bits >> status.bit) & 1)});
    }
    applyCounts(m_counts);
    if (m_statusFlags & NetworkMasterPresent) {
        m_client->emitBucketCommand(
            {BucketCmd::SetValue, 0, QLatin1String(BucketKeys::currNetMstr), QString::number(m_networkMaster)});
    }
    m_client->emitBucketCommand({BucketCmd::PageUpdated, 0, QString(), QString()});
    if (acknowledgeRequest())
        m_client->sendAcknowledgement(*this, SC_AcknowledgementPkt::Accepted);
}

void SC_HighPriorityStatusesAndCountsPkt::applyCounts(CountArray counts)
{
    if (counts[SecondStandby] != 0)
        SC_LinkEffects::installed()->startStandbyCountdown(counts[SecondStandby], 1);
    else
        SC_LinkEffects::installed()->startStandbyCountdown(counts[Standby], 0);
    if (counts[DelayContext2] != 0) {
        InvestigateDelayTimer::instance()->startDelay(counts[DelayContext2], eDlyContext2);
    } else {
        InvestigateDelayTimer::instance()->startDelay(counts[DelayContext1],
                                                      counts[DelayContext1] != 0 ? eDlyContext1 : eDlyNone);
    }
}

void SC_HighPriorityStatusesAndCountsPkt::serialise()
{
    buffer()->writeLength();
}
