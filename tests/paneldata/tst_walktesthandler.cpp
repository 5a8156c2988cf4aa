#include "FakeClock.h"
#include "PacketBytes.h"
#include "SentPackets.h"
#include "core/TeskGlobalConfig.h"
#include "link/SC_PointsWildCard.h"
#include "paneldata/WalkTestHandler.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

WalkTestHandler *handler()
{
    return WalkTestHandler::instance();
}

bool report(quint8 node, int status, quint8 zoneSelector = 255, quint16 counter6 = 0,
            const QBitArray &zones = QBitArray(), quint8 groupMask = 1)
{
    return handler()->updateSummary(node, zoneSelector, status, groupMask, {1, 2, 3, 4, 5, counter6}, zones, 9);
}

QBitArray zonesOf(std::initializer_list<int> numbers)
{
    QBitArray zones(256);
    for (int zone : numbers)
        zones.setBit(zone);
    return zones;
}

} // namespace

// The walk-test summaries of the network, the node in view and the stop guard.
class tst_WalkTestHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void ignoresBadNodesAndStatuses_data();
    void ignoresBadNodesAndStatuses();
    void countsNodesThroughAWalkTest();
    void stopOfAnInactiveNodeCountsNothing();
    void zoneCount_data();
    void zoneCount();
    void totals();
    void selection_data();
    void selection();
    void requestedNodeFollowsItsWalkTest();
    void commandCodes_data();
    void commandCodes();
    void stopGuard();
    void requestStopWalkTest_data();
    void requestStopWalkTest();
    void canStop_data();
    void canStop();
    void resetKeepsTheStopGuard();

private:
    FakeClock m_clock;
};

void tst_WalkTestHandler::initTestCase()
{
    static QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
}

void tst_WalkTestHandler::init()
{
    handler()->reset();
    handler()->clearBlockStopWalktest();
}

void tst_WalkTestHandler::ignoresBadNodesAndStatuses_data()
{
    QTest::addColumn<int>("node");
    QTest::addColumn<int>("status");

    QTest::newRow("node 100") << 100 << 2;
    QTest::newRow("node 255") << 255 << 2;
    QTest::newRow("status 6") << 3 << 6;
    QTest::newRow("status 7") << 3 << 7;
}

void tst_WalkTestHandler::ignoresBadNodesAndStatuses()
{
    QFETCH(int, node);
    QFETCH(int, status);

    QSignalSpy changed(handler(), &WalkTestHandler::walkTestSummaryChanged);
    QVERIFY(!report(quint8(node), status));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(handler()->getNodesInWalkTest(), quint8(0));
    QCOMPARE(handler()->summary(3).getStatus(), WalkTestSummary::NoWalkTest);
}

void tst_WalkTestHandler::countsNodesThroughAWalkTest()
{
    QVERIFY(report(3, 2, 7));
    QCOMPARE(handler()->getNodesInWalkTest(), quint8(1));
    QVERIFY(handler()->isWalkTestActive());
    const QDateTime startedAt2 = handler()->startTime(3);
    QVERIFY(startedAt2.isValid());

    QVERIFY(report(3, 3, 8, 0, QBitArray(), 4));
    QCOMPARE(handler()->getNodesInWalkTest(), quint8(1));
    QVERIFY(handler()->startTime(3) >= startedAt2);
    QCOMPARE(handler()->lastChangeTime(3), handler()->startTime(3));

    // The same status again only touches the last change.
    const QDateTime startedAt3 = handler()->startTime(3);
    QVERIFY(report(3, 3, 8));
    QCOMPARE(handler()->startTime(3), startedAt3);
    QVERIFY(handler()->lastChangeTime(3) >= startedAt3);

    QVERIFY(report(3, 0, 254, 0, QBitArray(), 0));
    QCOMPARE(handler()->getNodesInWalkTest(), quint8(0));
    QVERIFY(!handler()->isWalkTestActive());
    const WalkTestSummary &stopped = handler()->summary(3);
    QCOMPARE(stopped.getStatus(), 0);
    QCOMPARE(stopped.previousStatus(), 3);
    QCOMPARE(stopped.previousZoneSelector(), quint8(8));
    QCOMPARE(stopped.previousGroupMask(), quint8(1));
    QCOMPARE(stopped.zoneCount(), quint16(0));

    // A new walk test after a stop counts again and keeps what came before.
    QVERIFY(report(3, 1));
    QCOMPARE(handler()->getNodesInWalkTest(), quint8(1));
    QCOMPARE(handler()->summary(3).previousStatus(), 3);
}

void tst_WalkTestHandler::stopOfAnInactiveNodeCountsNothing()
{
    QVERIFY(report(4, 2));
    QVERIFY(report(5, 0));
    QCOMPARE(handler()->getNodesInWalkTest(), quint8(1));
    QCOMPARE(handler()->summary(5).previousStatus(), WalkTestSummary::NoWalkTest);
    QVERIFY(report(5, 0));
    QCOMPARE(handler()->getNodesInWalkTest(), quint8(1));
}

void tst_WalkTestHandler::zoneCount_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("selector");
    QTest::addColumn<QBitArray>("zones");
    QTest::addColumn<int>("count");

    QTest::newRow("all zones") << 2 << 255 << QBitArray() << 241;
    QTest::newRow("three listed zones") << 2 << 252 << zonesOf({1, 8, 200}) << 3;
    QTest::newRow("no zone") << 2 << 254 << QBitArray() << 0;
    QTest::newRow("one zone") << 1 << 17 << QBitArray() << 1;
    QTest::newRow("stop report") << 0 << 255 << QBitArray() << 0;
}

void tst_WalkTestHandler::zoneCount()
{
    QFETCH(int, status);
    QFETCH(int, selector);
    QFETCH(QBitArray, zones);
    QFETCH(int, count);

    QVERIFY(report(6, status, quint8(selector), 0, zones));
    QCOMPARE(handler()->summary(6).zoneCount(), quint16(count));
    QCOMPARE(handler()->summary(6).zones(), zones);
}

void tst_WalkTestHandler::totals()
{
    report(1, 2, 255, 4);
    report(2, 5, 252, 6, zonesOf({3, 4}));
    report(3, 0, 255, 100);
    QCOMPARE(handler()->totalZoneCount(), quint16(243));
    QCOMPARE(handler()->totalCounter6(), quint16(10));
    QCOMPARE(handler()->summary(2).counter1(), quint16(1));
    QCOMPARE(handler()->summary(2).counter5(), quint16(5));
    QCOMPARE(handler()->summary(2).extraValue(), 9);
}

void tst_WalkTestHandler::selection_data()
{
    QTest::addColumn<int>("node");
    QTest::addColumn<int>("selected");

    QTest::newRow("a panel") << 12 << 12;
    QTest::newRow("this panel") << 0 << 7;
    QTest::newRow("none") << 254 << 254;
    QTest::newRow("out of range") << 150 << 33;
    QTest::newRow("optional byte absent") << 253 << 33;
}

void tst_WalkTestHandler::selection()
{
    QFETCH(int, node);
    QFETCH(int, selected);

    TeskGlobalConfig::instance()->setPanelNumber(7);
    handler()->setSelectedNode(33);
    handler()->setSelectedNode(quint8(node));
    QCOMPARE(handler()->selectedNode(), quint8(selected));

    // The current node is the selection only while it walk-tests.
    if (selected < 100) {
        QCOMPARE(handler()->getCurrentNode(), quint8(254));
        report(quint8(selected), 2);
        QCOMPARE(handler()->getCurrentNode(), quint8(selected));
    }
}

void tst_WalkTestHandler::requestedNodeFollowsItsWalkTest()
{
    handler()->holdStop(8);
    QCOMPARE(handler()->requestedNode(), quint8(8));
    report(9, 2);
    QCOMPARE(handler()->selectedNode(), quint8(254));
    report(8, 2);
    QCOMPARE(handler()->selectedNode(), quint8(8));
    report(8, 0);
    QCOMPARE(handler()->selectedNode(), quint8(254));
    QCOMPARE(handler()->requestedNode(), quint8(253));
}

void tst_WalkTestHandler::commandCodes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("scope");
    QTest::addColumn<int>("code");

    for (int kind : {1, 4}) {
        QTest::addRow("kind %d scope 0", kind) << kind << 0 << 2;
        QTest::addRow("kind %d scope 1", kind) << kind << 1 << 4;
        QTest::addRow("kind %d scope 2", kind) << kind << 2 << 5;
        QTest::addRow("kind %d scope 3", kind) << kind << 3 << 6;
    }
    QTest::newRow("kind 2") << 2 << 1 << 1;
    QTest::newRow("kind 3") << 3 << 0 << 4;
    QTest::newRow("kind 0") << 0 << 0 << 6;
    QTest::newRow("kind 5") << 5 << 0 << 6;
}

void tst_WalkTestHandler::commandCodes()
{
    QFETCH(int, kind);
    QFETCH(int, scope);
    QFETCH(int, code);
    QCOMPARE(WalkTestHandler::commandCode(kind, scope), quint8(code));
}

// After a walk-test command no stop may be offered for the guard time; its
// end is announced, so the screens show the stop key again.
void tst_WalkTestHandler::stopGuard()
{
    report(1, 2);
    report(2, 1);
    QVERIFY(handler()->summary(1).canStop());
    QSignalSpy changed(handler(), &WalkTestHandler::walkTestSummaryChanged);

    handler()->holdStop(1);
    QVERIFY(handler()->isStopBlocked());
    for (quint8 node = 0; node < WalkTestHandler::Nodes; ++node)
        QVERIFY(!handler()->summary(node).canStop());

    m_clock.advance(WalkTestHandler::StopGuardMs - 1);
    QCOMPARE(changed.count(), 0);
    QVERIFY(handler()->isStopBlocked());
    m_clock.advance(1);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!handler()->isStopBlocked());
    QVERIFY(handler()->summary(1).canStop());
    QVERIFY(handler()->summary(2).canStop());
}

void tst_WalkTestHandler::requestStopWalkTest_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("scope");
    QTest::addColumn<QByteArray>("command");

    // Sub-code 5 then the command code, then the wildcard list as it goes out.
    const QByteArray list = hex("00 01 03 09 00 02 05 7f 00 00 ff");
    QTest::newRow("zone stop") << 1 << 1 << hex("64 05 04") + list;
    QTest::newRow("start") << 2 << 0 << hex("64 05 01") + list;
    QTest::newRow("unknown kind") << 7 << 0 << hex("64 05 06") + list;
}

// The command goes out with the wildcard list as given, its panel becomes the
// requested node, and no stop is offered until the guard time is over.
void tst_WalkTestHandler::requestStopWalkTest()
{
    QFETCH(int, kind);
    QFETCH(int, scope);
    QFETCH(QByteArray, command);

    QSignalSpy sent(SyncClient::instance(), &SyncClient::SendPacket);
    handler()->requestStopWalkTest(kind, scope, SC_PointsWildCard(9, 12, 2, 0, 5, 127, 0, 0, 255));

    const QByteArrayList packets = lkSpeakSent(sent);
    QCOMPARE(packets.size(), 1);
    QVERIFY2(packets.first().endsWith(command), packets.first().toHex(' ').constData());
    QCOMPARE(handler()->requestedNode(), quint8(9));
    QVERIFY(handler()->isStopBlocked());
    m_clock.advance(WalkTestHandler::StopGuardMs);
    QVERIFY(!handler()->isStopBlocked());
}

void tst_WalkTestHandler::canStop_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("counter6");
    QTest::addColumn<bool>("canStop");

    QTest::newRow("starting") << 1 << 5 << true;
    QTest::newRow("running, nothing to restore") << 3 << 0 << true;
    QTest::newRow("running, devices to restore") << 3 << 2 << false;
    QTest::newRow("stopped") << 0 << 0 << false;
}

void tst_WalkTestHandler::canStop()
{
    QFETCH(int, status);
    QFETCH(int, counter6);
    QFETCH(bool, canStop);
    report(4, status, 255, quint16(counter6));
    QCOMPARE(handler()->summary(4).canStop(), canStop);
}

void tst_WalkTestHandler::resetKeepsTheStopGuard()
{
    report(1, 2);
    handler()->setSelectedNode(1);
    handler()->holdStop(1);
    handler()->reset();
    QCOMPARE(handler()->getNodesInWalkTest(), quint8(0));
    QCOMPARE(handler()->selectedNode(), quint8(254));
    QCOMPARE(handler()->requestedNode(), quint8(253));
    QVERIFY(!handler()->startTime(1).isValid());
    QVERIFY(handler()->isStopBlocked());
}

QTEST_GUILESS_MAIN(tst_WalkTestHandler)
#include "tst_walktesthandler.moc"
