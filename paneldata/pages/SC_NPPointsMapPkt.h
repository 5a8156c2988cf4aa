#pragma once

#include "paneldata/pages/SC_PointMapPagePkt.h"

// An NP point map page (129-138, 140-146, 149, 150). A record outside the
// point range (first point above 250, no points, or points past 250) is the
// last one read.
class SC_NPPointsMapPkt final : public SC_PointMapPagePkt
{
public:
    SC_NPPointsMapPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
};
