#pragma once

#include "paneldata/sc_SyncPagePacket.h"

class SyncClient;

// Page 42, the temporary patch data. Body: 0 unused | 1-2 local test count.
// Only the last part received, from whichever panel, is kept.
class SC_TemporaryPatchDataPkt final : public sc_SyncPagePacket
{
public:
    SC_TemporaryPatchDataPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    quint16 localTestCount() const { return m_localTestCount; }

    void handlePacketData() override;
    void serialise() override;

private:
    quint16 m_localTestCount = 0;
};
