#pragma once

class SyncClient;

// Every sync page the engine understands, registered with the protocol
// client under each page id its handler serves.
namespace SC_PageHandlerTable {

void registerWith(SyncClient *client);

} // namespace SC_PageHandlerTable
