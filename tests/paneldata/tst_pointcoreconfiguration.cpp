#include "MessageCapture.h"
#include "paneldata/PointCoreConfiguration.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const ChannelAddress Loop1(12, 1, 0);
const ChannelAddress Loop2(12, 2, 0);

PointAddressKey point(quint8 number, quint8 zone, quint8 deviceType = 5)
{
    return PointAddressKey(number, zone, deviceType, 0x02, 0x0001, number);
}

struct Walked
{
    ChannelAddress channel;
    quint8 point;
};

QList<Walked> walk(quint8 panel)
{
    QList<Walked> points;
    PointCoreIterator *iterator = PointCoreConfiguration::instance()->pointIterator(panel);
    while (iterator->next())
        points.append(Walked{iterator->currentChannelKey(), iterator->currentRecord()->pointNumber});
    return points;
}

QList<quint8> walkedPoints(quint8 panel)
{
    QList<quint8> points;
    for (const Walked &entry : walk(panel))
        points.append(entry.point);
    return points;
}

} // namespace

class TestPointCoreConfiguration final : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void pointAddressKey_defaults();
    void zoneCount_data();
    void zoneCount();
    void sameRecordTwice_listedAtEndCountedOnce();
    void changedRecord_isAnotherPoint();
    void iteration_channelsInArrivalOrder();
    void iteration_passesOverEmptyChannels();
    void iteration_emptyPanel();
    void pointWithoutChannel_isDropped();
    void findPoint_leavesIteratorWhereItIs();
    void panelsWithoutTable_data();
    void panelsWithoutTable();
    void clearPanel_oneAndAll();
};

void TestPointCoreConfiguration::init()
{
    PointCoreConfiguration::instance()->clearPanel(255);
}

void TestPointCoreConfiguration::pointAddressKey_defaults()
{
    const PointAddressKey record;
    QCOMPARE(record.pointNumber, quint8(254));
    QCOMPARE(record.zone, quint8(254));
    QCOMPARE(record.deviceType, quint8(128));
    QCOMPARE(record.attributes, quint8(255));
    QCOMPARE(record.functionFlags, 0xFFFFFFFFu);
    QCOMPARE(record.logicalPointNumber, quint8(251));
    QVERIFY(record == PointAddressKey(254, 254, 128, 255, 0xFFFFFFFFu, 251));
    QVERIFY(record != PointAddressKey(254, 254, 128, 255, 0xFFFFFFFEu, 251));
}

void TestPointCoreConfiguration::zoneCount_data()
{
    QTest::addColumn<quint8>("kind");
    QTest::addColumn<quint8>("number");
    QTest::addColumn<quint8>("zone");
    QTest::addColumn<int>("count");

    QTest::newRow("loop, zone 5") << quint8(12) << quint8(0) << quint8(5) << 1;
    QTest::newRow("loop, zone 0") << quint8(12) << quint8(0) << quint8(0) << 0;
    QTest::newRow("kind 7, zone 0") << quint8(7) << quint8(0) << quint8(0) << 1;
    QTest::newRow("kind 8, zone 0") << quint8(8) << quint8(0) << quint8(0) << 0;
    QTest::newRow("number 4") << quint8(12) << quint8(4) << quint8(5) << 1;
    QTest::newRow("number 5") << quint8(12) << quint8(5) << quint8(5) << 0;
}

void TestPointCoreConfiguration::zoneCount()
{
    QFETCH(quint8, kind);
    QFETCH(quint8, number);
    QFETCH(quint8, zone);
    QFETCH(int, count);

    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    const ChannelAddress channel(kind, 3, number);
    QVERIFY(core->addChannel(4, channel, 1));
    core->addPoint(4, channel, point(10, zone));
    QCOMPARE(core->channelValue(4, zone), quint16(count));
    QCOMPARE(walkedPoints(4), QList<quint8>{10});
    QCOMPARE(core->channelValue(4, 77), quint16(0));
}

void TestPointCoreConfiguration::sameRecordTwice_listedAtEndCountedOnce()
{
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    core->addChannel(1, Loop1, 3);
    core->addPoint(1, Loop1, point(1, 5));
    core->addPoint(1, Loop1, point(2, 5));
    core->addPoint(1, Loop1, point(1, 5));
    QCOMPARE(walkedPoints(1), (QList<quint8>{2, 1}));
    QCOMPARE(core->channelValue(1, 5), quint16(2));
}

void TestPointCoreConfiguration::changedRecord_isAnotherPoint()
{
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    core->addChannel(1, Loop1, 2);
    core->addPoint(1, Loop1, point(1, 5));
    core->addPoint(1, Loop1, point(1, 6));
    QCOMPARE(walkedPoints(1), (QList<quint8>{1, 1}));
    QCOMPARE(core->channelValue(1, 5), quint16(1));
    QCOMPARE(core->channelValue(1, 6), quint16(1));
}

void TestPointCoreConfiguration::iteration_channelsInArrivalOrder()
{
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    core->reserveChannels(2, 2);
    core->addChannel(2, Loop2, 2);
    core->addPoint(2, Loop2, point(7, 1));
    core->addPoint(2, Loop2, point(8, 1));
    core->addChannel(2, Loop1, 1);
    core->addPoint(2, Loop1, point(3, 2));
    // A later part naming a known channel adds to it.
    core->addChannel(2, Loop2, 1);
    core->addPoint(2, Loop2, point(9, 1));

    const QList<Walked> points = walk(2);
    QCOMPARE(points.size(), 4);
    QCOMPARE(points.at(0).channel, Loop2);
    QCOMPARE(points.at(0).point, quint8(7));
    QCOMPARE(points.at(1).point, quint8(8));
    QCOMPARE(points.at(2).channel, Loop2);
    QCOMPARE(points.at(2).point, quint8(9));
    QCOMPARE(points.at(3).channel, Loop1);
    QCOMPARE(points.at(3).point, quint8(3));
    QCOMPARE(core->channelValue(2, 1), quint16(3));

    // Repositioning starts over.
    PointCoreIterator *iterator = core->pointIterator(2);
    QVERIFY(iterator->next());
    QCOMPARE(iterator->currentRecord()->pointNumber, quint8(7));
    QCOMPARE(iterator->currentRecord()->zone, quint8(1));
}

void TestPointCoreConfiguration::iteration_passesOverEmptyChannels()
{
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    core->addChannel(3, ChannelAddress(12, 9, 0), 4);
    core->addChannel(3, Loop1, 1);
    core->addPoint(3, Loop1, point(4, 1));
    core->addChannel(3, ChannelAddress(12, 10, 0), 4);
    core->addChannel(3, Loop2, 1);
    core->addPoint(3, Loop2, point(5, 1));
    core->addChannel(3, ChannelAddress(12, 11, 0), 4);

    const QList<Walked> points = walk(3);
    QCOMPARE(points.size(), 2);
    QCOMPARE(points.at(0).channel, Loop1);
    QCOMPARE(points.at(1).channel, Loop2);
    QCOMPARE(core->pointIterator(3)->next(), true);
}

void TestPointCoreConfiguration::iteration_emptyPanel()
{
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    PointCoreIterator *iterator = core->pointIterator(5);
    QVERIFY(!iterator->next());
    QVERIFY(!iterator->next());

    MessageCapture capture;
    QVERIFY(!iterator->currentRecord());
    QVERIFY(capture.contains(QStringLiteral("PointCoreIterator::currentRecord")));

    // A panel whose only channel has no points walks nothing either.
    core->addChannel(5, Loop1, 1);
    QVERIFY(!core->pointIterator(5)->next());
}

void TestPointCoreConfiguration::pointWithoutChannel_isDropped()
{
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    core->addPoint(6, Loop1, point(1, 5));
    QVERIFY(walk(6).isEmpty());
    QCOMPARE(core->channelValue(6, 5), quint16(0));
}

void TestPointCoreConfiguration::findPoint_leavesIteratorWhereItIs()
{
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    core->addChannel(2, Loop1, 2);
    core->addPoint(2, Loop1, point(4, 1));
    core->addPoint(2, Loop1, point(5, 2));
    core->addChannel(2, Loop2, 1);
    core->addPoint(2, Loop2, point(4, 3));

    PointCoreIterator *iterator = core->pointIterator(2);
    QVERIFY(iterator->next());
    QCOMPARE(core->findPoint(2, Loop2, 4)->zone, quint8(3));
    QCOMPARE(core->findPoint(2, Loop1, 5)->zone, quint8(2));
    QVERIFY(!core->findPoint(2, Loop1, 6));
    QVERIFY(!core->findPoint(3, Loop1, 4));
    QVERIFY(!core->findPoint(150, Loop1, 4));
    QVERIFY(iterator->next());
    QCOMPARE(iterator->currentRecord()->pointNumber, quint8(5));
}

void TestPointCoreConfiguration::panelsWithoutTable_data()
{
    QTest::addColumn<quint8>("panel");
    QTest::newRow("100") << quint8(100);
    QTest::newRow("200") << quint8(200);
    QTest::newRow("254") << quint8(254);
}

void TestPointCoreConfiguration::panelsWithoutTable()
{
    QFETCH(quint8, panel);
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    core->addChannel(99, Loop1, 1);
    core->addPoint(99, Loop1, point(1, 5));

    MessageCapture capture;
    QVERIFY(!core->addChannel(panel, Loop1, 1));
    core->addPoint(panel, Loop1, point(1, 5));
    core->reserveChannels(panel, 10);
    core->clearPanel(panel);
    QVERIFY(capture.contains(QStringLiteral("PointCoreConfiguration::addChannel")));

    QVERIFY(walk(panel).isEmpty());
    QCOMPARE(core->channelValue(panel, 5), quint16(0));
    // Nothing spilled into a neighbouring table.
    QCOMPARE(walkedPoints(99), QList<quint8>{1});
    QCOMPARE(core->channelValue(99, 5), quint16(1));
}

void TestPointCoreConfiguration::clearPanel_oneAndAll()
{
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    for (quint8 panel : {0, 1, 99}) {
        core->addChannel(panel, Loop1, 1);
        core->addPoint(panel, Loop1, point(1, 5));
    }
    core->clearPanel(1);
    QVERIFY(walk(1).isEmpty());
    QCOMPARE(core->channelValue(1, 5), quint16(0));
    QCOMPARE(walk(0).size(), 1);

    core->clearPanel(255);
    QVERIFY(walk(0).isEmpty());
    QVERIFY(walk(99).isEmpty());
    QCOMPARE(core->channelValue(99, 5), quint16(0));
}

QTEST_GUILESS_MAIN(TestPointCoreConfiguration)
#include "tst_pointcoreconfiguration.moc"
