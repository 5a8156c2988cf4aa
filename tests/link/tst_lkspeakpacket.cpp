#include "PacketBytes.h"
#include "link/SC_SystemManagerSupportPacket.h"
#include "link/SC_TESKSupportPacket.h"
#include "link/SyncClient.h"
#include "link/packets/SC_InitiateConnectionRespPacket.h"
#include "link/packets/SC_SupervisionPacket.h"

#include <QtTest>

namespace {

// The families' constructors are for their subclasses; these expose them.
template <typename Family> class Packet final : public Family
{
public:
    explicit Packet(const QSharedPointer<SC_PacketBuffer> &received)
        : Family(received)
    {
    }
    Packet(int subCode, const SC_RequestAddress &address)
        : Family(subCode, address)
    {
    }
    Packet(const SC_LkSpeakBasePacket &request, int subCode, bool acknowledge)
        : Family(request, subCode, acknowledge)
    {
    }
    void handlePacketData() override { }
    void serialise() override { this->buffer()->writeLength(); }
};

using SupportPacket = Packet<SC_TESKSupportPacket>;
using SystemManagerPacket = Packet<SC_SystemManagerSupportPacket>;

QSharedPointer<SC_PacketBuffer> received(const QByteArray &bytes)
{
    return QSharedPointer<SC_PacketBuffer>::create(bytes);
}

// Source node 3, destination 0, first address 0, first service 50, second
// address 7, second service 1, sequence 9.
QByteArray request(int layout, const QByteArray &payload)
{
    return withLength(layout == 1 ? hex("00000000 e4 00 03 f5 0000 32 0007 01 09 00") + payload
                                  : hex("00000000 00 03 f5 0000 32 0007 01 09") + payload);
}

} // namespace

class tst_LkSpeakPacket final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void replySwapsAddressing_data();
    void replySwapsAddressing();
    void replyAsTakesTheGivenService();
    void requestHeader_data();
    void requestHeader();
    void receivedAcknowledgeBit();
    void headerOnlyPacket();
    void subCodeFamilies_data();
    void subCodeFamilies();
    void supervisionPacket_data();
    void supervisionPacket();
    void supervisionAnswerIsWellFormed_data();
    void supervisionAnswerIsWellFormed();
    void initiateConnectionResponse_data();
    void initiateConnectionResponse();
};

void tst_LkSpeakPacket::cleanup()
{
    SyncClient::destroyInstance();
}

void tst_LkSpeakPacket::replySwapsAddressing_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<bool>("acknowledge");
    QTest::addColumn<QByteArray>("golden");
    QTest::newRow("layout 0") << 0 << false << hex("0000000f 03 00 f5 0007 01 0000 32 09 11");
    QTest::newRow("layout 0, acknowledge") << 0 << true << hex("0000000f 03 00 f5 0007 01 0000 b2 09 11");
    QTest::newRow("layout 1 stays layout 1") << 1 << false << hex("00000011 e4 03 00 f5 0007 01 0000 32 09 00 11");
}

void tst_LkSpeakPacket::replySwapsAddressing()
{
    QFETCH(int, layout);
    QFETCH(bool, acknowledge);
    QFETCH(QByteArray, golden);
    const SupportPacket original(received(request(layout, hex("05"))));
    QCOMPARE(original.sourceNode(), quint8(3));
    QCOMPARE(original.subCode(), 5);

    SupportPacket reply(original, 0x11, acknowledge);
    reply.serialise();
    QCOMPARE(reply.buffer()->getByteArray().toHex(' '), golden.toHex(' '));
    QCOMPARE(reply.header().destinationNode, quint8(3));
    QCOMPARE(reply.header().sourceNode, quint8(0));
    QCOMPARE(reply.header().firstService, quint8(1));
    QCOMPARE(reply.header().secondService, quint8(50));
    QCOMPARE(reply.header().firstAddress, quint16(7));
    QCOMPARE(reply.header().secondAddress, quint16(0));
    QCOMPARE(reply.sequence(), quint8(9));
    QCOMPARE(reply.layoutKind(), layout);
}

void tst_LkSpeakPacket::replyAsTakesTheGivenService()
{
    const SupportPacket original(received(request(0, hex("05"))));
    const SC_LkSpeakHeader reply = SC_LkSpeakBasePacket::makeReplyAs(original, 146, 60, false);
    QCOMPARE(reply.functionCode, 146);
    QCOMPARE(reply.secondService, quint8(60));
    QCOMPARE(reply.firstService, quint8(1));
    QCOMPARE(reply.destinationNode, quint8(3));
}

void tst_LkSpeakPacket::requestHeader_data()
{
    QTest::addColumn<bool>("acknowledge");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QByteArray>("golden");
    QTest::newRow("acknowledge requested") << true << 0 << hex("0000000f 05 00 f5 001c 01 0000 b2 04 02");
    QTest::newRow("no acknowledge") << false << 0 << hex("0000000f 05 00 f5 001c 01 0000 32 04 02");
    QTest::newRow("layout 1") << false << 1 << hex("00000011 e4 05 00 f5 001c 01 0000 32 04 00 02");
}

void tst_LkSpeakPacket::requestHeader()
{
    QFETCH(bool, acknowledge);
    QFETCH(int, layout);
    QFETCH(QByteArray, golden);
    SC_RequestAddress address;
    address.layoutKind = layout;
    address.destinationNode = 5;
    address.acknowledgeRequest = acknowledge;
    address.firstAddress = 28;
    address.sequence = 4;
    SupportPacket packet(2, address);
    packet.serialise();
    QCOMPARE(packet.buffer()->getByteArray().toHex(' '), golden.toHex(' '));
}

void tst_LkSpeakPacket::receivedAcknowledgeBit()
{
    const SupportPacket withBit(received(hex("0000000f 00 03 f5 0000 32 0007 b2 09 05")));
    QCOMPARE(withBit.header().secondService, quint8(50));
    QVERIFY(withBit.acknowledgeRequest());
    const SupportPacket withoutBit(received(hex("0000000f 00 03 f5 0000 32 0007 32 09 05")));
    QCOMPARE(withoutBit.header().secondService, quint8(50));
    QVERIFY(!withoutBit.acknowledgeRequest());
}

void tst_LkSpeakPacket::headerOnlyPacket()
{
    for (int layout : {0, 1}) {
        class Bare final : public SC_LkSpeakBasePacket
        {
        public:
            explicit Bare(int layout)
                : SC_LkSpeakBasePacket(requestHeader(9, SC_RequestAddress{layout, 0, false, 50, 28, 0}))
            {
            }
            void handlePacketData() override { }
            void serialise() override { buffer()->writeLength(); }
        } packet(layout);
        packet.serialise();
        const QByteArray bytes = packet.buffer()->getByteArray();
        QCOMPARE(bytes.size(), layout == 1 ? 16 : 14);
        QCOMPARE(SC_PacketBuffer(bytes).lengthField(), quint32(bytes.size()));
    }
}

void tst_LkSpeakPacket::subCodeFamilies_data()
{
    QTest::addColumn<int>("functionCode");
    QTest::addColumn<int>("subCode");
    QTest::newRow("support") << 245 << 25;
    QTest::newRow("system manager") << 233 << 19;
}

void tst_LkSpeakPacket::subCodeFamilies()
{
    QFETCH(int, functionCode);
    QFETCH(int, subCode);
    const auto check = [&](auto sent, auto parse) {
        sent.serialise();
        const QByteArray bytes = sent.buffer()->getByteArray();
        QCOMPARE(quint8(bytes.at(6)), quint8(functionCode));
        QCOMPARE(quint8(bytes.at(14)), quint8(subCode));
        const auto parsed = parse(received(withLength(bytes + hex("aa"))));
        QCOMPARE(parsed.functionCode(), functionCode);
        QCOMPARE(parsed.subCode(), subCode);
        // The subclass continues with the byte after the sub-code.
        QCOMPARE(parsed.buffer()->readUInt8(), quint8(0xaa));
    };
    if (functionCode == SC_TESKSupportPacket::FunctionCode) {
        check(SupportPacket(subCode, SC_RequestAddress{}), [](const auto &buffer) { return SupportPacket(buffer); });
    } else {
        check(SystemManagerPacket(subCode, SC_RequestAddress{}),
              [](const auto &buffer) { return SystemManagerPacket(buffer); });
    }
}

void tst_LkSpeakPacket::supervisionPacket_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("isRequest");
    QTest::newRow("request") << hex("19 01 02 03 00") << true;
    QTest::newRow("request, other S4 bits") << hex("19 01 02 03 fe") << true;
    QTest::newRow("answer") << hex("19 06 01 00 01") << false;
}

void tst_LkSpeakPacket::supervisionPacket()
{
    QFETCH(QByteArray, payload);
    QFETCH(bool, isRequest);
    SC_SupervisionPacket packet(received(request(0, payload)), SyncClient::instance());
    QCOMPARE(packet.subCode(), 25);
    QCOMPARE(packet.isRequest(), isRequest);
    QVERIFY(!packet.buffer()->isBad());

    QSignalSpy requests(SyncClient::instance(), &SyncClient::SupervisionRequest);
    packet.handlePacketData();
    QCOMPARE(requests.count(), isRequest ? 1 : 0);
}

void tst_LkSpeakPacket::supervisionAnswerIsWellFormed_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QByteArray>("golden");
    QTest::newRow("layout 0") << 0 << hex("00000013 03 00 f5 0007 01 0000 32 09 19 06 01 00 01");
    QTest::newRow("layout 1") << 1 << hex("00000015 e4 03 00 f5 0007 01 0000 32 09 00 19 06 01 00 01");
}

void tst_LkSpeakPacket::supervisionAnswerIsWellFormed()
{
    QFETCH(int, layout);
    QFETCH(QByteArray, golden);
    SC_SupervisionPacket requestPacket(received(request(layout, hex("19 01 02 03 00"))), SyncClient::instance());
    SC_SupervisionPacket answer(requestPacket, SyncClient::instance());
    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    SyncClient::instance()->sendSupervisionReply(&answer);
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.at(0).at(0).value<quint8>(), quint8(1));
    QCOMPARE(sent.at(0).at(1).toByteArray().toHex(' '), golden.toHex(' '));
}

void tst_LkSpeakPacket::initiateConnectionResponse_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("golden");
    QTest::newRow("no key") << QByteArray() << hex("00000016 03 00 f5 0007 01 0000 32 09 13 060100010007 00");
    QTest::newRow("key") << hex("a1b2c3") << hex("00000019 03 00 f5 0007 01 0000 32 09 13 060100010007 03 a1b2c3");
}

void tst_LkSpeakPacket::initiateConnectionResponse()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, golden);
    const SupportPacket connectionRequest(received(request(0, hex("12 00 06 00 01 00 02"))));
    SC_InitiateConnectionRespPacket response(connectionRequest, key);
    response.serialise();
    QCOMPARE(response.buffer()->getByteArray().toHex(' '), golden.toHex(' '));
}

QTEST_GUILESS_MAIN(tst_LkSpeakPacket)
#include "tst_lkspeakpacket.moc"
