// The event-log service's packets through the receive dispatch: live and
// historic event data, acknowledgements and the log manager's accepted
// events, with the event log and the historic synchroniser behind them.
// The first byte sets the circumstances, the rest is the packet's payload:
//   bits 0-1  the packet: 0 and 3 event data (139), 1 an acknowledgement
//             (146), 2 accepted events (log manager, 246)
//   bit 2     header layout 1
//   bit 3     sent to every node
//   bit 4     events acknowledged
//   bit 5     a historic client registered under the payload's client id
//   bit 6     the link lost first, so the event re-synchronises the log

#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/HistoricEventsSynchronizer.h"
#include "fuzz/FuzzQt.h"
#include "link/SyncClient.h"
#include "link/sc_LkEventLog.h"
#include "tests/common/PacketBytes.h"

#include <QCoreApplication>
#include <QtEndian>

namespace {

constexpr int DataPacket = 139;
constexpr int AckPacket = 146;
constexpr int LogManagerPacket = 246;
// Where the client id lies in an event's payload.
constexpr int ClientIdOffset = 24;

QByteArray packet(quint8 circumstances, const uint8_t *payload, size_t size)
{
    static constexpr quint8 Functions[] = {DataPacket, AckPacket, LogManagerPacket, DataPacket};
    QByteArray bytes = controllerPacket(Functions[circumstances & 0x03],
                                        QByteArray(reinterpret_cast<const char *>(payload), int(size)), false);
    if (circumstances & 0x04)
        bytes = inLayout1(bytes);
    return (circumstances & 0x08) ? toEveryNode(bytes) : bytes;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startQtForFuzzing(argc, argv);
    EventLog::HistoricEventsSynchronizer::setLinkClient(SyncClient::instance()->getEventLog());
    EL_EventLogDBbase::instance();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const quint8 circumstances = data[0];
    SyncClient *client = SyncClient::instance();
    client->setEventAckEnabled(circumstances & 0x10);
    sc_LkEventLog *eventLog = client->getEventLog();
    eventLog->clearHistoricClient();
    if ((circumstances & 0x20) && size > ClientIdOffset + 2)
        eventLog->setClientId(qFromBigEndian<quint16>(data + 1 + ClientIdOffset));
    if (circumstances & 0x40)
        eventLog->handleDisconnection();
    client->ReceivedPacket(SyncPacket{SyncClient::LkSpeakChannel, packet(circumstances, data + 1, size - 1)});
    // Historic data reaches the synchroniser from the event loop.
    QCoreApplication::sendPostedEvents();
    return 0;
}
