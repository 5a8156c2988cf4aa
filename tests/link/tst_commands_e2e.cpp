#include "SameThreadLink.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "link/SC_PointsIndividual.h"
#include "link/SyncClient.h"
#include "paneldata/DataMapPages.h"
#include "paneldata/PanelCounters.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/PointTextCache.h"
#include "paneldata/SC_PageHandlerTable.h"

#include <QtTest>

#include <memory>

// The engine's protocol client, in this process on a loopback port, with
// the controller emulator at the other end: commands change the emulator's
// site, and the counts and point maps it sends back reach the engine.
// The emulator's demo site: panel 1 has loops 1 to 4 of 120, 96, 64 and 30
// points, and one disablement to start with.

namespace {

constexpr int Timeout = 30000;
constexpr quint8 Panel = 1;
constexpr int InitialDisablements = 1;

SC_PointsIndividual loopPoints(std::initializer_list<std::pair<quint8, int>> loops)
{
    SC_PointsIndividual points;
    points.setPanel(Panel);
    for (const auto &[loop, count] : loops) {
        for (int point = 1; point <= count; ++point)
            points.addPoint(12, loop, 0, quint8(point));
    }
    return points;
}

QString bucketValue(int bucket, const QString &key)
{
    return BucketMaster::instance()->getValue(bucket, key);
}

} // namespace

class tst_CommandsEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void forceAndDisable_data();
    void forceAndDisable();

private:
    QTemporaryDir m_directory;
    std::unique_ptr<SameThreadLink> m_link;
};

void tst_CommandsEndToEnd::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
}

void tst_CommandsEndToEnd::init()
{
    m_link = std::make_unique<SameThreadLink>();
    QVERIFY(m_link->connect());
}

void tst_CommandsEndToEnd::cleanup()
{
    m_link.reset();
    SyncClient::destroyInstance();
    BucketMaster::destroyInstance();
    PanelCounters::instance()->clear();
}

void tst_CommandsEndToEnd::forceAndDisable_data()
{
    QTest::addColumn<int>("layout");
    QTest::newRow("layout 0") << 0;
    QTest::newRow("layout 1") << 1;
}

void tst_CommandsEndToEnd::forceAndDisable()
{
    QFETCH(int, layout);
    SyncClient *client = SyncClient::instance();
    TeskGlobalConfig::instance()->setPacketHeaderLayout(layout == 1 ? 600 : 0);
    m_link->controller().command(QStringLiteral("layout %1").arg(layout));
    QVERIFY(m_link->heartbeatAnswered());
    QTRY_VERIFY_WITH_TIMEOUT(client->isLinkUp(), Timeout);
    // The emulator's status counts, as after a synchronisation.
    int from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("count %1 disablements %2").arg(Panel).arg(InitialDisablements));
    QVERIFY(m_link->waitForLine(QStringLiteral("ack page=5 panel=254"), from) >= 0);
    QCOMPARE(PanelCounters::instance()->disablements(Panel), InitialDisablements);

    // Force three inputs on.
    from = m_link->controller().lineCount();
    client->sendForcePoints(1, loopPoints({{1, 3}}));
    QVERIFY(m_link->waitForLine(QStringLiteral("site-force inputs panel=1 entries=3 applied=3 action=1"), from) >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(bucketValue(139, QStringLiteral("1|forcedInputs")), QStringLiteral("3"), Timeout);
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    const ChannelAddress loop1(12, 1, 0);
    QTRY_VERIFY_WITH_TIMEOUT(maps->testPoint(DataMapPages::Forced, Panel, loop1, 2), Timeout);
    QVERIFY(!maps->testPoint(DataMapPages::Forced, Panel, loop1, 4));
    from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("point 1 12 1 0 2"));
    QVERIFY(m_link->waitForLine(QStringLiteral("point 1 12/1/0/2 input-force=1 output-force=0 disabled=0"), from) >= 0);

    // Disable loops 1 to 3 (280 points in two packets), answered packet by
    // packet with the sequence bytes announced.
    QSignalSpy announced(client, &SyncClient::disablementSent);
    QSignalSpy replies(client, &SyncClient::PointCommandReply);
    from = m_link->controller().lineCount();
    const quint8 next = client->sendDisablePoints(2, DISABLEMENT_DISABLE, loopPoints({{1, 120}, {2, 96}, {3, 64}}), 0);
    QCOMPARE(next, quint8(3));
    QCOMPARE(announced.count(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(replies.count(), 2, Timeout);
    QCOMPARE(replies.at(0).at(0).value<quint8>(), quint8(1));
    QCOMPARE(replies.at(0).at(2).value<quint16>(), quint16(255));
    QCOMPARE(replies.at(1).at(0).value<quint8>(), quint8(2));
    QCOMPARE(replies.at(1).at(2).value<quint16>(), quint16(25));
    QVERIFY(m_link->waitForLine(QStringLiteral("site-disable panel=1 function=1 kind=2 entries=255 changed=255 seq=1"),
                                from)
            >= 0);
    QVERIFY(
        m_link->waitForLine(QStringLiteral("site-disable panel=1 function=1 kind=2 entries=25 changed=25 seq=2"), from)
        >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(PanelCounters::instance()->disablements(Panel), InitialDisablements + 280, Timeout);
    QTRY_VERIFY_WITH_TIMEOUT(maps->testPoint(DataMapPages::Disabled, Panel, ChannelAddress(12, 3, 0), 64), Timeout);
    QVERIFY(!maps->testPoint(DataMapPages::Disabled, Panel, ChannelAddress(12, 4, 0), 1));

    // Enable loop 3 again; the sequence runs on.
    from = m_link->controller().lineCount();
    QCOMPARE(client->sendDisablePoints(2, DISABLEMENT_ENABLE, loopPoints({{3, 64}}), next), quint8(4));
    QVERIFY(
        m_link->waitForLine(QStringLiteral("site-disable panel=1 function=0 kind=2 entries=64 changed=64 seq=3"), from)
        >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(PanelCounters::instance()->disablements(Panel), InitialDisablements + 216, Timeout);
    QTRY_COMPARE_WITH_TIMEOUT(PanelCounters::instance()->disablements(254), InitialDisablements + 216 + 1 + 1, Timeout);
    QTRY_VERIFY_WITH_TIMEOUT(!maps->testPoint(DataMapPages::Disabled, Panel, ChannelAddress(12, 3, 0), 64), Timeout);
    from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("point 1 12 2 0 96"));
    QVERIFY(m_link->waitForLine(QStringLiteral("point 1 12/2/0/96 input-force=0 output-force=0 disabled=1"), from)
            >= 0);

    // The point's values as the controller reports them.
    QSignalSpy values(client, &SyncClient::PointInformationValues);
    client->sendPointInformationRequestExt(Panel, 12, 1, 0, 2);
    QTRY_COMPARE_WITH_TIMEOUT(values.count(), 1, Timeout);
    QCOMPARE(values.at(0).at(0).value<SimplePointInfo>(), (SimplePointInfo{Panel, 12, 0, 1, 2}));
    const auto details = values.at(0).at(1).value<PointValueDetails>();
    QCOMPARE(details.statusBits, quint8(0x0d));
    QCOMPARE(values.at(0).at(2).value<quint8>(), quint8(0));

    // Texts asked for are filed: the point's name in the text cache, the
    // zone's in the state store.
    QSignalSpy texts(client, &SyncClient::pointStringUpdated);
    client->sendPointTextRequest(quint32(Panel) << 24 | 0x0c << 16 | 1 << 8 | 2, 1);
    client->sendZoneTextRequest(Panel, 5, 1);
    QTRY_COMPARE_WITH_TIMEOUT(texts.count(), 2, Timeout);
    QCOMPARE(PointTextCache::instance()->pointText(Panel, ChannelAddress(12, 1, 0), 2, 1),
             QStringLiteral("Point 1.1.2"));
    QCOMPARE(bucketValue(6, QStringLiteral("1|5|1")), QStringLiteral("Zone 5"));

    // The engine's software version, asked for by the controller.
    from = m_link->controller().lineCount();
    m_link->controller().command(QStringLiteral("version"));
    QVERIFY(m_link->waitForLine(QStringLiteral("version 3.6.0 development=0 built="), from) >= 0);
}

QTEST_MAIN(tst_CommandsEndToEnd)
#include "tst_commands_e2e.moc"
