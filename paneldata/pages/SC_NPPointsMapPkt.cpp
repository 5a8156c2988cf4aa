#include "paneldata/pages/SC_NPPointsMapPkt.h"

SC_NPPointsMapPkt::SC_NPPointsMapPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_PointMapPagePkt(received, client, OutOfRange::EndsPart)
{
}

void SC_NPPointsMapPkt::handlePacketData()
{
    storeMaps();
    notifyMapUpdated();
}
