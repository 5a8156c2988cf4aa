#include "paneldata/pages/SC_PPointDataMapsPkt.h"

SC_PPointDataMapsPkt::SC_PPointDataMapsPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_PointMapPagePkt(received, client, OutOfRange::IsRead)
{
}

void SC_PPointDataMapsPkt::handlePacketData()
{
    storeMaps();
    notifyMapUpdated();
}
