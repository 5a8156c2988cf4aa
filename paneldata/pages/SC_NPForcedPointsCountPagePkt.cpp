#include "paneldata/pages/SC_NPForcedPointsCountPagePkt.h"

SC_NPForcedPointsCountPagePkt::SC_NPForcedPointsCountPagePkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                             SyncClient *client)
    : sc_SyncPagePacket(received, client)
    , m_forcedInputs(buffer()->readUInt16())
    , m_forcedOutputs(buffer()->readUInt16())
{
}

void SC_NPForcedPointsCountPagePkt::handlePacketData()
{
    setBucketNumber(QStringLiteral("forcedInputs"), m_forcedInputs, true);
    setBucketNumber(QStringLiteral("forcedOutputs"), m_forcedOutputs, true);
}

void SC_NPForcedPointsCountPagePkt::serialise()
{
    buffer()->writeLength();
}
