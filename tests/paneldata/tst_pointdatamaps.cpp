#include "paneldata/DisableDataMapFilter.h"
#include "paneldata/ForceDataMapFilter.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/PointIOForceStatusFilter.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const ChannelAddress Loop1(12, 1, 0);

QBitArray pointsAt(std::initializer_list<int> points, int size = 256)
{
    QBitArray bits(size);
    for (int p : points)
        bits.setBit(p);
    return bits;
}

// The map pages the engine registers at start, in their order.
const QList<int> StartPages{129, 130, 131, 132, 133, 134, 135, 136, 137, 138, 140, 141, 142, 143, 144, 145,
                            146, 149, 150, 13,  14,  15,  16,  23,  24,  25,  26,  32,  33,  34,  35};

} // namespace

class TestPointDataMaps final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void testPoint_andCounts();
    void absentMaps_answerEmpty();
    void laterArray_replacesChannel();
    void bitsBeyond256_areDropped();
    void panelsWithoutTable_data();
    void panelsWithoutTable();
    void clearPanel_oneAndAll();
    void unregisteredPage_isRegisteredBySetChannelPoints();
    void notifyMapUpdated();

    void filters_data();
    void filters();
    void filters_rejectBeforeAnyMap();
};

void TestPointDataMaps::initTestCase()
{
    for (int page : StartPages)
        PointDataMapsConfiguration::instance()->addMapPage(page);
}

void TestPointDataMaps::init()
{
    PointDataMapsConfiguration::instance()->clearPanel(0, 255);
}

void TestPointDataMaps::testPoint_andCounts()
{
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    const ChannelAddress loop2(12, 2, 0);
    maps->setChannelPoints(140, 3, Loop1, pointsAt({1, 5, 250}));
    maps->setChannelPoints(140, 3, loop2, pointsAt({7}));
    maps->setChannelPoints(140, 4, Loop1, pointsAt({2, 3}));

    QVERIFY(maps->testPoint(140, 3, Loop1, 5));
    QVERIFY(!maps->testPoint(140, 3, Loop1, 6));
    QVERIFY(maps->testPoint(140, 3, loop2, 7));
    QVERIFY(maps->testPointAddress(140, 3, 12, 0, 1, 250));
    QVERIFY(!maps->testPoint(141, 3, Loop1, 5));
    QCOMPARE(maps->channelPoints(140, 3, 12, 0, 1), pointsAt({1, 5, 250}));
    QCOMPARE(maps->channelPointsByKey(140, 3, loop2.key()), pointsAt({7}));
    QCOMPARE(maps->channelPointCount(140, 3, Loop1), 3);
    QCOMPARE(maps->pointCount(140), 6);
    QList<quint16> keys = maps->channelKeys(140, 3);
    std::sort(keys.begin(), keys.end());
    QCOMPARE(keys, (QList<quint16>{Loop1.key(), loop2.key()}));
}

void TestPointDataMaps::absentMaps_answerEmpty()
{
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    QVERIFY(!maps->testPoint(14, 2, Loop1, 1));
    QCOMPARE(maps->channelPoints(14, 2, 12, 0, 1), QBitArray(256));
    QCOMPARE(maps->channelPoints(99, 2, 12, 0, 1), QBitArray(256));
    QVERIFY(maps->channelKeys(14, 2).isEmpty());
    QCOMPARE(maps->channelPointCount(14, 2, Loop1), 0);
    QCOMPARE(maps->pointCount(14), 0);
    QCOMPARE(maps->pointCount(99), 0);
    QObject receiver;
    QVERIFY(!maps->connectMapUpdated(99, &receiver, [] {}));
}

void TestPointDataMaps::laterArray_replacesChannel()
{
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    maps->setChannelPoints(32, 1, Loop1, pointsAt({1, 2}));
    maps->setChannelPoints(32, 1, Loop1, pointsAt({3}));
    QCOMPARE(maps->channelPoints(32, 1, 12, 0, 1), pointsAt({3}));
    QCOMPARE(maps->pointCount(32), 1);
}

void TestPointDataMaps::bitsBeyond256_areDropped()
{
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    maps->setChannelPoints(33, 1, Loop1, pointsAt({255, 256, 300}, 320));
    QCOMPARE(maps->channelPoints(33, 1, 12, 0, 1).size(), 256);
    QCOMPARE(maps->channelPointCount(33, 1, Loop1), 1);
    maps->setChannelPoints(33, 1, Loop1, pointsAt({4}, 10));
    QCOMPARE(maps->channelPoints(33, 1, 12, 0, 1), pointsAt({4}));
}

void TestPointDataMaps::panelsWithoutTable_data()
{
    QTest::addColumn<quint8>("panel");
    QTest::newRow("100") << quint8(100);
    QTest::newRow("254") << quint8(254);
}

void TestPointDataMaps::panelsWithoutTable()
{
    QFETCH(quint8, panel);
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    maps->setChannelPoints(140, 99, Loop1, pointsAt({1}));
    maps->setChannelPoints(140, panel, Loop1, pointsAt({2}));
    QVERIFY(!maps->testPoint(140, panel, Loop1, 2));
    QCOMPARE(maps->channelPoints(140, panel, 12, 0, 1), QBitArray(256));
    QVERIFY(maps->channelKeys(140, panel).isEmpty());
    QCOMPARE(maps->pointCount(140), 1);
    maps->clearPanel(140, panel);
    QVERIFY(maps->testPoint(140, 99, Loop1, 1));
}

void TestPointDataMaps::clearPanel_oneAndAll()
{
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    for (int page : {140, 14}) {
        for (quint8 panel : {3, 30})
            maps->setChannelPoints(page, panel, Loop1, pointsAt({1}));
    }
    maps->clearPanel(140, 3);
    QVERIFY(!maps->testPoint(140, 3, Loop1, 1));
    QVERIFY(maps->testPoint(140, 30, Loop1, 1));
    QVERIFY(maps->testPoint(14, 3, Loop1, 1));

    maps->clearPanel(77, 255);
    QCOMPARE(maps->pointCount(140), 0);
    QCOMPARE(maps->pointCount(14), 0);
}

void TestPointDataMaps::unregisteredPage_isRegisteredBySetChannelPoints()
{
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    maps->setChannelPoints(60, 1, Loop1, pointsAt({9}));
    QVERIFY(maps->testPoint(60, 1, Loop1, 9));
    // All 32 places are taken now; a further page has no map.
    maps->setChannelPoints(61, 1, Loop1, pointsAt({9}));
    QVERIFY(!maps->testPoint(61, 1, Loop1, 9));
    QVERIFY(maps->testPoint(60, 1, Loop1, 9));
}

void TestPointDataMaps::notifyMapUpdated()
{
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    QObject receiver;
    int updates140 = 0;
    int updates141 = 0;
    QVERIFY(maps->connectMapUpdated(140, &receiver, [&] { ++updates140; }));
    QVERIFY(maps->connectMapUpdated(141, &receiver, [&] { ++updates141; }));
    maps->notifyMapUpdated(140);
    maps->notifyMapUpdated(140);
    maps->notifyMapUpdated(99);
    QCOMPARE(updates140, 2);
    QCOMPARE(updates141, 0);
}

void TestPointDataMaps::filters_data()
{
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<bool>("disable");
    QTest::addColumn<bool>("force");
    // Accepted by PointIOForceStatusFilter(1, selection) for selections 0-5,
    // and by the outputs filter (2, 0).
    QTest::addColumn<QString>("inputSelections");
    QTest::addColumn<bool>("outputs");

    QTest::newRow("14 and 145") << QList<int>{14, 145} << true << false << QStringLiteral("000000") << false;
    QTest::newRow("14 and 140") << QList<int>{14, 140} << true << false << QStringLiteral("000000") << true;
    QTest::newRow("140 only") << QList<int>{140} << false << true << QStringLiteral("000000") << true;
    QTest::newRow("14 only") << QList<int>{14} << false << false << QStringLiteral("000000") << false;
    QTest::newRow("141 only") << QList<int>{141} << false << false << QStringLiteral("000000") << true;
    QTest::newRow("137 only") << QList<int>{137} << false << false << QStringLiteral("111001") << false;
    QTest::newRow("142 only") << QList<int>{142} << false << false << QStringLiteral("101101") << false;
    QTest::newRow("143 only") << QList<int>{143} << false << false << QStringLiteral("101011") << false;
    QTest::newRow("138 only") << QList<int>{138} << false << false << QStringLiteral("101001") << false;
}

void TestPointDataMaps::filters()
{
    QFETCH(QList<int>, pages);
    QFETCH(bool, disable);
    QFETCH(bool, force);
    QFETCH(QString, inputSelections);
    QFETCH(bool, outputs);

    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    for (int page : pages)
        maps->setChannelPoints(page, 2, Loop1, pointsAt({17}));
    const PointAddressKey record(17, 1, 5, 0, 1, 17);
    const PointAddressKey other(18, 1, 5, 0, 1, 18);

    QCOMPARE(DisableDataMapFilter().accept(2, &Loop1, &record), disable);
    QCOMPARE(ForceDataMapFilter().accept(2, &Loop1, &record), force);
    for (int selection = 0; selection < inputSelections.size(); ++selection) {
        const bool expected = inputSelections.at(selection) == QLatin1Char('1');
        QVERIFY2(PointIOForceStatusFilter(1, selection).accept(2, &Loop1, &record) == expected,
                 qPrintable(QStringLiteral("selection %1").arg(selection)));
    }
    QCOMPARE(PointIOForceStatusFilter(2, 3).accept(2, &Loop1, &record), outputs);

    // Neither another point nor the same point of another panel passes.
    for (const SimplePointFilter *filter : std::initializer_list<const SimplePointFilter *>{
             new DisableDataMapFilter, new ForceDataMapFilter, new PointIOForceStatusFilter(1, 0),
             new PointIOForceStatusFilter(2, 0)}) {
        QVERIFY(!filter->accept(2, &Loop1, &other));
        QVERIFY(!filter->accept(3, &Loop1, &record));
        delete filter;
    }
}

void TestPointDataMaps::filters_rejectBeforeAnyMap()
{
    const PointAddressKey record(17, 1, 5, 0, 1, 17);
    QVERIFY(!DisableDataMapFilter().accept(2, &Loop1, &record));
    QVERIFY(!ForceDataMapFilter().accept(2, &Loop1, &record));
    for (int selection = 0; selection < 6; ++selection) {
        QVERIFY(!PointIOForceStatusFilter(1, selection).accept(2, &Loop1, &record));
        QVERIFY(!PointIOForceStatusFilter(2, selection).accept(2, &Loop1, &record));
    }
    QVERIFY(!ForceDataMapFilter().accept(2, nullptr, &record));
}

QTEST_GUILESS_MAIN(TestPointDataMaps)
#include "tst_pointdatamaps.moc"
