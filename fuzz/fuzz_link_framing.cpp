// The link framing: any byte stream, cut into reads of any size, through
// the link layer.

#include "fuzz/FuzzQt.h"
#include "link/SC_LinkFramer.h"
#include "link/SC_LinkLayer.h"
#include "tests/common/FakeTransport.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startQtForFuzzing(argc, argv);
    return 0;
}

// The first byte sets the size of the reads the stream is cut into.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    FakeTransport transport([](const QByteArray &frame) {
        if (frame.size() < SC_LinkFramer::HeaderSize)
            std::abort();
    });
    SC_LinkLayer link(&transport);
    link.Start();
    QObject::connect(&link, &SC_LinkLayer::Packets, [](const QVector<SyncPacket> &read) {
        if (read.isEmpty())
            std::abort();
        for (const SyncPacket &packet : read) {
            if (packet.channel == 0 || quint32(packet.body.size()) > SC_LinkFramer::MaximumBodyLength)
                std::abort();
        }
    });
    const int chunk = 1 + data[0] % 64;
    const QByteArray stream = QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), int(size - 1));
    for (int at = 0; at < stream.size(); at += chunk)
        transport.receive(stream.mid(at, chunk));
    transport.connectController();
    transport.receive(stream);
    link.Stop();
    return 0;
}
