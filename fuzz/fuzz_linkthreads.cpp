// The whole receive road as the engine runs it: bytes on a loopback socket
// to the transport and framing on the link thread, queued to the protocol
// client on this thread. Each input comes on a connection of its own that
// ends with the input; the next one starts once the client has seen the
// link go down, which it sees after every packet of the input, so what
// waits between the threads stays within the link's receive backlog.

#include "core/BucketMaster.h"
#include "fuzz/FuzzQt.h"
#include "link/SC_EthernetLinkLayerFactory.h"
#include "link/SC_LinkLayer.h"
#include "link/Supervisor.h"
#include "link/SyncClient.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <cstdlib>

namespace {

constexpr int WaitMs = 10000;

quint16 freeLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// Runs this thread's events until 'done' holds; a link that never answers
// is a finding.
template <typename Predicate> void runUntil(Predicate done)
{
    const QDeadlineTimer deadline(WaitMs);
    while (!done()) {
        if (deadline.hasExpired())
            std::abort();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
}

struct Engine
{
    const quint16 port = freeLoopbackPort();
    QThread linkThread;
    SC_EthernetLinkLayerFactory link;
    Supervisor supervisor;
    int linkDowns = 0;

    Engine()
    {
        SyncClient *client = SyncClient::instance();
        client->feedStateStore(BucketMaster::instance());
        link.setPort(port);
        linkThread.start();
        link.moveToThread(&linkThread);
        bool started = false;
        QObject::connect(&link, &SC_EthernetLinkLayerFactory::Started, client, [&started] { started = true; });
        QMetaObject::invokeMethod(&link, &SC_EthernetLinkLayerFactory::Start, Qt::QueuedConnection);
        runUntil([&started] { return started; });
        client->connectLinkLayer(link.linkLayer());
        QObject::connect(link.linkLayer(), &SC_LinkLayer::LinkStatus, client, [this](bool up, quint8) {
            if (!up)
                ++linkDowns;
        });
    }

    // A thread still running at exit would be fatal.
    ~Engine()
    {
        QMetaObject::invokeMethod(&link, &SC_EthernetLinkLayerFactory::Stop, Qt::BlockingQueuedConnection);
        linkThread.quit();
        linkThread.wait();
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
    const int downsBefore = engine.linkDowns;
    QTcpSocket controller;
    controller.connectToHost(QHostAddress::LocalHost, engine.port);
    runUntil([&controller] { return controller.state() == QAbstractSocket::ConnectedState; });
    controller.write(reinterpret_cast<const char *>(data), qint64(size));
    controller.disconnectFromHost();
    runUntil([&] { return controller.state() == QAbstractSocket::UnconnectedState && engine.linkDowns > downsBefore; });
    // What a burst of supervision requests gets 4 s later.
    engine.supervisor.ResponseTimeout();
    return 0;
}
