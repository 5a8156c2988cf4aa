#include "MessageCapture.h"
#include "PacketBytes.h"
#include "core/TeskGlobalConfig.h"
#include "link/SC_PointsIndividual.h"
#include "link/SC_PointsWildCard.h"
#include "paneldata/DataMapPages.h"
#include "paneldata/PointDataMapsConfiguration.h"

#include <QtTest>

namespace {

// Entries on loops, in header layout 1: channel kind 12, the loop, point.
SC_PointsIndividual pointsOnLoops(const QVector<int> &loops)
{
    SC_PointsIndividual points;
    points.setPanel(9);
    for (int i = 0; i < loops.size(); ++i)
        points.addPoint(12, quint8(loops.at(i)), 0, quint8(i % 250 + 1));
    return points;
}

struct Chunk
{
    int entries;
    int next;
    QByteArray bytes;
};

QVector<Chunk> chunks(const SC_PointsAddress &points)
{
    QVector<Chunk> all;
    int start = 0;
    do {
        Chunk chunk;
        chunk.next = points.loadByteArray(chunk.bytes, start);
        chunk.entries = chunk.bytes.size() > 2 ? quint8(chunk.bytes.at(2)) : 0;
        all << chunk;
        start = chunk.next;
    } while (start != 0 && all.size() < 100);
    return all;
}

} // namespace

class tst_PointLists final : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void individualChunks_data();
    void individualChunks();
    void chunkEntriesAreReversed();
    void channelsInLayout0AreNumerical();
    void emptyListWarnsAndWritesNothing();
    void loadingPastTheEndWarns();
    void byteLengthIsAnUpperBound();
    void flaggedPoints_data();
    void flaggedPoints();

    void wildCard_data();
    void wildCard();
    void wildCardKeepsAtMost241Offsets();
};

void tst_PointLists::init()
{
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
}

void tst_PointLists::individualChunks_data()
{
    QTest::addColumn<QVector<int>>("loops");
    QTest::addColumn<QVector<int>>("expectedEntries");

    QTest::newRow("600 on one loop") << QVector<int>(600, 1) << QVector<int>{255, 255, 90};
    QTest::newRow("300 on one loop") << QVector<int>(300, 1) << QVector<int>{255, 45};
    QTest::newRow("exactly 255") << QVector<int>(255, 1) << QVector<int>{255};
    QTest::newRow("one") << QVector<int>{4} << QVector<int>{1};
    QVector<int> thirtyLoops;
    for (int loop = 1; loop <= 30; ++loop)
        thirtyLoops << loop;
    QTest::newRow("30 channels") << thirtyLoops << QVector<int>{20, 10};
    // Entries 0-18 on 19 loops, entry 19 on a twentieth, then loops met.
    QVector<int> twentieth = thirtyLoops.mid(0, 20);
    twentieth << 1 << 2 << 3 << 4 << 5;
    QTest::newRow("twentieth channel closes the chunk") << twentieth << QVector<int>{20, 5};
    // Twenty channels met again and again never close a chunk early.
    QVector<int> cycling;
    for (int i = 0; i < 300; ++i)
        cycling << i % 19 + 1;
    QTest::newRow("19 channels cycling") << cycling << QVector<int>{255, 45};
}

void tst_PointLists::individualChunks()
{
    QFETCH(QVector<int>, loops);
    QFETCH(QVector<int>, expectedEntries);
    const SC_PointsIndividual points = pointsOnLoops(loops);
    const QVector<Chunk> all = chunks(points);
    QVector<int> entries;
    int start = 0;
    for (const Chunk &chunk : all) {
        entries << chunk.entries;
        QCOMPARE(chunk.bytes.size(), 3 + 3 * chunk.entries);
        QCOMPARE(quint8(chunk.bytes.at(0)), quint8(0));
        QCOMPARE(quint8(chunk.bytes.at(1)), quint8(9));
        start += chunk.entries;
        QCOMPARE(chunk.next, start == loops.size() ? 0 : start);
    }
    QCOMPARE(entries, expectedEntries);
}

void tst_PointLists::chunkEntriesAreReversed()
{
    SC_PointsIndividual points;
    points.setPanel(2);
    points.addPoint(12, 1, 0, 0xA);
    points.addPoint(12, 1, 0, 0xB);
    points.addPoint(12, 3, 0, 0xC);
    QByteArray bytes;
    QCOMPARE(points.loadByteArray(bytes, 0), 0);
    QCOMPARE(bytes, hex("00 02 03 0c 03 0c 0c 01 0b 0c 01 0a"));

    // A chunk from an index carries the entries from there on.
    bytes.clear();
    QCOMPARE(points.loadByteArray(bytes, 1), 0);
    QCOMPARE(bytes, hex("00 02 02 0c 03 0c 0c 01 0b"));
}

void tst_PointLists::channelsInLayout0AreNumerical()
{
    TeskGlobalConfig::instance()->setPacketHeaderLayout(0);
    SC_PointsIndividual points;
    points.addPoint(12, 4, 0, 7); // loop 4: numerical 4
    points.addPoint(14, 2, 1, 8); // numerical 11, number 1
    // The form is fixed when the point is added.
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    points.addPoint(12, 4, 0, 9);
    QByteArray bytes;
    points.loadByteArray(bytes, 0);
    QCOMPARE(bytes, hex("00 00 03 0c 04 09 10 0b 08 00 04 07"));
}

void tst_PointLists::emptyListWarnsAndWritesNothing()
{
    MessageCapture messages;
    SC_PointsIndividual points;
    QByteArray bytes;
    QCOMPARE(points.loadByteArray(bytes, 0), 0);
    QVERIFY(bytes.isEmpty());
    QCOMPARE(messages.warnings(),
             QStringList{QStringLiteral("SC_PointsIndividual::loadByteArray:78 attempt to load past end of list")});
}

void tst_PointLists::loadingPastTheEndWarns()
{
    MessageCapture messages;
    const SC_PointsIndividual points = pointsOnLoops({1, 1});
    QByteArray bytes("x");
    QCOMPARE(points.loadByteArray(bytes, 2), 0);
    QCOMPARE(points.loadByteArray(bytes, -1), 0);
    QCOMPARE(bytes, QByteArray("x"));
    QCOMPARE(messages.warnings().size(), 2);
}

void tst_PointLists::byteLengthIsAnUpperBound()
{
    const SC_PointsIndividual points = pointsOnLoops(QVector<int>(300, 1));
    QCOMPARE(points.byteLength(0), 255 * 3 + 3);
    QCOMPARE(points.byteLength(255), 45 * 3 + 3);
    // Past the end the count wraps as an unsigned 16-bit value.
    QCOMPARE(points.byteLength(301), 255 * 3 + 3);
}

void tst_PointLists::flaggedPoints_data()
{
    QTest::addColumn<QVector<int>>("disabled");
    QTest::addColumn<QVector<int>>("forced");
    QTest::addColumn<QVector<int>>("disabledForced");
    QTest::addColumn<bool>("flagged");
    QTest::addColumn<int>("layout");

    // The list names points 3 and 4 of loop 2 on panel 9; in header layout
    // 0 its entries hold the loop as a numerical channel.
    for (int layout : {600, 0}) {
        const auto row = [layout](const char *name) -> QTestData & {
            return QTest::addRow("%s, layout %d", name, layout ? 1 : 0);
        };
        row("disabled and forced") << QVector<int>{4} << QVector<int>{4} << QVector<int>{} << true << layout;
        row("disabled, forced while disabled")
            << QVector<int>{3} << QVector<int>{} << QVector<int>{3} << true << layout;
        row("disabled only") << QVector<int>{3, 4} << QVector<int>{} << QVector<int>{} << false << layout;
        row("forced only") << QVector<int>{} << QVector<int>{3} << QVector<int>{3} << false << layout;
        row("another point") << QVector<int>{5} << QVector<int>{5} << QVector<int>{} << false << layout;
    }
}

void tst_PointLists::flaggedPoints()
{
    QFETCH(QVector<int>, disabled);
    QFETCH(QVector<int>, forced);
    QFETCH(QVector<int>, disabledForced);
    QFETCH(bool, flagged);
    QFETCH(int, layout);
    TeskGlobalConfig::instance()->setPacketHeaderLayout(layout);
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    const ChannelAddress loop2(12, 2, 0);
    const auto map = [](const QVector<int> &points) {
        QBitArray bits(256);
        for (const int point : points)
            bits.setBit(point);
        return bits;
    };
    const std::pair<int, QVector<int>> pages[] = {{DataMapPages::Disabled, disabled},
                                                  {DataMapPages::Forced, forced},
                                                  {DataMapPages::DisabledForced, disabledForced}};
    for (const auto &[page, points] : pages) {
        maps->addMapPage(page);
        maps->setChannelPoints(page, 9, loop2, map(points));
    }
    SC_PointsIndividual list;
    list.setPanel(9);
    list.addPoint(12, 2, 0, 3);
    list.addPoint(12, 2, 0, 4);
    QCOMPARE(list.containsFlaggedPoint(), flagged);
    QVERIFY(!SC_PointsIndividual().containsFlaggedPoint());
}

void tst_PointLists::wildCard_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("selector");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("expectedLength");

    QTest::newRow("no mapping, layout 1") << 1 << 255 << hex("03 05 fc ff 01 7f 02 03 ff") << 14;
    QTest::newRow("no mapping, layout 0") << 0 << 255 << hex("03 05 f0 1e 01 7f 02 03 ff") << 14;
    QTest::newRow("mapped") << 1 << 252 << hex("03 05 fc ff 01 7f 02 03 fc 04 f1 0a 0b 0c") << 17;
}

void tst_PointLists::wildCard()
{
    QFETCH(int, layout);
    QFETCH(int, selector);
    QFETCH(QByteArray, expected);
    QFETCH(int, expectedLength);
    TeskGlobalConfig::instance()->setPacketHeaderLayout(layout == 1 ? 600 : 0);
    // Pattern bytes wider than a byte are written as their low byte.
    SC_PointsWildCard scope(5, 12, 255, 15, 0x101, 127, 2, 3, quint32(selector), 4, 99);
    if (selector == 252) {
        for (const quint8 offset : {0x0a, 0x0b, 0x0c})
            scope.addMappingOffset(offset);
    }
    QByteArray bytes;
    QCOMPARE(scope.loadByteArray(bytes, 7), 0);
    QCOMPARE(bytes.toHex(' '), expected.toHex(' '));
    QCOMPARE(scope.byteLength(0), expectedLength);

    // A copy writes the same.
    const SC_PointsWildCard copy(scope);
    QByteArray copied;
    copy.loadByteArray(copied, 0);
    QCOMPARE(copied, bytes);
}

void tst_PointLists::wildCardKeepsAtMost241Offsets()
{
    MessageCapture messages;
    SC_PointsWildCard scope(1, 12, 255, 15, 255, 127, 0, 0, 252, 0, 0);
    for (int i = 0; i < 242; ++i)
        scope.addMappingOffset(quint8(i));
    QCOMPARE(scope.count(), 241);
    QCOMPARE(scope.mappingOffsets().last(), quint8(240));
    QCOMPARE(messages.warnings(),
             QStringList{QStringLiteral("SC_PointsWildCard::addMappingOffset:105 Trying to add too many zones!")});
}

QTEST_MAIN(tst_PointLists)
#include "tst_pointlists.moc"
