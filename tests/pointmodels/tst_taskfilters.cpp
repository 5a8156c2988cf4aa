#include "MessageCapture.h"
#include "ScriptedSite.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "pointmodels/DeviceAttributeTests.h"
#include "pointmodels/DisablePointFilter.h"
#include "pointmodels/ForcePointFilter.h"
#include "pointmodels/PointDataMapFilter.h"
#include "pointmodels/PointStatusFilter.h"
#include "pointmodels/WalktestModelFilter.h"
#include "pointmodels/WalktestPointFilter.h"

#include <QTemporaryDir>
#include <QtTest>

using Filter = QSharedPointer<SimplePointFilter>;
Q_DECLARE_METATYPE(Filter)
Q_DECLARE_METATYPE(ChannelAddress)
Q_DECLARE_METATYPE(PointAddressKey)

namespace {

constexpr quint8 Panel = 3;
const ChannelAddress Loop2(12, 2, 0);
constexpr quint8 Input = 0x03;
constexpr quint8 Output = 0x05;
constexpr quint8 InputAndOutput = 0x07;

template <typename F, typename... Args> Filter make(Args... args)
{
    return Filter(new F(args...));
}

PointAddressKey point(quint8 attributes, quint32 functions = 0x01)
{
    return ScriptedSite::record(9, 1, 5, attributes, functions);
}

// Sets the point in each listed page and in no other.
void setPages(const ChannelAddress &channel, quint8 pointNumber, const QList<int> &pages)
{
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    maps->clearPanel(0, 255);
    for (int page : pages) {
        QBitArray bits(256);
        bits.setBit(pointNumber);
        maps->setChannelPoints(page, Panel, channel, bits);
    }
}

void row(const char *name, const Filter &filter, const ChannelAddress &channel, const PointAddressKey &record,
         const QList<int> &pages, bool accepted)
{
    QTest::newRow(name) << filter << channel << record << pages << accepted;
}

} // namespace

class TestTaskFilters final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void accept_data();
    void accept();
    void attributeMask_followsTheMode_data();
    void attributeMask_followsTheMode();
    void disableAction0_warnsAndAccepts();
    void toForceActionIndex_data();
    void toForceActionIndex();
    void attributeTests_data();
    void attributeTests();
    void chained_bothMustAccept();

private:
    QTemporaryDir m_dataDirectory;
};

void TestTaskFilters::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dataDirectory.path()));
}

void TestTaskFilters::init()
{
    ScriptedSite::reset();
}

void TestTaskFilters::accept_data()
{
    QTest::addColumn<Filter>("filter");
    QTest::addColumn<ChannelAddress>("channel");
    QTest::addColumn<PointAddressKey>("record");
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<bool>("accepted");

    const ChannelAddress number5(12, 2, 5);
    const Filter disable11 = make<DisablePointFilter>(1, 1);
    row("disable(1,1): free input", disable11, Loop2, point(Input), {}, true);
    row("disable(1,1): disabled input", disable11, Loop2, point(Input), {14}, false);
    row("disable(1,1): output only", disable11, Loop2, point(Output), {}, false);
    row("disable(1,1): bit 0x01 clear", disable11, Loop2, point(0x02), {}, false);
    row("disable(1,1): channel number 5", disable11, number5, point(Input), {}, false);
    row("disable(1,1): channel number 5, any maps", disable11, number5, point(Input), {15, 145, 136}, false);
    row("disable(1,1): page 15 is not the inputs'", disable11, Loop2, point(Input), {15}, true);
    const Filter enable32 = make<DisablePointFilter>(3, 2);
    row("disable(3,2): input held by 14", enable32, Loop2, point(Input), {14}, true);
    row("disable(3,2): output held by 15", enable32, Loop2, point(Output), {15}, true);
    row("disable(3,2): not disabled", enable32, Loop2, point(Output), {}, false);
    const Filter enable33 = make<DisablePointFilter>(3, 3);
    row("disable(3,3): disabled alone", enable33, Loop2, point(Input), {14}, true);
    row("disable(3,3): held by 145", enable33, Loop2, point(Input), {14, 145}, false);
    row("disable(3,3): held by 136", enable33, Loop2, point(Input), {14, 136}, false);
    row("disable(2,2): page 14 is not the outputs'", make<DisablePointFilter>(2, 2), Loop2, point(Output), {14}, false);
    row("disable(1,4): unknown action", make<DisablePointFilter>(1, 4), Loop2, point(Input), {}, false);
    row("disable(4,1): unknown mode has no attributes", make<DisablePointFilter>(4, 1), Loop2, point(InputAndOutput),
        {}, false);

    const Filter force25 = make<ForcePointFilter>(2, 5);
    row("force(2,5): forced on", force25, Loop2, point(Output), {137}, true);
    row("force(2,5): in no force page", force25, Loop2, point(Output), {}, false);
    row("force(2,5): pulsing", force25, Loop2, point(Output), {142}, true);
    row("force(2,5): input", force25, Loop2, point(Input), {137}, false);
    const Filter force13 = make<ForcePointFilter>(1, 3);
    row("force(1,3): no force page", force13, Loop2, point(Input), {}, true);
    row("force(1,3): pages 142 and 143 not read", force13, Loop2, point(Input), {142, 143}, true);
    const Filter force23 = make<ForcePointFilter>(2, 3);
    row("force(2,3): pulsing by 142", force23, Loop2, point(Output), {142}, false);
    row("force(2,3): page 143 is not pulsing", force23, Loop2, point(Output), {143}, true);
    row("force(1,1): forced on by 140", make<ForcePointFilter>(1, 1), Loop2, point(Input), {140}, false);
    row("force(1,1): forced off", make<ForcePointFilter>(1, 1), Loop2, point(Input), {141}, true);
    row("force(1,2): forced off by 141", make<ForcePointFilter>(1, 2), Loop2, point(Input), {141}, false);
    row("force(3,5): 143 counts as forced", make<ForcePointFilter>(3, 5), Loop2, point(Output), {143}, true);
    row("force(3,5): 140 unread in mode 3", make<ForcePointFilter>(3, 5), Loop2, point(Input), {140}, false);
    row("force(1,6): any point", make<ForcePointFilter>(1, 6), Loop2, point(Input), {140, 141}, true);
    row("force(1,6): channel number 5", make<ForcePointFilter>(1, 6), number5, point(Input), {}, false);
    row("force(1,7): unknown action", make<ForcePointFilter>(1, 7), Loop2, point(Input), {}, false);

    const Filter normal = make<PointStatusFilter>(1, 8);
    row("status(1,8): in no page", normal, Loop2, point(Input), {}, true);
    row("status(1,8): in fault", normal, Loop2, point(Input), {129}, false);
    row("status(1,8): active", normal, Loop2, point(Input), {131}, false);
    row("status(1,8): disabled", normal, Loop2, point(Input), {14}, false);
    row("status(1,8): output pages unread", normal, Loop2, point(Input), {135, 15}, true);
    row("status(1,0): every point", make<PointStatusFilter>(1, 0), Loop2, point(Output), {129}, true);
    row("status(2,1): active output", make<PointStatusFilter>(2, 1), Loop2, point(Output), {135}, true);
    row("status(2,2): in fault", make<PointStatusFilter>(2, 2), Loop2, point(Output), {129}, true);
    row("status(3,4): disabled output", make<PointStatusFilter>(3, 4), Loop2, point(Input), {15}, true);
    row("status(3,4): not disabled", make<PointStatusFilter>(3, 4), Loop2, point(Input), {129}, false);
    row("status(1,1): attributes play no part", make<PointStatusFilter>(1, 1), Loop2, point(0), {131}, true);

    row("map(146,false): set", make<PointDataMapFilter>(146, false), Loop2, point(0), {146}, true);
    row("map(146,false): not set", make<PointDataMapFilter>(146, false), Loop2, point(0), {}, false);
    row("map(134,true): not set", make<PointDataMapFilter>(134, true), Loop2, point(0), {}, true);
    row("map(134,true): set", make<PointDataMapFilter>(134, true), Loop2, point(0), {134}, false);

    row("walktest model(0): 25 without 23", make<WalktestModelFilter>(0), Loop2, point(0), {25}, false);
    row("walktest model(0): 23 and 25", make<WalktestModelFilter>(0), Loop2, point(0), {23, 25}, true);
    row("walktest model(1): 23 only", make<WalktestModelFilter>(1), Loop2, point(0), {23}, true);
    row("walktest model(1): tested", make<WalktestModelFilter>(1), Loop2, point(0), {23, 24}, false);
    row("walktest model(2): no mode", make<WalktestModelFilter>(2), Loop2, point(0), {23}, false);

    const ChannelAddress kind0(0, 2, 0);
    const ChannelAddress loop0(12, 0, 0);
    row("walktest point(-1,17): nothing", make<WalktestPointFilter>(-1, 17), Loop2, point(InputAndOutput, 0xFF), {},
        false);
    row("walktest point: sounder on kind 0", make<WalktestPointFilter>(0, 2), kind0, point(InputAndOutput, 0x08), {},
        true);
    row("walktest point: sounder without 0x08", make<WalktestPointFilter>(0, 2), Loop2, point(InputAndOutput, 0x01), {},
        false);
    row("walktest point: output sounder", make<WalktestPointFilter>(0, 2), Loop2, point(Output, 0x08), {}, true);
    row("walktest point: number 1", make<WalktestPointFilter>(0, 2), ChannelAddress(12, 2, 1), point(Output, 0x08), {},
        false);
    row("walktest point: inputs", make<WalktestPointFilter>(0, 1), Loop2, point(Input, 0x01), {}, true);
    row("walktest point: alarm inputs, not one", make<WalktestPointFilter>(4, 1), Loop2, point(Input, 0x01), {}, false);
    row("walktest point: alarm inputs", make<WalktestPointFilter>(4, 1), Loop2, point(Input, 0x04), {}, true);
    row("walktest point: call points", make<WalktestPointFilter>(0, 3), Loop2, point(Input, 0x02), {}, true);
    row("walktest point: detectors", make<WalktestPointFilter>(0, 4), Loop2, point(Input, 0x01), {}, true);
    row("walktest point: detectors, call point", make<WalktestPointFilter>(0, 4), Loop2, point(Input, 0x02), {}, false);
    row("walktest point: input on loop 0", make<WalktestPointFilter>(0, 1), loop0, point(Input, 0x01), {}, false);
    row("walktest point: input on kind 0", make<WalktestPointFilter>(0, 1), kind0, point(Input, 0x01), {}, false);
}

void TestTaskFilters::accept()
{
    QFETCH(Filter, filter);
    QFETCH(ChannelAddress, channel);
    QFETCH(PointAddressKey, record);
    QFETCH(QList<int>, pages);
    QFETCH(bool, accepted);
    setPages(channel, record.pointNumber, pages);
    QCOMPARE(filter->acceptsAll(Panel, &channel, &record), accepted);
}

void TestTaskFilters::attributeMask_followsTheMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("mask");
    QTest::newRow("inputs") << 1 << 0x02;
    QTest::newRow("outputs") << 2 << 0x04;
    QTest::newRow("both") << 3 << 0x06;
    QTest::newRow("none") << 0 << 0x00;
    QTest::newRow("unknown") << 9 << 0x00;
}

void TestTaskFilters::attributeMask_followsTheMode()
{
    QFETCH(int, mode);
    QFETCH(int, mask);
    DisablePointFilter disable(mode, 1);
    ForcePointFilter force(mode, 1);
    PointStatusFilter status(mode, 1);
    QCOMPARE(int(disable.attributeMask()), mask);
    QCOMPARE(int(force.attributeMask()), mask);
    QCOMPARE(int(status.attributeMask()), mask);
    QCOMPARE(disable.mode(), mode);
    QCOMPARE(force.action(), 1);
    // Calling it again changes nothing.
    disable.update();
    QCOMPARE(int(disable.attributeMask()), mask);
}

void TestTaskFilters::disableAction0_warnsAndAccepts()
{
    const PointAddressKey record = point(Input);
    setPages(Loop2, record.pointNumber, {14});
    DisablePointFilter filter(1, 0);
    MessageCapture capture;
    QVERIFY(filter.acceptsAll(Panel, &Loop2, &record));
    QVERIFY(capture.contains("Using DISABLE_INVALID"));
    capture.clear();
    // Ineligible points are refused before the action is looked at.
    const PointAddressKey output = point(Output);
    QVERIFY(!filter.acceptsAll(Panel, &Loop2, &output));
    QVERIFY(!capture.contains("Using DISABLE_INVALID"));
}

void TestTaskFilters::toForceActionIndex_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("warns");
    QTest::newRow("0") << 0 << 0 << false;
    QTest::newRow("1") << 1 << 1 << false;
    QTest::newRow("2") << 2 << 2 << false;
    QTest::newRow("3") << 3 << 3 << false;
    QTest::newRow("4") << 4 << 4 << false;
    QTest::newRow("5") << 5 << 0 << false;
    QTest::newRow("6") << 6 << 0 << true;
    QTest::newRow("-1") << -1 << 0 << true;
}

void TestTaskFilters::toForceActionIndex()
{
    QFETCH(int, action);
    QFETCH(int, index);
    QFETCH(bool, warns);
    MessageCapture capture;
    QCOMPARE(::toForceActionIndex(action), index);
    QCOMPARE(capture.contains("Trying to use unexpected eForceAction"), warns);
}

void TestTaskFilters::attributeTests_data()
{
    QTest::addColumn<int>("attributes");
    QTest::addColumn<bool>("bits1And2");
    QTest::addColumn<bool>("bit1");
    QTest::addColumn<bool>("bit2");
    QTest::newRow("6") << 6 << true << true << true;
    QTest::newRow("2") << 2 << false << true << false;
    QTest::newRow("4") << 4 << false << false << true;
    QTest::newRow("1") << 1 << false << false << false;
    QTest::newRow("0xFF") << 0xFF << true << true << true;
}

void TestTaskFilters::attributeTests()
{
    QFETCH(int, attributes);
    QFETCH(bool, bits1And2);
    QFETCH(bool, bit1);
    QFETCH(bool, bit2);
    QCOMPARE(attributeHasBits1And2(quint8(attributes)), bits1And2);
    QCOMPARE(attributeHasBit1(quint8(attributes)), bit1);
    QCOMPARE(attributeHasBit2(quint8(attributes)), bit2);
}

void TestTaskFilters::chained_bothMustAccept()
{
    const PointAddressKey record = point(Input);
    const Filter head = make<DisablePointFilter>(1, 1);
    head->setNext(make<PointDataMapFilter>(146, false));
    setPages(Loop2, record.pointNumber, {});
    QVERIFY(!head->acceptsAll(Panel, &Loop2, &record));
    setPages(Loop2, record.pointNumber, {146});
    QVERIFY(head->acceptsAll(Panel, &Loop2, &record));
    setPages(Loop2, record.pointNumber, {146, 14});
    QVERIFY(!head->acceptsAll(Panel, &Loop2, &record));
}

QTEST_GUILESS_MAIN(TestTaskFilters)
#include "tst_taskfilters.moc"
