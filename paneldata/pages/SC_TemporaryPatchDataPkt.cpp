#include "paneldata/pages/SC_TemporaryPatchDataPkt.h"

#include "core/BucketKeys.h"
#include "link/SyncClient.h"

SC_TemporaryPatchDataPkt::SC_TemporaryPatchDataPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : sc_SyncPagePacket(received, client)
{
    buffer()->readUInt8();
    m_localTestCount = buffer()->readUInt16();
}

void SC_TemporaryPatchDataPkt::handlePacketData()
{
    client()->emitBucketCommand({BucketCmd::ClearBucket, pageId(), QString(), QString()});
    client()->emitBucketCommand(
        {BucketCmd::SetValue, pageId(), QLatin1String(BucketKeys::tstCntLocal), QString::number(m_localTestCount)});
}

void SC_TemporaryPatchDataPkt::serialise()
{
    buffer()->writeLength();
}
