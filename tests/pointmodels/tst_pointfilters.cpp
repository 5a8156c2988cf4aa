#include "MessageCapture.h"
#include "ScriptedSite.h"
#include "app/Security.h"
#include "core/BucketKeys.h"
#include "pointmodels/DevAttrCfgFilter.h"
#include "pointmodels/DevicesIDCfgFilter.h"
#include "pointmodels/LoopCfgFilter.h"
#include "pointmodels/LoopNotDisabledFilter.h"
#include "pointmodels/PeripheralAddrCfgFilter.h"
#include "pointmodels/PointCategoryFilter.h"
#include "pointmodels/PointCfgFilter.h"
#include "pointmodels/PointFunctionCfgFilter.h"
#include "pointmodels/RealPhysicalPointFilter.h"
#include "pointmodels/RealPointFilter.h"
#include "pointmodels/SummaryFunctionFilter.h"
#include "pointmodels/ZoneCfgFilter.h"

#include <QTemporaryDir>
#include <QtTest>

using Filter = QSharedPointer<SimplePointFilter>;
Q_DECLARE_METATYPE(Filter)
Q_DECLARE_METATYPE(ChannelAddress)
Q_DECLARE_METATYPE(PointAddressKey)

namespace {

constexpr int CommissioningBucket = 27;

// Answers as told and counts the questions.
class ScriptedFilter final : public SimplePointFilter
{
public:
    explicit ScriptedFilter(bool answer)
        : m_answer(answer)
    {
    }
    bool accept(TC::panel_t, const ChannelAddress *, const PointAddressKey *) const override
    {
        ++asked;
        return m_answer;
    }
    mutable int asked = 0;

private:
    bool m_answer;
};

template <typename F, typename... Args> Filter make(Args &&...args)
{
    return Filter(new F(std::forward<Args>(args)...));
}

PointAddressKey record(quint8 point, quint8 zone = 1, quint8 deviceType = 5, quint8 attributes = 0x02,
                       quint32 functions = 0x01)
{
    return ScriptedSite::record(point, zone, deviceType, attributes, functions);
}

void row(const char *name, const Filter &filter, const ChannelAddress &channel, const PointAddressKey &point,
         bool accepted)
{
    QTest::newRow(name) << filter << channel << point << accepted;
}

const ChannelAddress Loop3(12, 3, 0);

} // namespace

class TestPointFilters final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void acceptRules_data();
    void acceptRules();
    void categoryMask_data();
    void categoryMask();
    void functionFilter_allowedSet_data();
    void functionFilter_allowedSet();
    void loopNotDisabled_followsShutdownRecord_data();
    void loopNotDisabled_followsShutdownRecord();

    void chain_stopsAtFirstRefusal();
    void chain_ofOneFilter_isThatFilter();
    void chainOf_linksInTheGivenOrder();
    void setNext_refusesLoops_data();
    void setNext_refusesLoops();
    void setNext_replacesSuccessor();
    void acceptsAll_withoutPoint_refuses();

private:
    QTemporaryDir m_dataDirectory;
};

void TestPointFilters::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dataDirectory.path()));
}

void TestPointFilters::init()
{
    ScriptedSite::reset();
}

void TestPointFilters::acceptRules_data()
{
    QTest::addColumn<Filter>("filter");
    QTest::addColumn<ChannelAddress>("channel");
    QTest::addColumn<PointAddressKey>("point");
    QTest::addColumn<bool>("accepted");

    const Filter allLoops = make<LoopCfgFilter>(quint8(255), false);
    const Filter allLoopsAnd0 = make<LoopCfgFilter>(quint8(255), true);
    const Filter loop5 = make<LoopCfgFilter>(quint8(5), false);
    const Filter loop5And0 = make<LoopCfgFilter>(quint8(5), true);
    row("loop all: address 0", allLoops, ChannelAddress(12, 0, 0), record(1), false);
    row("loop all: address 1", allLoops, ChannelAddress(12, 1, 0), record(1), true);
    row("loop all: address 32", allLoops, ChannelAddress(12, 32, 0), record(1), true);
    row("loop all: address 33", allLoops, ChannelAddress(12, 33, 0), record(1), false);
    row("loop all: kind 0", allLoops, ChannelAddress(0, 7, 0), record(1), true);
    row("loop all: kind 13", allLoops, ChannelAddress(13, 7, 0), record(1), false);
    row("loop all: number 1", allLoops, ChannelAddress(12, 7, 1), record(1), false);
    row("loop all and 0: address 0", allLoopsAnd0, ChannelAddress(12, 0, 0), record(1), true);
    row("loop all and 0: address 33", allLoopsAnd0, ChannelAddress(12, 33, 0), record(1), false);
    row("loop 5: loop 5", loop5, ChannelAddress(12, 5, 0), record(1), true);
    row("loop 5: loop 6", loop5, ChannelAddress(12, 6, 0), record(1), false);
    row("loop 5: number 2", loop5, ChannelAddress(12, 5, 2), record(1), false);
    row("loop 5 and 0: address 0", loop5And0, ChannelAddress(12, 0, 0), record(1), false);

    const Filter anyZone = make<ZoneCfgFilter>(QList<quint8>());
    const Filter zone3 = make<ZoneCfgFilter>(QList<quint8>{3});
    const Filter zones1And3 = make<ZoneCfgFilter>(QList<quint8>{1, 3});
    row("zone none listed: zone 254", anyZone, Loop3, record(1, 254), true);
    row("zone 3: zone 3", zone3, Loop3, record(1, 3), true);
    row("zone 3: zone 254", zone3, Loop3, record(1, 254), false);
    row("zones 1 3: zone 1", zones1And3, Loop3, record(1, 1), true);
    row("zones 1 3: zone 2", zones1And3, Loop3, record(1, 2), false);

    const Filter channel = make<PeripheralAddrCfgFilter>(quint8(12), quint8(0), quint8(3));
    row("channel: same", channel, ChannelAddress(12, 3, 0), record(9), true);
    row("channel: other address", channel, ChannelAddress(12, 4, 0), record(9), false);
    row("channel: other number", channel, ChannelAddress(12, 3, 1), record(9), false);
    row("channel: other kind", channel, ChannelAddress(0, 3, 0), record(9), false);

    const Filter point17 = make<PointCfgFilter>(quint8(12), quint8(0), quint8(17));
    row("point: same, any address", point17, ChannelAddress(12, 30, 0), record(17), true);
    row("point: other point", point17, ChannelAddress(12, 3, 0), record(18), false);
    row("point: other number", point17, ChannelAddress(12, 3, 1), record(17), false);
    row("point: other kind", point17, ChannelAddress(0, 3, 0), record(17), false);

    const Filter outputs = make<DevAttrCfgFilter>(quint8(0x04));
    row("attributes: output", outputs, Loop3, record(1, 1, 5, 0x06), true);
    row("attributes: input only", outputs, Loop3, record(1, 1, 5, 0x02), false);

    QBitArray types(10);
    types.setBit(5);
    const Filter type5 = make<DevicesIDCfgFilter>(types);
    row("device types: set", type5, Loop3, record(1, 1, 5), true);
    row("device types: clear", type5, Loop3, record(1, 1, 4), false);
    row("device types: past the array", type5, Loop3, record(1, 1, 200), false);

    const Filter physical = make<RealPhysicalPointFilter>();
    row("physical: 0x08", physical, Loop3, record(1, 1, 5, 0x08), false);
    row("physical: 0x0A", physical, Loop3, record(1, 1, 5, 0x0A), false);
    row("physical: 0x18", physical, Loop3, record(1, 1, 5, 0x18), true);
    row("physical: 0x10", physical, Loop3, record(1, 1, 5, 0x10), true);
    row("physical: 0x00", physical, Loop3, record(1, 1, 5, 0x00), true);

    const Filter real = make<RealPointFilter>();
    row("real: kind 0", real, ChannelAddress(0, 1, 0), record(1), true);
    row("real: kind 12", real, ChannelAddress(12, 1, 0), record(1), true);
    row("real: kind 12 number 1", real, ChannelAddress(12, 1, 1), record(1), false);
    row("real: kind 5", real, ChannelAddress(5, 1, 0), record(1), false);

    const Filter summary80 = make<SummaryFunctionFilter>(0x80);
    const Filter summary100 = make<SummaryFunctionFilter>(0x100);
    const Filter sounders = make<SummaryFunctionFilter>(0x08);
    row("summary 0x80: any channel", summary80, ChannelAddress(5, 2, 3), record(1, 1, 5, 0, 0x81), true);
    row("summary 0x80: other function", summary80, Loop3, record(1, 1, 5, 0x04, 0x08), false);
    row("summary 0x100: any channel", summary100, ChannelAddress(6, 0, 0), record(1, 1, 5, 0, 0x100), true);
    row("summary 0x08: loop output", sounders, ChannelAddress(12, 3, 0), record(1, 1, 5, 0x04, 0x08), true);
    row("summary 0x08: kind 0 number 2", sounders, ChannelAddress(0, 3, 2), record(1, 1, 5, 0x04, 0x08), true);
    row("summary 0x08: number 1", sounders, ChannelAddress(12, 3, 1), record(1, 1, 5, 0x04, 0x08), false);
    row("summary 0x08: not an output", sounders, Loop3, record(1, 1, 5, 0x02, 0x08), false);
    row("summary 0x08: kind 5", sounders, ChannelAddress(5, 3, 0), record(1, 1, 5, 0x04, 0x08), false);
    row("summary 0x08: no such function", sounders, Loop3, record(1, 1, 5, 0x04, 0x01), false);

    const auto byFunction = [](int mask, bool outputsOnly, quint8 mode) {
        return make<PointFunctionCfgFilter>(mask, outputsOnly, mode, false);
    };
    const Filter detectors = byFunction(0x01, false, 0);
    const Filter bit31 = byFunction(int(0x80000000u), false, 0);
    const Filter inputs = byFunction(0x10000, false, 0);
    const Filter outputPoints = byFunction(0x20000, false, 0);
    const Filter noAlarmInputs = byFunction(0x04, false, 1);
    const Filter inputsNoAlarmInputs = byFunction(0x10004, false, 1);
    const Filter outputsNoAlarmInputs = byFunction(0x20004, false, 1);
    const Filter sounderOutputs = byFunction(0x08, true, 0);
    const Filter function80Outputs = byFunction(0x80, true, 0);
    row("function: match", detectors, Loop3, record(1, 1, 5, 0, 0x03), true);
    row("function: no match", detectors, Loop3, record(1, 1, 5, 0x02, 0x02), false);
    row("function: bit 31 is no match", bit31, Loop3, record(1, 1, 5, 0, 0x80000000u), false);
    row("function: inputs, no functions", inputs, Loop3, record(1, 1, 5, 0x02, 0), true);
    row("function: inputs, not an input", inputs, Loop3, record(1, 1, 5, 0x04, 0), false);
    row("function: outputs, output point", outputPoints, Loop3, record(1, 1, 5, 0x04, 0), true);
    row("function: outputs, input point", outputPoints, Loop3, record(1, 1, 5, 0x02, 0), false);
    row("function: mode 1, alarm input", noAlarmInputs, Loop3, record(1, 1, 5, 0, 0x04), false);
    row("function: mode 1, input with alarm function", inputsNoAlarmInputs, Loop3, record(1, 1, 5, 0x02, 0x04), false);
    row("function: mode 1, input without it", inputsNoAlarmInputs, Loop3, record(1, 1, 5, 0x02, 0x01), true);
    row("function: mode 1, output with alarm function", outputsNoAlarmInputs, Loop3, record(1, 1, 5, 0x04, 0x04), true);
    row("function: outputs only, output point", sounderOutputs, Loop3, record(1, 1, 5, 0x04, 0x08), true);
    row("function: outputs only, input point", sounderOutputs, Loop3, record(1, 1, 5, 0x02, 0x08), false);
    row("function: outputs only, function 0x80", function80Outputs, Loop3, record(1, 1, 5, 0, 0x80), true);
    row("function: outputs only, 0x88 not an output", sounderOutputs, Loop3, record(1, 1, 5, 0, 0x88), false);

    const Filter inService = make<LoopNotDisabledFilter>();
    row("loop in service: loop 3", inService, Loop3, record(1), true);
    row("loop in service: address 0", inService, ChannelAddress(12, 0, 0), record(1), false);
    row("loop in service: address 40", inService, ChannelAddress(12, 40, 0), record(1), false);
    row("loop in service: kind 5", inService, ChannelAddress(5, 0, 0), record(1), true);
    row("loop in service: kind 0", inService, ChannelAddress(0, 0, 0), record(1), true);
}

void TestPointFilters::acceptRules()
{
    QFETCH(Filter, filter);
    QFETCH(ChannelAddress, channel);
    QFETCH(PointAddressKey, point);
    QFETCH(bool, accepted);
    QCOMPARE(filter->accept(7, &channel, &point), accepted);
    QCOMPARE(filter->acceptsAll(7, &channel, &point), accepted);
}

void TestPointFilters::categoryMask_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<bool>("include");
    QTest::addColumn<int>("mask");
    QTest::newRow("include all") << QList<int>{255} << true << 0xFFFF;
    QTest::newRow("exclude all") << QList<int>{255} << false << 0x0000;
    QTest::newRow("255 wins over the rest") << QList<int>{3, 255} << false << 0x0000;
    QTest::newRow("exclude 6 and 1") << QList<int>{6, 1} << false << 0xFFBD;
    QTest::newRow("include 2") << QList<int>{2} << true << 0x0004;
    QTest::newRow("254 shares bit 8") << QList<int>{254} << true << 0x0100;
    QTest::newRow("nothing listed, include") << QList<int>{} << true << 0x0000;
    QTest::newRow("out of range ignored") << QList<int>{16, -1, 3} << true << 0x0008;
}

void TestPointFilters::categoryMask()
{
    QFETCH(QList<int>, values);
    QFETCH(bool, include);
    QFETCH(int, mask);
    const PointCategoryFilter filter(values, include);
    QCOMPARE(int(filter.mask()), mask);
    const PointAddressKey point = record(1);
    for (quint8 number = 0; number < 16; ++number) {
        const ChannelAddress channel(12, 1, number);
        QCOMPARE(filter.accept(0, &channel, &point), bool(mask & (1 << number)));
    }
}

void TestPointFilters::functionFilter_allowedSet_data()
{
    QTest::addColumn<int>("userLevel");
    QTest::addColumn<bool>("ignoreAllowedSet");
    QTest::addColumn<quint32>("functions");
    QTest::addColumn<quint8>("attributes");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("allowed, level held") << 5 << false << 0x01u << quint8(0) << true;
    QTest::newRow("allowed, higher level") << 9 << false << 0x01u << quint8(0) << true;
    QTest::newRow("allowed, level not held") << 3 << false << 0x01u << quint8(0) << false;
    QTest::newRow("allowed, nobody logged on") << 0 << false << 0x01u << quint8(0) << false;
    QTest::newRow("matching but not allowed") << 9 << false << 0x02u << quint8(0) << false;
    QTest::newRow("two functions, not one allowed") << 9 << false << 0x03u << quint8(0) << false;
    QTest::newRow("no match: input through the mask") << 0 << false << 0x10u << quint8(0x02) << true;
    QTest::newRow("set ignored") << 0 << true << 0x02u << quint8(0) << true;
}

void TestPointFilters::functionFilter_allowedSet()
{
    QFETCH(int, userLevel);
    QFETCH(bool, ignoreAllowedSet);
    QFETCH(quint32, functions);
    QFETCH(quint8, attributes);
    QFETCH(bool, accepted);
    Security *security = Security::instance();
    security->permissionsUpdate(userLevel > 0 ? 1 : Security::NoUser, quint8(userLevel));
    PointFunctionCfgFilter filter(0x1000F, false, 0, ignoreAllowedSet);
    filter.setAllowedFunctions({0x01}, 5);
    const PointAddressKey point = record(1, 1, 5, attributes, functions);
    QCOMPARE(filter.accept(1, &Loop3, &point), accepted);

    // An empty set lifts the limit again.
    filter.setAllowedFunctions({}, 5);
    const bool open = (functions & 0x0F) || (attributes & 0x02);
    QCOMPARE(filter.accept(1, &Loop3, &point), open);
    security->permissionsUpdate(Security::NoUser, 0);
}

void TestPointFilters::loopNotDisabled_followsShutdownRecord_data()
{
    QTest::addColumn<quint8>("loop");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("loop 1 shut down") << quint8(1) << false;
    QTest::newRow("loop 2 shut down") << quint8(2) << false;
    QTest::newRow("loop 3 in service") << quint8(3) << true;
    QTest::newRow("loop 40") << quint8(40) << false;
}

void TestPointFilters::loopNotDisabled_followsShutdownRecord()
{
    QFETCH(quint8, loop);
    QFETCH(bool, accepted);
    ScriptedSite::setValue(CommissioningBucket, BucketKeys::panelKey(4, BucketKeys::loopShtDwn), "0110");
    const LoopNotDisabledFilter filter;
    const ChannelAddress channel(12, loop, 0);
    const PointAddressKey point = record(1);
    QCOMPARE(filter.accept(4, &channel, &point), accepted);
    // Another panel has no record: every loop of it is in service.
    QCOMPARE(filter.accept(5, &channel, &point), loop != 40);
}

void TestPointFilters::chain_stopsAtFirstRefusal()
{
    const auto first = QSharedPointer<ScriptedFilter>::create(true);
    const auto second = QSharedPointer<ScriptedFilter>::create(false);
    const auto third = QSharedPointer<ScriptedFilter>::create(true);
    second->setNext(third);
    first->setNext(second);
    const PointAddressKey point = record(1);
    QVERIFY(!first->acceptsAll(1, &Loop3, &point));
    QCOMPARE(first->asked, 1);
    QCOMPARE(second->asked, 1);
    QCOMPARE(third->asked, 0);

    const auto accepting = QSharedPointer<ScriptedFilter>::create(true);
    second->setNext(accepting);
    const auto head = QSharedPointer<ScriptedFilter>::create(true);
    head->setNext(accepting);
    QVERIFY(head->acceptsAll(1, &Loop3, &point));
    QCOMPARE(accepting->asked, 1);
}

void TestPointFilters::chain_ofOneFilter_isThatFilter()
{
    const Filter zone3 = make<ZoneCfgFilter>(QList<quint8>{3});
    const PointAddressKey in = record(1, 3);
    const PointAddressKey out = record(1, 4);
    QVERIFY(zone3->acceptsAll(1, &Loop3, &in));
    QVERIFY(!zone3->acceptsAll(1, &Loop3, &out));

    // The chain is the order of evaluation: zone 3, then loop 5.
    const Filter loop5 = make<LoopCfgFilter>(quint8(5), false);
    zone3->setNext(loop5);
    const ChannelAddress loop5Channel(12, 5, 0);
    QVERIFY(zone3->acceptsAll(1, &loop5Channel, &in));
    QVERIFY(!zone3->acceptsAll(1, &Loop3, &in));
}

void TestPointFilters::chainOf_linksInTheGivenOrder()
{
    QVERIFY(SimplePointFilter::chainOf({}).isNull());
    const Filter only = make<ScriptedFilter>(true);
    QCOMPARE(SimplePointFilter::chainOf({only}), only);
    QVERIFY(only->next().isNull());

    const Filter first = make<ScriptedFilter>(true);
    const Filter second = make<ScriptedFilter>(true);
    const Filter third = make<ScriptedFilter>(false);
    const Filter head = SimplePointFilter::chainOf({first, second, third});
    QCOMPARE(head, first);
    QCOMPARE(first->next(), second);
    QCOMPARE(second->next(), third);
    QVERIFY(third->next().isNull());
    const PointAddressKey point = record(1);
    QVERIFY(!head->acceptsAll(1, &Loop3, &point));
}

void TestPointFilters::setNext_refusesLoops_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("itself") << 1;
    QTest::newRow("two filters") << 2;
    QTest::newRow("three filters") << 3;
    QTest::newRow("five filters") << 5;
}

void TestPointFilters::setNext_refusesLoops()
{
    QFETCH(int, length);
    QList<QSharedPointer<ScriptedFilter>> chain;
    for (int i = 0; i < length; ++i)
        chain << QSharedPointer<ScriptedFilter>::create(true);
    for (int i = length - 1; i > 0; --i)
        chain[i - 1]->setNext(chain[i]);
    MessageCapture capture;
    chain.last()->setNext(chain.first());
    QVERIFY(chain.last()->next().isNull());
    QCOMPARE(capture.warnings().size(), 1);
    const PointAddressKey point = record(1);
    QVERIFY(chain.first()->acceptsAll(1, &Loop3, &point));
    for (const auto &filter : chain)
        QCOMPARE(filter->asked, 1);
}

void TestPointFilters::setNext_replacesSuccessor()
{
    const auto head = QSharedPointer<ScriptedFilter>::create(true);
    QWeakPointer<ScriptedFilter> replaced;
    {
        const auto refusing = QSharedPointer<ScriptedFilter>::create(false);
        replaced = refusing;
        head->setNext(refusing);
    }
    QVERIFY(!replaced.isNull());
    const auto accepting = QSharedPointer<ScriptedFilter>::create(true);
    head->setNext(accepting);
    QVERIFY(replaced.isNull());
    QCOMPARE(head->next(), Filter(accepting));
    MessageCapture capture;
    head->setNext({});
    QCOMPARE(head->next(), Filter(accepting));
    QCOMPARE(capture.warnings().size(), 1);
}

void TestPointFilters::acceptsAll_withoutPoint_refuses()
{
    const auto filter = QSharedPointer<ScriptedFilter>::create(true);
    const PointAddressKey point = record(1);
    MessageCapture capture;
    QVERIFY(!filter->acceptsAll(1, nullptr, &point));
    QVERIFY(!filter->acceptsAll(1, &Loop3, nullptr));
    QCOMPARE(filter->asked, 0);
    QCOMPARE(capture.warnings().size(), 2);
}

QTEST_GUILESS_MAIN(TestPointFilters)
#include "tst_pointfilters.moc"
