#include "ConfigurationPageBench.h"
#include "MessageCapture.h"
#include "core/BucketMaster.h"
#include "link/SyncClient.h"
#include "paneldata/PointDataMapsConfiguration.h"

#include <QtTest>

#include <memory>

namespace {

const ChannelAddress Loop1(12, 1, 0);
const ChannelAddress Loop2(12, 2, 0);

QList<int> pointsOf(int page, quint8 panel, const ChannelAddress &channel)
{
    QList<int> set;
    const QBitArray bits = PointDataMapsConfiguration::instance()->channelPoints(page, panel, channel.kind(),
                                                                                 channel.number(), channel.address());
    for (int i = 0; i < bits.size(); ++i) {
        if (bits.testBit(i))
            set << i;
    }
    return set;
}

} // namespace

class TestPointMapPages final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyMapPageIsRegisteredInOrder();
    void npPage_partsReplaceThenExtend();
    void records_data();
    void records();
    void layout0_convertsChannel();
    void panelsWithoutTable();
    void truncated_changesNothing();
    void walkTestPages_data();
    void walkTestPages();

    void forcedCounts();
    void zoneMap_data();
    void zoneMap();

private:
    std::unique_ptr<ConfigurationPageBench> m_pages;
};

void TestPointMapPages::init()
{
    m_pages = std::make_unique<ConfigurationPageBench>();
    PointDataMapsConfiguration::instance()->clearPanel(0, 255);
}

void TestPointMapPages::cleanup()
{
    m_pages.reset();
}

// Each of the 31 map pages reaches its map; page 20 is a zone map, not a
// point map.
void TestPointMapPages::everyMapPageIsRegisteredInOrder()
{
    const QList<int> pages{129, 130, 131, 132, 133, 134, 135, 136, 137, 138, 140, 141, 142, 143, 144, 145,
                           146, 149, 150, 13,  14,  15,  16,  23,  24,  25,  26,  32,  33,  34,  35};
    for (int page : pages) {
        QCOMPARE(m_pages->receive(page, 1, 0, hex("0001 0c 01 00 08 01")), 0);
        QVERIFY2(PointDataMapsConfiguration::instance()->testPoint(page, 1, Loop1, 0),
                 qPrintable(QString::number(page)));
    }
    QCOMPARE(m_pages->receive(139, 1, 0, hex("0000 0000")), 0);
    QCOMPARE(PointDataMapsConfiguration::instance()->pointCount(139), 0);
    QCOMPARE(PointDataMapsConfiguration::instance()->pointCount(20), 0);
}

void TestPointMapPages::npPage_partsReplaceThenExtend()
{
    BucketMaster::instance()->setValue(140, QStringLiteral("3|old"), QStringLiteral("1"));
    BucketMaster::instance()->setValue(140, QStringLiteral("30|other"), QStringLiteral("1"));
    QObject receiver;
    int updates = 0;
    PointDataMapsConfiguration::instance()->connectMapUpdated(140, &receiver, [&] { ++updates; });

    m_pages->receive(140, 3, 0, hex("0001 0c 01 00 08 ff"));
    m_pages->receive(140, 3, 0, hex("0001 0c 02 01 03 05"));
    QVERIFY(pointsOf(140, 3, Loop1).isEmpty());
    QCOMPARE(pointsOf(140, 3, Loop2), (QList<int>{1, 3}));
    m_pages->receive(140, 3, 1, hex("0001 0c 01 0a 01 01"));
    QCOMPARE(pointsOf(140, 3, Loop1), QList<int>{10});
    QCOMPARE(pointsOf(140, 3, Loop2), (QList<int>{1, 3}));
    QCOMPARE(updates, 3);
    QCOMPARE(m_pages->bench().bucket(140), QStringList{QStringLiteral("30|other=1")});
}

void TestPointMapPages::records_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QList<int>>("loop1");
    QTest::addColumn<QList<int>>("loop2");

    QTest::newRow("count 256 reads no record") << 140 << hex("0100 0c 01 00 08 ff") << QList<int>{} << QList<int>{};
    QTest::newRow("np: first 250 count 2 is the last record read")
        << 140 << hex("0002 0c 01 fa 02 03  0c 02 00 01 01") << QList<int>{250, 251} << QList<int>{};
    QTest::newRow("np: count 0 is the last record read")
        << 140 << hex("0002 0c 01 05 00  0c 02 00 01 01") << QList<int>{} << QList<int>{};
    QTest::newRow("p: every record read")
        << 14 << hex("0002 0c 01 fa 02 03  0c 02 00 01 01") << QList<int>{250, 251} << QList<int>{0};
    QTest::newRow("nothing beyond the 256 points") << 14 << hex("0002 0c 01 fa 10 ff ff  0c 02 07 01 01")
                                                   << QList<int>{250, 251, 252, 253, 254, 255} << QList<int>{7};
}

void TestPointMapPages::records()
{
    QFETCH(int, page);
    QFETCH(QByteArray, body);
    QFETCH(QList<int>, loop1);
    QFETCH(QList<int>, loop2);

    QCOMPARE(m_pages->receive(page, 4, 0, body), 0);
    QCOMPARE(pointsOf(page, 4, Loop1), loop1);
    QCOMPARE(pointsOf(page, 4, Loop2), loop2);
    QCOMPARE(PointDataMapsConfiguration::instance()->pointCount(page), loop1.size() + loop2.size());
}

void TestPointMapPages::layout0_convertsChannel()
{
    m_pages->receive(14, 5, 0, hex("0002 00 0b 01 01 01  10 03 02 01 01"), 0);
    QCOMPARE(pointsOf(14, 5, ChannelAddress(14, 2, 0)), QList<int>{1});
    QCOMPARE(pointsOf(14, 5, ChannelAddress(12, 3, 1)), QList<int>{2});
    m_pages->receive(14, 5, 0, hex("0001 00 0b 01 01 01"), 1);
    QCOMPARE(pointsOf(14, 5, ChannelAddress(0, 11, 0)), QList<int>{1});
}

void TestPointMapPages::panelsWithoutTable()
{
    m_pages->receive(140, 99, 0, hex("0001 0c 01 01 01 01"));
    BucketMaster::instance()->setValue(140, QStringLiteral("100|old"), QStringLiteral("1"));
    MessageCapture capture;
    for (int panel : {100, 254, 255})
        QCOMPARE(m_pages->receive(140, panel, 0, hex("0001 0c 01 02 01 01")), 0);
    QVERIFY(capture.contains(QStringLiteral("is not for this engine; acknowledged, nothing stored")));
    QVERIFY(capture.warnings().isEmpty());
    QCOMPARE(PointDataMapsConfiguration::instance()->pointCount(140), 1);
    QVERIFY(m_pages->bench().bucket(140).contains(QStringLiteral("100|old=1")));
}

void TestPointMapPages::truncated_changesNothing()
{
    m_pages->receive(32, 2, 0, hex("0001 0c 01 01 01 01"));
    m_pages->receiveCuts(32, 2, 0, hex("0002 0c 01 00 10 ff ff  0c 02 00 08 0f"));
    QCOMPARE(pointsOf(32, 2, Loop1), QList<int>{1});
    QVERIFY(pointsOf(32, 2, Loop2).isEmpty());
}

void TestPointMapPages::walkTestPages_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("notices");

    const QStringList walkTestFirst{QStringLiteral("walkTest"), QStringLiteral("map")};
    QTest::newRow("23") << 23 << walkTestFirst;
    QTest::newRow("24") << 24 << walkTestFirst;
    QTest::newRow("25") << 25 << walkTestFirst;
    QTest::newRow("26") << 26 << QStringList{QStringLiteral("map")};
    QTest::newRow("13") << 13 << QStringList{QStringLiteral("map")};
    QTest::newRow("140") << 140 << QStringList{QStringLiteral("map")};
}

// The walk-test banner and summary read pages 23 to 25, so they must hear of
// each part before the map's own readers do.
void TestPointMapPages::walkTestPages()
{
    QFETCH(int, page);
    QFETCH(QStringList, notices);

    QStringList heard;
    QObject receiver;
    connect(SyncClient::instance(), &SyncClient::walkTestUpdatedReceived, &receiver,
            [&heard] { heard << QStringLiteral("walkTest"); });
    QVERIFY(PointDataMapsConfiguration::instance()->connectMapUpdated(page, &receiver,
                                                                      [&heard] { heard << QStringLiteral("map"); }));
    QCOMPARE(m_pages->receive(page, 1, 0, hex("0001 0c 01 00 08 01")), 0);
    QCOMPARE(heard, notices);
}

void TestPointMapPages::forcedCounts()
{
    QCOMPARE(m_pages->receive(139, 2, 0, hex("0003 0005")), 0);
    QCOMPARE(m_pages->bench().value(139, QStringLiteral("2|forcedInputs")), QStringLiteral("3"));
    QCOMPARE(m_pages->bench().value(139, QStringLiteral("2|forcedOutputs")), QStringLiteral("5"));

    QCOMPARE(m_pages->receive(139, 2, 0, hex("0007 00")), 1);
    QCOMPARE(m_pages->bench().value(139, QStringLiteral("2|forcedInputs")), QStringLiteral("3"));
}

void TestPointMapPages::zoneMap_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QList<int>>("zones");
    QTest::addColumn<bool>("written");

    QTest::newRow("zones 0 and 2") << 20 << hex("00 10 05 00") << QList<int>{0, 2} << true;
    QTest::newRow("zone 240") << 21 << hex("f0 01 01") << QList<int>{240} << true;
    QTest::newRow("first 240, two zones") << 21 << hex("f0 02 03") << QList<int>{} << false;
    QTest::newRow("short") << 20 << hex("00 10 05") << QList<int>{} << false;
}

void TestPointMapPages::zoneMap()
{
    QFETCH(int, page);
    QFETCH(QByteArray, body);
    QFETCH(QList<int>, zones);
    QFETCH(bool, written);

    QCOMPARE(m_pages->receive(page, 6, 0, body), written ? 0 : 1);
    const QString value = m_pages->bench().value(page, QStringLiteral("6"));
    if (!written) {
        QVERIFY(value.isEmpty());
        return;
    }
    QString expected(241, QLatin1Char('0'));
    for (int zone : zones)
        expected[zone] = QLatin1Char('1');
    QCOMPARE(value, expected);
}

QTEST_GUILESS_MAIN(TestPointMapPages)
#include "tst_pointmappages.moc"
