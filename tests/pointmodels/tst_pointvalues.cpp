#include "FakeClock.h"
#include "PointValueReplies.h"
#include "ScriptedSite.h"
#include "StdoutCapture.h"
#include "core/TeskGlobalConfig.h"
#include "pointmodels/ExtPointInfoModelItem.h"
#include "pointmodels/PointValueFetcher.h"
#include "pointmodels/PointValueTexts.h"

#include <QtTest>

#include <memory>

using namespace PointValueReplies;

namespace {

SimplePointInfo pointNumber(int n)
{
    return SimplePointInfo{quint8(n >> 16), 12, 0, quint8(n >> 8), quint8(n)};
}

const SimplePointInfo Point{1, 12, 0, 2, 17};
const SimplePointInfo OtherPoint{1, 12, 0, 2, 18};

// Runs the function once the event loop that the test enters next runs.
template <typename F> void whenWaiting(F function)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), function, Qt::QueuedConnection);
}

} // namespace

// The point-value cache, the row item that waits for its values and the
// value texts.
class tst_PointValues final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fetchAsksOnceUntilTheReply();
    void fullFetcherDropsTheLeastRecentlyFetched();
    void replyForAnUnknownPointEmitsNothing();
    void getPointValuesAsksNothing();
    void pointsOfANetworkHashApart();

    void itemStartsWithEveryValueZero();
    void waitReturnsAtOnceWithValues();
    void waitEndsOnItsOwnPointOnly();
    void waitEndsAtItsTimeLimit();
    void waitEndsWhenTheFetcherGoes();

    void analogueValueText_data();
    void analogueValueText();
    void invalidReadingIsReported();

    void inputStateText_data();
    void inputStateText();
    void outputStateText_data();
    void outputStateText();
    void forcedOutputStateText_data();
    void forcedOutputStateText();
    void marksAndDirtiness();
    void sensorTitle_data();
    void sensorTitle();
    void scalePointValue_data();
    void scalePointValue();
    void units_data();
    void units();
    void pointStateText_data();
    void pointStateText();

private:
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<QSignalSpy> m_sent;
};

void tst_PointValues::init()
{
    ScriptedSite::reset();
    TeskGlobalConfig::instance()->setPacketHeaderLayout(600);
    m_clock = std::make_unique<FakeClock>();
    m_sent = std::make_unique<QSignalSpy>(SyncClient::instance(), &SyncClient::SendPacket);
}

void tst_PointValues::cleanup()
{
    m_sent.reset();
    m_clock.reset();
}

void tst_PointValues::fetchAsksOnceUntilTheReply()
{
    PointValueFetcher fetcher;
    QSignalSpy updated(&fetcher, &PointValueFetcher::updatedPointValue);
    PointValueDetails values;
    QVERIFY(!fetcher.fetch(Point, values));
    QCOMPARE(requestsSent(*m_sent), 1);
    QVERIFY(!fetcher.fetch(Point, values));
    QCOMPARE(requestsSent(*m_sent), 1);

    PointValueDetails answered = normalValues();
    answered.setByte(7, 42);
    reply(Point, answered);
    QCOMPARE(updated.count(), 1);
    QCOMPARE(updated.at(0).at(0).value<SimplePointInfo>(), Point);

    QVERIFY(fetcher.fetch(Point, values));
    QCOMPARE(values.byte(7), quint8(42));
    QCOMPARE(requestsSent(*m_sent), 2);
}

void tst_PointValues::fullFetcherDropsTheLeastRecentlyFetched()
{
    PointValueFetcher fetcher;
    PointValueDetails values;
    for (int n = 0; n < PointValueFetcher::MaxEntries; ++n)
        fetcher.fetch(pointNumber(n), values);
    QCOMPARE(fetcher.entryCount(), PointValueFetcher::MaxEntries);
    // Fetching the oldest again makes the second oldest the least recent.
    fetcher.fetch(pointNumber(0), values);
    fetcher.fetch(pointNumber(PointValueFetcher::MaxEntries), values);

    QCOMPARE(fetcher.entryCount(), PointValueFetcher::MaxEntries);
    QVERIFY(fetcher.holds(pointNumber(0)));
    QVERIFY(!fetcher.holds(pointNumber(1)));
    QVERIFY(fetcher.holds(pointNumber(2)));
    QVERIFY(fetcher.holds(pointNumber(PointValueFetcher::MaxEntries)));
    QSignalSpy updated(&fetcher, &PointValueFetcher::updatedPointValue);
    reply(pointNumber(1));
    QCOMPARE(updated.count(), 0);
}

void tst_PointValues::replyForAnUnknownPointEmitsNothing()
{
    PointValueFetcher fetcher;
    PointValueDetails values;
    fetcher.fetch(Point, values);
    QSignalSpy updated(&fetcher, &PointValueFetcher::updatedPointValue);
    reply(OtherPoint);
    reply(SimplePointInfo{2, 12, 0, 2, 17});
    QCOMPARE(updated.count(), 0);
    QVERIFY(!fetcher.getPointValues(OtherPoint, values));
}

void tst_PointValues::getPointValuesAsksNothing()
{
    PointValueFetcher fetcher;
    PointValueDetails values;
    QVERIFY(!fetcher.getPointValues(Point, values));
    fetcher.fetch(Point, values);
    QVERIFY(!fetcher.getPointValues(Point, values));
    reply(Point, normalValues());
    QVERIFY(fetcher.getPointValues(Point, values));
    QCOMPARE(values.byte(16), quint8(5));
    QCOMPARE(requestsSent(*m_sent), 1);
}

// The fetcher and the lists find points by hash: a network's points must
// not pile up in a few buckets.
void tst_PointValues::pointsOfANetworkHashApart()
{
    QSet<uint> hashes;
    int points = 0;
    for (int panel = 0; panel < 100; ++panel) {
        for (int loop = 1; loop <= 8; ++loop) {
            for (int point = 0; point < 256; ++point, ++points)
                hashes.insert(qHash(SimplePointInfo{quint8(panel), 12, 0, quint8(loop), quint8(point)}));
        }
    }
    for (int kind = 0; kind < 16; ++kind) {
        for (int number = 0; number < 16; ++number, ++points)
            hashes.insert(qHash(SimplePointInfo{7, quint8(kind), quint8(number), 200, 9}));
    }
    QCOMPARE(hashes.size(), points);
}

void tst_PointValues::itemStartsWithEveryValueZero()
{
    const ExtPointInfoModelItem item(nullptr, 1, 2, 17, 0, 12);
    QCOMPARE(item.point(), Point);
    QCOMPARE(item.limit(), 9999u);
    const PointValueDetails &v = item.values();
    QCOMPARE(v.configuredDeviceType, 0u);
    QCOMPARE(v.detectedDeviceType, 0u);
    QCOMPARE(v.values4to8, (std::array<quint8, 5>{}));
    for (int number = 1; number <= PointValueDetails::NumberedBytes; ++number)
        QCOMPARE(v.byte(number), quint8(0));
    QCOMPARE(v.extension[0].reading, 0u);
}

void tst_PointValues::waitReturnsAtOnceWithValues()
{
    PointValueFetcher fetcher;
    PointValueDetails values;
    fetcher.fetch(Point, values);
    reply(Point, normalValues());
    const ExtPointInfoModelItem item(&fetcher, 1, 2, 17, 0, 12);
    bool loopRan = false;
    whenWaiting([&] {
        loopRan = true;
        m_clock->advance(1000);
    });
    item.waitForValues(1000);
    QVERIFY(!loopRan);
    QCOMPARE(item.values().byte(16), quint8(5));
    QCoreApplication::sendPostedEvents();
}

void tst_PointValues::waitEndsOnItsOwnPointOnly()
{
    PointValueFetcher fetcher;
    PointValueDetails values;
    fetcher.fetch(OtherPoint, values);
    const ExtPointInfoModelItem item(&fetcher, 1, 2, 17, 0, 12);
    bool ownReplied = false;
    whenWaiting([&] {
        reply(OtherPoint);
        whenWaiting([&] {
            ownReplied = true;
            reply(Point, normalValues());
        });
    });
    item.waitForValues(1000);
    QVERIFY(ownReplied);
    QCOMPARE(m_clock->now(), qint64(0));
    QCOMPARE(requestsSent(*m_sent), 2);
}

void tst_PointValues::waitEndsAtItsTimeLimit()
{
    PointValueFetcher fetcher;
    const ExtPointInfoModelItem item(&fetcher, 1, 2, 17, 0, 12);
    bool lastMillisecond = false;
    whenWaiting([&] {
        m_clock->advance(999);
        whenWaiting([&] {
            lastMillisecond = true;
            m_clock->advance(1);
        });
    });
    item.waitForValues(1000);
    QVERIFY(lastMillisecond);
    QCOMPARE(m_clock->now(), qint64(1000));
}

void tst_PointValues::waitEndsWhenTheFetcherGoes()
{
    auto *fetcher = new PointValueFetcher;
    const ExtPointInfoModelItem item(fetcher, 1, 2, 17, 0, 12);
    whenWaiting([&] { delete fetcher; });
    item.waitForValues(1000);
    QCOMPARE(m_clock->now(), qint64(0));
}

void tst_PointValues::analogueValueText_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<quint32>("raw");
    QTest::addColumn<QString>("text");
    QTest::newRow("one decimal") << 1 << 253u << "25.3 U";
    QTest::newRow("no decimals") << 0 << 12u << "12 U";
    QTest::newRow("two decimals") << 2 << 123u << "1.23 U";
    QTest::newRow("three decimals") << 3 << 5u << "0.005 U";
    QTest::newRow("above the limit") << 1 << 123456u << "12345.6 U";
}

void tst_PointValues::analogueValueText()
{
    QFETCH(int, decimals);
    QFETCH(quint32, raw);
    QFETCH(QString, text);
    PointValueFetcher fetcher;
    PointValueDetails values;
    values.extension[1] = {quint8(decimals), raw};
    fetcher.fetch(Point, values);
    reply(Point, values);
    const ExtPointInfoModelItem item(&fetcher, 1, 2, 17, 0, 12);
    QVERIFY(item.fetchValues());
    QCOMPARE(item.analogueValueText(1, QStringLiteral("U")), text);
    QCOMPARE(item.analogueValueText(0, QStringLiteral("U")), QStringLiteral("0 U"));
}

void tst_PointValues::invalidReadingIsReported()
{
    const ExtPointInfoModelItem item(nullptr, 1, 2, 17, 0, 12);
    StdoutCapture printed;
    QCOMPARE(item.analogueValueText(5, QStringLiteral("V")), QStringLiteral("0.0 V"));
    QCOMPARE(item.analogueValueText(-1, QStringLiteral("V")), QStringLiteral("0.0 V"));
    QCOMPARE(printed.text(), QStringLiteral("ExtPointInfoModelItem, invalid index=5\n"
                                            "ExtPointInfoModelItem, invalid index=-1\n"));
}

void tst_PointValues::inputStateText_data()
{
    QTest::addColumn<int>("capabilities");
    QTest::addColumn<int>("state");
    QTest::addColumn<quint32>("faultCode");
    QTest::addColumn<int>("faultFlag");
    QTest::addColumn<QString>("text");
    QTest::newRow("state 0, fault code 126") << 1 << 0 << 126u << 0 << "_FAULT_POINTVALUE";
    QTest::newRow("state 0, fault flag") << 1 << 0 << 5u << 1 << "_FAULT_POINTVALUE";
    QTest::newRow("state 0") << 1 << 0 << 5u << 0 << "_NORMAL_POINTVALUE";
    QTest::newRow("pre-alarm") << 1 << 1 << 5u << 0 << "_PRE_ALARM_POINTVALUE";
    QTest::newRow("active, faulty") << 1 << 3 << 126u << 0 << "_ACTIVE_POINTVALUE";
    QTest::newRow("state 5") << 1 << 5 << 5u << 0 << "_NORMAL_POINTVALUE";
    QTest::newRow("activate warning") << 1 << 6 << 5u << 0 << "_ACTIVATE_WARN_POINTVALUE";
    QTest::newRow("state 7") << 1 << 7 << 5u << 0 << "_UNKNOWN_POINTVALUE";
    QTest::newRow("no input") << 2 << 5 << 5u << 0 << "_NOT_INPUT_POINTVALUE";
}

void tst_PointValues::inputStateText()
{
    QFETCH(int, capabilities);
    QFETCH(int, state);
    QFETCH(quint32, faultCode);
    QFETCH(int, faultFlag);
    QFETCH(QString, text);
    PointValueDetails values;
    values.capabilityBits = quint8(capabilities);
    values.detectedDeviceType = faultCode;
    values.setByte(16, quint8(state));
    values.setByte(17, quint8(faultFlag));
    QCOMPARE(::inputStateText(values), text);
}

void tst_PointValues::outputStateText_data()
{
    QTest::addColumn<int>("capabilities");
    QTest::addColumn<int>("status");
    QTest::addColumn<quint32>("faultCode");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::newRow("in test, on") << 2 << 0x80 << 5u << 1 << "_TEST_POINTVALUE";
    QTest::newRow("faulty, in test") << 2 << 0x80 << 126u << 1 << "_FAULT_POINTVALUE";
    QTest::newRow("off") << 2 << 0 << 5u << 0 << "_OFF_POINTVALUE";
    QTest::newRow("on") << 3 << 0 << 5u << 1 << "_ON_POINTVALUE";
    QTest::newRow("pulse 1") << 2 << 0 << 5u << 2 << "_PULSE1_POINTVALUE";
    QTest::newRow("pulse 2") << 2 << 0 << 5u << 3 << "_PULSE2_POINTVALUE";
    QTest::newRow("not applicable") << 2 << 0 << 5u << 4 << "_NA_POINTVALUE";
    QTest::newRow("state 9") << 2 << 0 << 5u << 9 << "_UNKNOWN_POINTVALUE";
    QTest::newRow("no output") << 1 << 0 << 5u << 1 << "_NOT_OUTPUT_POINTVALUE";
}

void tst_PointValues::outputStateText()
{
    QFETCH(int, capabilities);
    QFETCH(int, status);
    QFETCH(quint32, faultCode);
    QFETCH(int, state);
    QFETCH(QString, text);
    PointValueDetails values;
    values.capabilityBits = quint8(capabilities);
    values.statusBits = quint8(status);
    values.detectedDeviceType = faultCode;
    values.setByte(21, quint8(state));
    QCOMPARE(::outputStateText(values), text);
}

void tst_PointValues::forcedOutputStateText_data()
{
    QTest::addColumn<int>("forced");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::newRow("forced off") << 1 << 0 << "_FORCED_OFF_POINTVALUE";
    QTest::newRow("forced on") << 1 << 1 << "_FORCED_ON_POINTVALUE";
    QTest::newRow("forced pulse 1") << 1 << 2 << "_FORCED_PULSE1_POINTVALUE";
    QTest::newRow("forced pulse 2") << 1 << 3 << "_FORCED_PULSE2_POINTVALUE";
    QTest::newRow("forced, not applicable") << 1 << 4 << "_NA_POINTVALUE";
    QTest::newRow("forced, state 5") << 1 << 5 << "";
    QTest::newRow("not forced") << 0 << 1 << "";
    QTest::newRow("forced byte 2") << 2 << 1 << "";
}

void tst_PointValues::forcedOutputStateText()
{
    QFETCH(int, forced);
    QFETCH(int, state);
    QFETCH(QString, text);
    PointValueDetails values;
    values.setByte(20, quint8(forced));
    values.setByte(22, quint8(state));
    QCOMPARE(::forcedOutputStateText(values), text);
}

void tst_PointValues::marksAndDirtiness()
{
    PointValueDetails values;
    QCOMPARE(inputForcedText(values), QString());
    QCOMPARE(inputDisabledText(values), QString());
    QCOMPARE(outputDisabledText(values), QString());
    QCOMPARE(dirtinessTitle(values), QString());
    QCOMPARE(dirtinessText(values), QString());
    values.statusBits = 0x01 | 0x04;
    values.setByte(5, 0x01);
    values.setByte(7, 37);
    QCOMPARE(inputForcedText(values), QStringLiteral("_FORCED_POINTVALUE"));
    QCOMPARE(inputDisabledText(values), QStringLiteral("_DISABLED_POINTVALUE"));
    QCOMPARE(outputDisabledText(values), QString());
    QCOMPARE(dirtinessTitle(values), QStringLiteral("_DIRTINESS_SYSSTATUSTITLE"));
    QCOMPARE(dirtinessText(values), QStringLiteral("37_PERCENT_SYMBOL_POINTVALUE"));
    values.statusBits = 0x08;
    QCOMPARE(outputDisabledText(values), QStringLiteral("_DISABLED_POINTVALUE"));
    QCOMPARE(inputDisabledText(values), QString());
}

void tst_PointValues::sensorTitle_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("title");
    QTest::newRow("1") << 1 << "_TEMPERATURE_SYSSTATUSTITLE";
    QTest::newRow("2") << 2 << "_TEMPERATURE_SYSSTATUSTITLE";
    QTest::newRow("3") << 3 << "_CO_COUNT_SYSSTATUSTITLE";
    QTest::newRow("4") << 4 << "_SMOKE_SYSSTATUSTITLE";
    QTest::newRow("5") << 5 << "_SMOKE_SYSSTATUSTITLE";
    QTest::newRow("6") << 6 << "_UNIT_Y_SYSSTATUSTITLE";
    QTest::newRow("7") << 7 << "_CURRENT_SYSSTATUSTITLE";
    QTest::newRow("8") << 8 << "_POWER_SYSSTATUSTITLE";
    for (int type : {0, 9, 10, -1})
        QTest::addRow("%d", type) << type << "";
}

void tst_PointValues::sensorTitle()
{
    QFETCH(int, type);
    QFETCH(QString, title);
    QCOMPARE(::sensorTitle(type), title);
}

void tst_PointValues::scalePointValue_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("raw");
    QTest::addColumn<double>("value");
    QTest::newRow("1") << 1 << 70 << 20.0;
    QTest::newRow("2") << 2 << 70 << 70.0;
    QTest::newRow("3") << 3 << 70 << 70.0;
    QTest::newRow("4") << 4 << 75 << 7.5;
    QTest::newRow("5") << 5 << 75 << 7.5;
    QTest::newRow("6") << 6 << 75 << 0.75;
    QTest::newRow("7") << 7 << 110 << 2.0;
    QTest::newRow("7 below 100") << 7 << 90 << -2.0;
    QTest::newRow("8") << 8 << 120 << 24.0;
    QTest::newRow("9") << 9 << 120 << 0.0;
    QTest::newRow("10") << 10 << 255 << 25.5;
    QTest::newRow("0") << 0 << 120 << 0.0;
}

void tst_PointValues::scalePointValue()
{
    QFETCH(int, unit);
    QFETCH(int, raw);
    QFETCH(double, value);
    QCOMPARE(::scalePointValue(unit, quint8(raw)), value);
}

void tst_PointValues::units_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("hasValue");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << false << "";
    QTest::newRow("1") << 1 << true << "_DegC_POINTVALUE";
    QTest::newRow("2") << 2 << true << "_DegF_POINTVALUE";
    QTest::newRow("3") << 3 << true << "_PPM_POINTVALUE";
    QTest::newRow("4") << 4 << true << "_PERCENT_FOOT_OBSCURATION_POINTVALUE";
    QTest::newRow("5") << 5 << true << "_PERCENT_METRE_OBSCURATION_POINTVALUE";
    QTest::newRow("6") << 6 << true << "_UNIT_Y_POINTVALUE";
    QTest::newRow("7") << 7 << true << "_AMPS_POINTVALUE";
    QTest::newRow("8") << 8 << true << "_VOLTS_POINTVALUE";
    QTest::newRow("9") << 9 << false << "";
    QTest::newRow("10") << 10 << true << "mA";
    QTest::newRow("11") << 11 << false << "";
}

void tst_PointValues::units()
{
    QFETCH(int, unit);
    QFETCH(bool, hasValue);
    QFETCH(QString, text);
    QCOMPARE(unitHasValue(unit), hasValue);
    QCOMPARE(unitText(unit), text);
}

void tst_PointValues::pointStateText_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "";
    QTest::newRow("1") << 1 << "_PRE_ALARM_POINTVALUE";
    QTest::newRow("2") << 2 << "_VERIFYING_POINTVALUE";
    QTest::newRow("3") << 3 << "_ACTIVE_POINTVALUE";
    QTest::newRow("4") << 4 << "_RESETTING_POINTVALUE";
    QTest::newRow("5") << 5 << "_NORMAL_POINTVALUE";
    QTest::newRow("6") << 6 << "_ACTIVATE_WARN_POINTVALUE";
    QTest::newRow("7") << 7 << "";
}

void tst_PointValues::pointStateText()
{
    QFETCH(int, state);
    QFETCH(QString, text);
    QCOMPARE(::pointStateText(state), text);
}

QTEST_GUILESS_MAIN(tst_PointValues)
#include "tst_pointvalues.moc"
