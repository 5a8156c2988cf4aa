// The point configuration pages through the data-update dispatch. The
// first byte picks the page, the second is the panel, the third the part
// number with the header layout in its top bit; the rest is the page body.

#include "fuzz/FuzzQt.h"
#include "fuzz/FuzzSyncPages.h"
#include "link/SyncClient.h"

#include <QtEndian>

#include <array>

namespace {

constexpr std::array<quint8, 9> Pages{3, 4, 8, 40, 14, 140, 139, 20, 21};

QByteArray packet(const uint8_t *data, size_t size)
{
    const bool layout1 = data[2] & 0x80;
    QByteArray bytes(layout1 ? 16 : 14, '\0');
    if (layout1)
        bytes[4] = char(228);
    bytes[layout1 ? 7 : 6] = char(245);
    bytes.append(char(10)).append(char(Pages[data[0] % Pages.size()])).append(char(data[1]))
        .append(char(data[2] & 0x7F)).append(QByteArray(4, '\x5a'));
    bytes.append(reinterpret_cast<const char *>(data + 3), int(size - 3));
    qToBigEndian(quint32(bytes.size()), bytes.data());
    return bytes;
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
