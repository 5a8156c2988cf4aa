#include "paneldata/pages/SC_PPointDataMapsPkt.h"

#include "link/SyncClient.h"

namespace {

// The walk-test maps: their readers (banner, summary) are told before the
// map's own readers, so they never show a part the maps have moved past.
bool isWalkTestMap(int page)
{
    return page >= 23 && page <= 25;
}

} // namespace

SC_PPointDataMapsPkt::SC_PPointDataMapsPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_PointMapPagePkt(received, client, OutOfRange::IsRead)
{
}

void SC_PPointDataMapsPkt::handlePacketData()
{
    storeMaps();
    if (isWalkTestMap(pageId()) && client())
        client()->notifyWalkTestUpdated();
    notifyMapUpdated();
}
