#include "FakeClock.h"
#include "ScriptedSite.h"
#include "SentPackets.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "paneldata/DateTime.h"
#include "pointmodels/LkNetworkStats.h"
#include "pointmodels/model.h"

#include <QtTest>

#include <memory>

namespace {

constexpr int NetworkFaultRequest = 9;
// Header layout 1: destination at byte 5, function at byte 7, payload from
// byte 16.
constexpr int DestinationByte = 5;
constexpr int FunctionByte = 7;
constexpr int HeaderBytes = 16;

// "node/kind" of each network-fault request sent, in order.
QStringList networkRequests(const QSignalSpy &spy)
{
    QStringList requests;
    for (const QByteArray &packet : lkSpeakSent(spy)) {
        if (packet.size() > HeaderBytes && quint8(packet.at(FunctionByte)) == NetworkFaultRequest)
            requests
                << QStringLiteral("%1/%2").arg(quint8(packet.at(DestinationByte))).arg(quint8(packet.at(HeaderBytes)));
    }
    return requests;
}

const QStringList FullPair{"255/5", "0/5"};

void statistics(LkNetworkStats *stats, quint8 node, quint16 extendedFaultMap)
{
    stats->setNodeStatistics(node, 0x02, 4, 1, 1000, 2, 3, 4, 2000, 5, 6, 7, 300, 400, 50, 60, 70, 80, 90,
                             extendedFaultMap);
}

} // namespace

// The network statistics store and its requests, on the fake clock.
class tst_NetworkStats final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fullRequestSendsTheAllNodesPairAndForgetsPendingStatuses();
    void singleNodeRequest();
    void nothingIsAskedOffTheNetwork_data();
    void nothingIsAskedOffTheNetwork();
    void refreshRunsHourlyWhileOnAndConnected();
    void linkDropStopsAndReturnRequestsAtOnce();
    void replyFromNodeZeroIsThisPanels();
    void repliesClearTheRequestedBit();
    void nodesFromOneHundredAreIgnored();
    void statValueEdges_data();
    void statValueEdges();
    void nodeFlag_data();
    void nodeFlag();

private:
    LkNetworkStats *stats() const { return LkNetworkStats::instance(); }

    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<QSignalSpy> m_sent;
    bool m_ethernet = true;
};

void tst_NetworkStats::init()
{
    ScriptedSite::reset();
    m_clock = std::make_unique<FakeClock>();
    LkNetworkStats::destroyInstance();
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    TeskGlobalConfig::instance()->setNetworkNodeNumber(3);
    m_ethernet = true;
    stats()->setEthernetConnectedQuery([this] { return m_ethernet; });
    m_sent = std::make_unique<QSignalSpy>(SyncClient::instance(), &SyncClient::SendPacket);
}

void tst_NetworkStats::cleanup()
{
    m_sent.reset();
    LkNetworkStats::destroyInstance();
    m_clock.reset();
}

void tst_NetworkStats::fullRequestSendsTheAllNodesPairAndForgetsPendingStatuses()
{
    stats()->requestStats(7, 0);
    stats()->setNodeStatus(9, 0x01); // answered, never asked again since
    stats()->requestStats(7, 0);
    stats()->setNodeStatus(7, 0x01);
    stats()->requestStats(7, 0); // pending again, with a status held
    stats()->setNodeStatus(12, 0x04);
    m_sent->clear();
    QSignalSpy updated(stats(), &LkNetworkStats::nodeUpdated);

    stats()->requestStats(255, 5);

    QCOMPARE(networkRequests(*m_sent), FullPair);
    QCOMPARE(lkSpeakSent(*m_sent).size(), 2);
    // Node 7 was asked and held a status; 9 and 12 held one but were not asked.
    QCOMPARE(updated.count(), 1);
    QCOMPARE(updated.at(0).at(0).value<TC::panel_t>(), TC::panel_t(7));
    QCOMPARE(stats()->nodeFlag(7, 1), 2);
    QCOMPARE(stats()->nodeFlag(9, 1), 1);
    for (quint8 node : {0, 42, 99})
        QVERIFY(stats()->isRequested(node));
}

void tst_NetworkStats::singleNodeRequest()
{
    stats()->requestStats(6, 2);
    QCOMPARE(networkRequests(*m_sent), QStringList{"6/2"});
    QVERIFY(stats()->isRequested(6));
    QVERIFY(!stats()->isRequested(5));
    stats()->requestStats(120, 2);
    QCOMPARE(lkSpeakSent(*m_sent).size(), 1);
}

void tst_NetworkStats::nothingIsAskedOffTheNetwork_data()
{
    QTest::addColumn<int>("networkNode");
    QTest::addColumn<bool>("ethernet");
    QTest::newRow("no network node number") << 0 << true;
    QTest::newRow("negative network node number") << -1 << true;
    QTest::newRow("link not over Ethernet") << 3 << false;
}

void tst_NetworkStats::nothingIsAskedOffTheNetwork()
{
    QFETCH(int, networkNode);
    QFETCH(bool, ethernet);
    TeskGlobalConfig::instance()->setNetworkNodeNumber(networkNode);
    m_ethernet = ethernet;
    stats()->toggleRefresh();
    QVERIFY(stats()->isRefreshEnabled());
    m_clock->advance(3 * LkNetworkStats::RefreshIntervalMs);
    QCOMPARE(networkRequests(*m_sent).size(), 0);
}

void tst_NetworkStats::refreshRunsHourlyWhileOnAndConnected()
{
    m_clock->advance(LkNetworkStats::RefreshIntervalMs);
    QCOMPARE(lkSpeakSent(*m_sent).size(), 0);

    stats()->toggleRefresh();
    QCOMPARE(networkRequests(*m_sent), FullPair);
    m_clock->advance(LkNetworkStats::RefreshIntervalMs - 1);
    QCOMPARE(networkRequests(*m_sent).size(), 2);
    m_clock->advance(1);
    QCOMPARE(networkRequests(*m_sent), FullPair + FullPair);

    stats()->toggleRefresh();
    QVERIFY(!stats()->isRefreshEnabled());
    m_clock->advance(2 * LkNetworkStats::RefreshIntervalMs);
    QCOMPARE(networkRequests(*m_sent).size(), 4);
}

void tst_NetworkStats::linkDropStopsAndReturnRequestsAtOnce()
{
    stats()->toggleRefresh();
    m_sent->clear();
    m_ethernet = false;
    stats()->startStopRefreshTimer();
    m_clock->advance(2 * LkNetworkStats::RefreshIntervalMs);
    QCOMPARE(lkSpeakSent(*m_sent).size(), 0);

    m_clock->advance(1000);
    m_ethernet = true;
    stats()->startStopRefreshTimer();
    QCOMPARE(networkRequests(*m_sent), FullPair);
    m_clock->advance(LkNetworkStats::RefreshIntervalMs);
    QCOMPARE(networkRequests(*m_sent), FullPair + FullPair);
}

void tst_NetworkStats::replyFromNodeZeroIsThisPanels()
{
    TeskGlobalConfig::instance()->setPanelNumber(5);
    const quint8 local = model::instance()->localPanel();
    QCOMPARE(local, quint8(5));
    QSignalSpy updated(stats(), &LkNetworkStats::nodeUpdated);
    statistics(stats(), 0, 7);
    QCOMPARE(updated.count(), 1);
    QCOMPARE(updated.at(0).at(0).value<TC::panel_t>(), local);
    QCOMPARE(stats()->statValue(local, 0), QVariant(quint64(1000)));
    QCOMPARE(stats()->statValue(0, 0), QVariant(QStringLiteral("-")));
    QCOMPARE(stats()->nodeFlag(local, 2), 1);
}

void tst_NetworkStats::repliesClearTheRequestedBit()
{
    stats()->requestStats(255, 5);
    stats()->setNodeStatus(4, 0);
    statistics(stats(), 8, 300);
    QVERIFY(!stats()->isRequested(4));
    QVERIFY(!stats()->isRequested(8));
    QVERIFY(stats()->isRequested(5));
}

void tst_NetworkStats::nodesFromOneHundredAreIgnored()
{
    QSignalSpy updated(stats(), &LkNetworkStats::nodeUpdated);
    stats()->setNodeStatus(100, 1);
    statistics(stats(), 200, 1);
    QCOMPARE(updated.count(), 0);
}

void tst_NetworkStats::statValueEdges_data()
{
    QTest::addColumn<bool>("replied");
    QTest::addColumn<quint16>("extendedFaultMap");
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("expected");
    const QVariant none = QStringLiteral("-");
    for (int column : {0, 9, 16, 17, 18, 19, -1})
        QTest::addRow("never replied, column %d", column) << false << quint16(0) << column << none;
    QTest::newRow("left good frames") << true << quint16(9) << 0 << QVariant(quint64(1000));
    QTest::newRow("left serial errors") << true << quint16(9) << 1 << QVariant(2u);
    QTest::newRow("right good frames") << true << quint16(9) << 4 << QVariant(quint64(2000));
    QTest::newRow("messages received") << true << quint16(9) << 9 << QVariant(quint64(400));
    QTest::newRow("time since start-up") << true << quint16(9) << 11 << QVariant(60u);
    QTest::newRow("ground ADC") << true << quint16(9) << 14 << QVariant(90u);
    QTest::newRow("next active node") << true << quint16(9) << 15 << QVariant(4u);
    QTest::newRow("flow control") << true << quint16(9) << 16 << QVariant(1u);
    QTest::newRow("extended fault map") << true << quint16(9) << 18 << QVariant(9);
    QTest::newRow("extended fault map 255") << true << quint16(255) << 18 << QVariant(255);
    QTest::newRow("no extended fault map") << true << LkNetworkStats::NoExtendedFaultMap << 18 << none;
    QTest::newRow("beyond the columns") << true << quint16(9) << 19 << none;
}

void tst_NetworkStats::statValueEdges()
{
    QFETCH(bool, replied);
    QFETCH(quint16, extendedFaultMap);
    QFETCH(int, column);
    QFETCH(QVariant, expected);
    if (replied)
        statistics(stats(), 6, extendedFaultMap);
    QCOMPARE(stats()->statValue(6, column), expected);
}

void tst_NetworkStats::nodeFlag_data()
{
    QTest::addColumn<bool>("held");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("flag");
    QTest::newRow("mask 4 on 0x06") << true << 0x06 << 4 << 1;
    QTest::newRow("mask 4 on 0x01") << true << 0x01 << 4 << 0;
    QTest::newRow("no status byte") << false << 0 << 4 << 2;
    QTest::newRow("mask 64 on 0x40") << true << 0x40 << 64 << 1;
}

void tst_NetworkStats::nodeFlag()
{
    QFETCH(bool, held);
    QFETCH(int, status);
    QFETCH(int, mask);
    QFETCH(int, flag);
    if (held)
        stats()->setNodeStatus(11, quint8(status));
    QCOMPARE(stats()->nodeFlag(11, mask), flag);
}

QTEST_GUILESS_MAIN(tst_NetworkStats)
#include "tst_networkstats.moc"
