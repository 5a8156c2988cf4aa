#pragma once

#include "core/BucketMaster.h"
#include "app/SC_App.h"
#include "link/SyncClient.h"

// The protocol client as the start-up leaves it for sync pages: the state
// store attached and every page handler registered.
inline void startSyncPagesForFuzzing()
{
    SyncClient *client = SyncClient::instance();
    client->feedStateStore(BucketMaster::instance());
    SC_App::registerPageHandlers(client);
}
