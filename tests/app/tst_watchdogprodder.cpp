#include "FakeClock.h"
#include "RecordingService.h"
#include "app/WatchdogProdder.h"

#include <QtTest>

class TestWatchdogProdder final : public QObject
{
    Q_OBJECT

private slots:
    void registersThenKeepsAliveAtOnce();
    void keepsAliveEveryInterval();
    void defaultIntervalIsFiveSeconds();

private:
    FakeClock m_clock;
};

void TestWatchdogProdder::registersThenKeepsAliveAtOnce()
{
    RecordingService watchdog(QStringLiteral("svc.watchdog"));
    QVERIFY(watchdog.isServing());

    WatchdogProdder prodder(QStringLiteral("tesk"), 600000, 10000);
    const QStringList expected{QStringLiteral("registerTimer tesk 600000 10000"),
                               QStringLiteral("keepAlive tesk 600000 10000")};
    QTRY_COMPARE(watchdog.calls(), expected);
}

void TestWatchdogProdder::keepsAliveEveryInterval()
{
    RecordingService watchdog(QStringLiteral("svc.watchdog"));
    QVERIFY(watchdog.isServing());

    WatchdogProdder prodder(QStringLiteral("tesk"), 600000, 10000, 20);
    QCOMPARE(prodder.prodInterval(), 20);
    m_clock.advance(2 * 20);
    QTRY_COMPARE(watchdog.calls().size(), 4);

    const QStringList calls = watchdog.calls();
    QCOMPARE(calls.constFirst(), QStringLiteral("registerTimer tesk 600000 10000"));
    for (const QString &call : calls.mid(1))
        QCOMPARE(call, QStringLiteral("keepAlive tesk 600000 10000"));

    // The main loop drives the keep-alive: kicks come from the timer, one
    // per interval, not in a burst.
    watchdog.clear();
    m_clock.advance(3 * 20);
    QTRY_COMPARE(watchdog.calls().size(), 3);
}

void TestWatchdogProdder::defaultIntervalIsFiveSeconds()
{
    WatchdogProdder prodder(QStringLiteral("tesk"), 600000, 10000);
    QCOMPARE(prodder.prodInterval(), 5000);
    QCOMPARE(WatchdogProdder::ProdInterval, 5000);
}

QTEST_GUILESS_MAIN(TestWatchdogProdder)
#include "tst_watchdogprodder.moc"
