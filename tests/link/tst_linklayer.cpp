#include "FakeClock.h"
#include "FakeTransport.h"
#include "MessageCapture.h"
#include "PacketBytes.h"
#include "core/SC_WarningSummary.h"
#include "link/SC_LinkFramer.h"
#include "link/SC_LinkLayer.h"

#include <QtTest>

#include <memory>

namespace {

QByteArray frame(quint8 channel, const char *bodyHex)
{
    return SC_LinkFramer::frame(channel, hex(bodyHex));
}

// A link layer over a fake transport, driven by a fake clock.
struct Link
{
    FakeClock clock;
    FakeTransport transport;
    SC_LinkLayer layer{&transport};
    // One emission per hand-over: the packets of one read.
    QSignalSpy reads{&layer, &SC_LinkLayer::Packets};
    QSignalSpy statuses{&layer, &SC_LinkLayer::LinkStatus};

    Link() { layer.Start(); }

    QList<SyncPacket> takePackets()
    {
        QList<SyncPacket> taken;
        for (const QList<QVariant> &arguments : qAsConst(reads))
            taken << arguments.at(0).value<QVector<SyncPacket>>().toList();
        reads.clear();
        return taken;
    }
    int packetCount() const
    {
        int count = 0;
        for (const QList<QVariant> &arguments : reads)
            count += arguments.at(0).value<QVector<SyncPacket>>().size();
        return count;
    }
    QList<QPair<bool, int>> takeStatuses()
    {
        QList<QPair<bool, int>> taken;
        for (const QList<QVariant> &arguments : qAsConst(statuses))
            taken << qMakePair(arguments.at(0).toBool(), int(arguments.at(1).value<quint8>()));
        statuses.clear();
        return taken;
    }
};

using Received = QList<QPair<int, QByteArray>>;

Received asPairs(const QList<SyncPacket> &packets)
{
    Received pairs;
    for (const SyncPacket &packet : packets)
        pairs << qMakePair(int(packet.channel), packet.body);
    return pairs;
}

} // namespace

class tst_LinkLayer final : public QObject
{
    Q_OBJECT

private slots:
    void framing_data();
    void framing();
    void garbageWithoutMarkerKeepsItsLastThreeBytes();
    void oversizedBodyDropsTheMarker();
    void bodyAtTheCapIsAwaited();
    void newConnectionStartsAfresh();
    void transportErrorStartsAfresh();
    void heartbeat_data();
    void heartbeat();
    void heartbeatReplyByteAlternates();
    void heartbeatSupervision();
    void transportErrorReportsLinkDown();
    void sendFramesTheBody();
    void stopStopsSupervision();
    void heartbeatTimeoutDropsHalfFrame();
    void lkSpeakBodyShorterThanHeaderStaysHere_data();
    void lkSpeakBodyShorterThanHeaderStaysHere();
    void backlogHoldsTheTransportBack();
    void floodWarningsAreSummarised();
    void heartbeatClosesTheRead();
    void receiverOnTheSameThreadKeepsTheOrder();
};

void tst_LinkLayer::framing_data()
{
    QTest::addColumn<QByteArrayList>("reads");
    QTest::addColumn<QList<int>>("packetsAfterEachRead");
    QTest::addColumn<Received>("expected");

    const QByteArray first = frame(3, "0a0b0c");
    const QByteArray second = frame(2, "ff");
    QTest::newRow("two frames in one read")
        << QByteArrayList{first + second} << QList<int>{2} << Received{{3, hex("0a0b0c")}, {2, hex("ff")}};
    QTest::newRow("one frame over three reads") << QByteArrayList{first.left(4), first.mid(4, 5), first.mid(9)}
                                                << QList<int>{0, 0, 1} << Received{{3, hex("0a0b0c")}};
    QTest::newRow("one byte at a time") <<
        [&] {
            QByteArrayList bytes;
            for (char byte : first)
                bytes << QByteArray(1, byte);
            return bytes;
        }() << QVector<int>(first.size() - 1, 0).toList() + QList<int>{1}
                                        << Received{{3, hex("0a0b0c")}};
    QTest::newRow("garbage before a frame")
        << QByteArrayList{hex("0102aa55aa") + first} << QList<int>{1} << Received{{3, hex("0a0b0c")}};
    QTest::newRow("marker split by a read") << QByteArrayList{hex("0102") + first.left(2), first.mid(2)}
                                            << QList<int>{0, 1} << Received{{3, hex("0a0b0c")}};
    QTest::newRow("empty body") << QByteArrayList{frame(5, "")} << QList<int>{1} << Received{{5, QByteArray()}};
    QTest::newRow("frame completed by the next read, second whole")
        << QByteArrayList{first.left(11), first.mid(11) + second} << QList<int>{0, 2}
        << Received{{3, hex("0a0b0c")}, {2, hex("ff")}};
    QTest::newRow("heartbeats are not packets")
        << QByteArrayList{frame(0, "01") + first} << QList<int>{1} << Received{{3, hex("0a0b0c")}};
}

void tst_LinkLayer::framing()
{
    QFETCH(QByteArrayList, reads);
    QFETCH(QList<int>, packetsAfterEachRead);
    QFETCH(Received, expected);

    Link link;
    for (int i = 0; i < reads.size(); ++i) {
        const int handOvers = link.reads.count();
        const int packets = link.packetCount();
        link.transport.receive(reads.at(i));
        QCOMPARE(link.packetCount(), packetsAfterEachRead.at(i));
        // What one read completes goes on together.
        QCOMPARE(link.reads.count() - handOvers, link.packetCount() > packets ? 1 : 0);
    }
    QCOMPARE(asPairs(link.takePackets()), expected);
}

void tst_LinkLayer::garbageWithoutMarkerKeepsItsLastThreeBytes()
{
    SC_LinkFramer framer;
    framer.append(hex("01020304050607 aa 55 aa"));
    SyncPacket packet;
    QCOMPARE(framer.next(packet), SC_LinkFramer::Result::NeedMore);
    QCOMPARE(framer.bufferedBytes(), 3);
    QVERIFY(!framer.isWaiting());
    framer.append(hex("55 07 00000001 33"));
    QCOMPARE(framer.next(packet), SC_LinkFramer::Result::Frame);
    QCOMPARE(packet.channel, quint8(7));
    QCOMPARE(packet.body, hex("33"));
}

void tst_LinkLayer::oversizedBodyDropsTheMarker()
{
    MessageCapture messages;
    Link link;
    // A length just above the cap: the frame after it still gets through.
    link.transport.receive(hex("aa55aa55 01 00100001 aabbcc") + frame(3, "42"));
    QCOMPARE(asPairs(link.takePackets()), (Received{{3, hex("42")}}));
    QVERIFY(messages.contains(QStringLiteral("above the limit")));
}

void tst_LinkLayer::bodyAtTheCapIsAwaited()
{
    SC_LinkFramer framer;
    framer.append(hex("aa55aa55 01 00100000"));
    SyncPacket packet;
    QCOMPARE(framer.next(packet), SC_LinkFramer::Result::NeedMore);
    QVERIFY(framer.isWaiting());
    framer.append(QByteArray(1024 * 1024, 'x'));
    QCOMPARE(framer.next(packet), SC_LinkFramer::Result::Frame);
    QCOMPARE(packet.body.size(), 1024 * 1024);
}

// Half a frame left by a dropped connection must not swallow the first
// frames of the next one.
void tst_LinkLayer::newConnectionStartsAfresh()
{
    Link link;
    link.transport.receive(hex("aa55aa55 01 00000100 0102"));
    link.transport.connectController();
    link.transport.receive(frame(3, "42"));
    QCOMPARE(asPairs(link.takePackets()), (Received{{3, hex("42")}}));
}

void tst_LinkLayer::transportErrorStartsAfresh()
{
    Link link;
    link.transport.receive(hex("aa55aa55 01 00000100 0102"));
    link.transport.fail();
    link.transport.receive(frame(0, "01") + frame(3, "42"));
    QCOMPARE(asPairs(link.takePackets()), (Received{{3, hex("42")}}));
    QCOMPARE(link.transport.takeSent(), QByteArrayList{frame(0, "8101")});
}

void tst_LinkLayer::heartbeat_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("heartbeat alone") << hex("01") << true << 2 << frame(0, "8101");
    QTest::newRow("with link status") << hex("0103") << true << 3 << frame(0, "8101");
    QTest::newRow("toggle equal to the first reply byte") << hex("010002") << true << 0 << frame(0, "8101");
    QTest::newRow("toggle differing") << hex("010101") << true << 1 << frame(0, "8102");
    QTest::newRow("longer body") << hex("0104020909") << true << 4 << frame(0, "8101");
    QTest::newRow("not a heartbeat") << hex("02") << false << 0 << QByteArray();
    QTest::newRow("empty") << QByteArray() << false << 0 << QByteArray();
}

void tst_LinkLayer::heartbeat()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, answered);
    QFETCH(int, status);
    QFETCH(QByteArray, answer);

    Link link;
    link.transport.receive(SC_LinkFramer::frame(0, body));
    QCOMPARE(link.packetCount(), 0);
    if (answered) {
        QCOMPARE(link.takeStatuses(), (QList<QPair<bool, int>>{{true, status}}));
        QCOMPARE(link.transport.takeSent(), QByteArrayList{answer});
    } else {
        QVERIFY(link.takeStatuses().isEmpty());
        QVERIFY(link.transport.takeSent().isEmpty());
    }
}

void tst_LinkLayer::heartbeatReplyByteAlternates()
{
    Link link;
    for (const char *reply : {"8101", "8102", "8101", "8102"}) {
        link.transport.receive(frame(0, "010002"));
        QCOMPARE(link.transport.takeSent(), QByteArrayList{frame(0, reply)});
    }
    // A heartbeat without the toggle byte answers 1 and is remembered.
    link.transport.receive(frame(0, "01"));
    link.transport.receive(frame(0, "010001"));
    QCOMPARE(link.transport.takeSent(), (QByteArrayList{frame(0, "8101"), frame(0, "8101")}));
}

void tst_LinkLayer::heartbeatSupervision()
{
    using Statuses = QList<QPair<bool, int>>;
    Link link;
    link.clock.advance(41999);
    QVERIFY(link.takeStatuses().isEmpty());
    link.clock.advance(1);
    QCOMPARE(link.takeStatuses(), (Statuses{{false, 2}}));
    link.clock.advance(42000);
    QCOMPARE(link.takeStatuses(), (Statuses{{false, 2}}));

    // Each heartbeat gives a fresh 42 s; a frame that is not one does not.
    link.clock.advance(30000);
    link.transport.receive(frame(0, "0102"));
    QCOMPARE(link.takeStatuses(), (Statuses{{true, 2}}));
    link.clock.advance(20000);
    link.transport.receive(frame(0, "02") + frame(1, "00"));
    link.clock.advance(21999);
    QVERIFY(link.takeStatuses().isEmpty());
    link.clock.advance(1);
    QCOMPARE(link.takeStatuses(), (Statuses{{false, 2}}));

    // A controller that connects late has the whole 42 s for its first
    // heartbeat.
    link.clock.advance(41000);
    link.transport.connectController();
    link.clock.advance(41999);
    QVERIFY(link.takeStatuses().isEmpty());
    link.transport.receive(frame(0, "01"));
    QCOMPARE(link.takeStatuses(), (Statuses{{true, 2}}));
}

void tst_LinkLayer::transportErrorReportsLinkDown()
{
    Link link;
    link.transport.receive(frame(0, "0103"));
    link.takeStatuses();
    link.transport.fail();
    QCOMPARE(link.takeStatuses(), (QList<QPair<bool, int>>{{false, 2}}));
}

void tst_LinkLayer::sendFramesTheBody()
{
    Link link;
    const QByteArray body(20, '\x5a');
    link.layer.Send(1, body);
    link.layer.SendACK(3, hex("77"));
    const QByteArrayList sent = link.transport.takeSent();
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent.at(0).size(), 29);
    QCOMPARE(sent.at(0).left(9), hex("aa55aa55 01 00000014"));
    QCOMPARE(sent.at(0).mid(9), body);
    QCOMPARE(sent.at(1), hex("aa55aa55 03 00000001 77"));
}

void tst_LinkLayer::stopStopsSupervision()
{
    Link link;
    QCOMPARE(link.transport.starts(), 1);
    QVERIFY(QMetaType::type("SyncPacket") != QMetaType::UnknownType);
    QVERIFY(QMetaType::type("QVector<SyncPacket>") != QMetaType::UnknownType);
    link.layer.Stop();
    QCOMPARE(link.transport.stops(), 1);
    link.clock.advance(100000);
    QVERIFY(link.takeStatuses().isEmpty());
}

// A frame whose body never came is given up with the heartbeat: the link
// must not stay deaf for good.
void tst_LinkLayer::heartbeatTimeoutDropsHalfFrame()
{
    Link link;
    link.transport.receive(hex("aa55aa55 03 00000100 0102"));
    link.clock.advance(SC_LinkLayer::HeartbeatTimeoutMs);
    QCOMPARE(link.takeStatuses(), (QList<QPair<bool, int>>{{false, 2}}));
    link.transport.receive(frame(0, "01") + frame(3, "42"));
    QCOMPARE(asPairs(link.takePackets()), (Received{{3, hex("42")}}));
    QCOMPARE(link.takeStatuses(), (QList<QPair<bool, int>>{{true, 2}}));
}

void tst_LinkLayer::lkSpeakBodyShorterThanHeaderStaysHere_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("delivered");
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("13 bytes, layout 0") << hex("0000000d 00 01 f5 0000 32 0000 01") << false;
    QTest::newRow("14 bytes, layout 0") << hex("0000000e 00 01 f5 0000 32 0000 01 00") << true;
    QTest::newRow("15 bytes, layout 1") << hex("0000000f e4 00 01 f5 0000 32 0000 01 00") << false;
    QTest::newRow("16 bytes, layout 1") << hex("00000010 e4 00 01 f5 0000 32 0000 01 00 00") << true;
}

void tst_LinkLayer::lkSpeakBodyShorterThanHeaderStaysHere()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, delivered);
    MessageCapture messages;
    Link link;
    link.transport.receive(SC_LinkFramer::frame(1, body));
    QCOMPARE(link.takePackets().size(), delivered ? 1 : 0);
    QCOMPARE(messages.contains(QStringLiteral("shorter than its header")), !delivered);
}

// The receiver handles packets more slowly than they come: no more than the
// limit wait for it, the transport stops reading meanwhile, and nothing is
// lost once it has caught up.
void tst_LinkLayer::backlogHoldsTheTransportBack()
{
    Link link;
    const std::shared_ptr<SC_ReceiveBacklog> backlog = link.layer.receiveBacklog();
    backlog->attachReceiver();
    constexpr int Extra = SC_ReceiveBacklog::Limit - SC_ReceiveBacklog::ResumeAt + 10;
    QByteArray flood;
    for (int i = 0; i < SC_ReceiveBacklog::Limit + Extra; ++i)
        flood += SC_LinkFramer::frame(3, QByteArray::number(i));
    link.transport.receive(flood);
    QCOMPARE(link.packetCount(), SC_ReceiveBacklog::Limit);
    QVERIFY(!link.transport.isReceiving());

    // Handled down to half the limit: only then may the link read again,
    // and it hands over up to the limit in one read.
    for (int i = SC_ReceiveBacklog::Limit; i > SC_ReceiveBacklog::ResumeAt + 1; --i)
        QVERIFY(!backlog->handled());
    QVERIFY(backlog->handled());
    const int handOvers = link.reads.count();
    link.layer.ResumeReceiving();
    QCOMPARE(link.reads.count(), handOvers + 1);
    QCOMPARE(link.packetCount(), SC_ReceiveBacklog::Limit + SC_ReceiveBacklog::Limit - SC_ReceiveBacklog::ResumeAt);
    QVERIFY(!link.transport.isReceiving());

    // All handled: the link is told once, the rest goes, in order, and
    // reading resumes.
    int drained = 0;
    for (int i = 0; i < SC_ReceiveBacklog::Limit; ++i)
        drained += backlog->handled() ? 1 : 0;
    QCOMPARE(drained, 1);
    link.layer.ResumeReceiving();
    QVERIFY(link.transport.isReceiving());
    const QList<SyncPacket> packets = link.takePackets();
    QCOMPARE(packets.size(), SC_ReceiveBacklog::Limit + Extra);
    for (int i = 0; i < packets.size(); ++i)
        QCOMPARE(packets.at(i).body, QByteArray::number(i));
}

void tst_LinkLayer::floodWarningsAreSummarised()
{
    MessageCapture messages;
    Link link;
    QByteArray flood;
    for (int i = 0; i < 1000; ++i)
        flood += frame(1, "010203");
    link.transport.receive(flood);
    QCOMPARE(messages.warnings().size(), SC_WarningSummary::WrittenPerSecond);
    link.clock.advance(SC_WarningSummary::PeriodMs);
    QCOMPARE(messages.warnings().size(), SC_WarningSummary::WrittenPerSecond + 1);
    QVERIFY(messages.warnings().last().contains(QStringLiteral("990 more warnings")));
}

// A link status must not overtake the packets that came before it, nor
// fall behind those after it.
void tst_LinkLayer::heartbeatClosesTheRead()
{
    Link link;
    QStringList order;
    connect(&link.layer, &SC_LinkLayer::Packets, this, [&order](const QVector<SyncPacket> &read) {
        QStringList bodies;
        for (const SyncPacket &packet : read)
            bodies << QString::fromLatin1(packet.body.toHex());
        order << QStringLiteral("packets ") + bodies.join(QLatin1Char(' '));
    });
    connect(&link.layer, &SC_LinkLayer::LinkStatus, this,
            [&order](bool, quint8 status) { order << QStringLiteral("status %1").arg(status); });

    link.transport.receive(frame(3, "01") + frame(3, "02") + frame(0, "0103") + frame(3, "04"));

    QCOMPARE(order, (QStringList{"packets 01 02", "status 3", "packets 04"}));
}

// A receiver on the link's own thread handles each hand-over inside it and
// asks for more from there: the packets still come in order, all of them,
// each hand-over within the limit.
void tst_LinkLayer::receiverOnTheSameThreadKeepsTheOrder()
{
    Link link;
    const std::shared_ptr<SC_ReceiveBacklog> backlog = link.layer.receiveBacklog();
    backlog->attachReceiver();
    QList<QByteArray> bodies;
    int largest = 0;
    connect(&link.layer, &SC_LinkLayer::Packets, this, [&](const QVector<SyncPacket> &read) {
        largest = std::max(largest, read.size());
        for (const SyncPacket &packet : read) {
            bodies << packet.body;
            if (backlog->handled())
                link.layer.ResumeReceiving();
        }
    });
    constexpr int Count = SC_ReceiveBacklog::Limit * 3 + 7;
    QByteArray flood;
    for (int i = 0; i < Count; ++i)
        flood += SC_LinkFramer::frame(3, QByteArray::number(i));

    link.transport.receive(flood);

    QCOMPARE(bodies.size(), Count);
    for (int i = 0; i < Count; ++i)
        QCOMPARE(bodies.at(i), QByteArray::number(i));
    QCOMPARE(largest, SC_ReceiveBacklog::Limit);
    QVERIFY(link.transport.isReceiving());
}

QTEST_GUILESS_MAIN(tst_LinkLayer)
#include "tst_linklayer.moc"
