// The receive dispatch: any byte stream through the link layer into the
// protocol client, as from a connected controller. What the engine would
// send back goes nowhere.

#include "core/BucketMaster.h"
#include "fuzz/FuzzQt.h"
#include "link/SC_LinkLayer.h"
#include "link/Supervisor.h"
#include "link/SyncClient.h"
#include "tests/common/FakeTransport.h"

namespace {

struct Engine
{
    FakeTransport transport{FakeTransport::discard()};
    SC_LinkLayer link{&transport};
    Supervisor supervisor;

    Engine()
    {
        SyncClient *client = SyncClient::instance();
        client->feedStateStore(BucketMaster::instance());
        client->connectLinkLayer(&link);
        link.Start();
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startQtForFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Engine engine;
    engine.transport.connectController();
    engine.transport.receive(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    // What a burst of supervision requests gets 4 s later.
    engine.supervisor.ResponseTimeout();
    return 0;
}
