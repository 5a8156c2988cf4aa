#pragma once

#include "paneldata/pages/SC_PointMapPagePkt.h"

// A P point data map page (13-16, 23-26, 32-35). Every record is read.
class SC_PPointDataMapsPkt final : public SC_PointMapPagePkt
{
public:
    SC_PPointDataMapsPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
};
