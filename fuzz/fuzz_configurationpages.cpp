// The point configuration pages through the data-update dispatch. The
// first byte picks the page, the second is the panel, the third the part
// number with the header layout in its top bit; the rest is the page body.

#include "fuzz/FuzzQt.h"
#include "fuzz/FuzzSyncPages.h"
#include "link/SyncClient.h"
#include "tests/common/PacketBytes.h"

#include <array>

namespace {

constexpr std::array<quint8, 9> Pages{3, 4, 8, 40, 14, 140, 139, 20, 21};

QByteArray packet(const uint8_t *data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data + 3), int(size - 3));
    const QByteArray layout0 = syncPagePart(Pages[data[0] % Pages.size()], data[1], data[2] & 0x7F, 0x5a5a5a5a, body);
    return (data[2] & 0x80) ? inLayout1(layout0) : layout0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startQtForFuzzing(argc, argv);
    startSyncPagesForFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    SyncClient::instance()->ReceivedPacket(SyncPacket{SyncClient::LkSpeakChannel, packet(data, size)});
    return 0;
}
