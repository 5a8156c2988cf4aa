// The sync-page control packets and page parsers: any support payload (the
// sub-code first) in a packet from the controller that asks for an
// acknowledgement, handled by the protocol client with the state store and
// every page handler in place. What the engine sends back goes nowhere.
// The packets that write files, call the host or restart the event log
// (clear panel data, connection request, engine configuration) are left to
// the dispatch fuzzer.

#include "fuzz/FuzzQt.h"
#include "fuzz/FuzzSyncPages.h"
#include "link/SyncClient.h"
#include "tests/common/PacketBytes.h"

#include <QSet>

namespace {

const QSet<quint8> LeftOut{15, 18, 21};
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startQtForFuzzing(argc, argv);
    startSyncPagesForFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0 || LeftOut.contains(data[0]))
        return 0;
    const QByteArray payload(reinterpret_cast<const char *>(data), int(size));
    SyncClient::instance()->ReceivedPacket(SyncPacket{SyncClient::LkSpeakChannel, supportPacket(payload)});
    return 0;
}
