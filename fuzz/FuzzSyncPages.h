#pragma once

#include "core/BucketMaster.h"
#include "link/SyncClient.h"
#include "paneldata/SC_PageHandlerTable.h"

// The protocol client as the start-up leaves it for sync pages: the state
// store attached and every page handler registered.
inline void startSyncPagesForFuzzing()
{
    SyncClient *client = SyncClient::instance();
    client->feedStateStore(BucketMaster::instance());
    SC_PageHandlerTable::registerWith(client);
}
