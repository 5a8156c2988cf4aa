#include "FakeClock.h"
#include "core/SC_Timer.h"
#include "core/TimerDeadline.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// One call on a real timer's deadline, at a time in microseconds, and the
// delay the native timer must be started with (-1: none).
struct DeadlineStep
{
    enum Call { Restart, NativeExpired, Stop } call;
    qint64 atUs;
    int milliseconds;
    int nativeDelay;
};
using DeadlineSteps = QVector<DeadlineStep>;

} // namespace

Q_DECLARE_METATYPE(DeadlineSteps)

// The engine's timer keeps QTimer's interval rules, on the real clock and on
// the fake one alike.
class tst_SC_Timer : public QObject
{
    Q_OBJECT

private slots:
    void intervalRules_data();
    void intervalRules();
    void restartCountsFromNow();
    void newIntervalRestartsOnlyARunningTimer();
    void singleShotAndRepeating_data();
    void singleShotAndRepeating();
    void realTimerDeadline_data();
    void realTimerDeadline();
};

void tst_SC_Timer::intervalRules_data()
{
    QTest::addColumn<bool>("fake");
    QTest::newRow("real clock") << false;
    QTest::newRow("fake clock") << true;
}

void tst_SC_Timer::intervalRules()
{
    QFETCH(bool, fake);
    std::unique_ptr<FakeClock> clock(fake ? new FakeClock : nullptr);
    QObject owner;
    SC_Timer *timer = SC_Timer::create(&owner);
    QCOMPARE(timer->parent(), &owner);
    QCOMPARE(timer->interval(), 0);

    timer->setInterval(60000);
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 60000);

    timer->start();
    QVERIFY(timer->isActive());
    timer->start(90000);
    QCOMPARE(timer->interval(), 90000);
    timer->stop();
    QVERIFY(!timer->isActive());
    timer->start();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 90000);
    timer->stop();
}

void tst_SC_Timer::restartCountsFromNow()
{
    FakeClock clock;
    QObject owner;
    SC_Timer *timer = SC_Timer::create(&owner);
    QSignalSpy fired(timer, &SC_Timer::timeout);
    timer->setSingleShot(true);
    timer->setInterval(1000);
    timer->start();
    clock.advance(600);
    timer->start();
    clock.advance(999);
    QCOMPARE(fired.count(), 0);
    clock.advance(1);
    QCOMPARE(fired.count(), 1);
}

void tst_SC_Timer::newIntervalRestartsOnlyARunningTimer()
{
    FakeClock clock;
    QObject owner;
    SC_Timer *timer = SC_Timer::create(&owner);
    QSignalSpy fired(timer, &SC_Timer::timeout);
    timer->setSingleShot(true);

    timer->setInterval(500);
    clock.advance(1000);
    QVERIFY(!timer->isActive());
    QCOMPARE(fired.count(), 0);

    timer->start(1000);
    clock.advance(700);
    timer->setInterval(500);
    clock.advance(499);
    QCOMPARE(fired.count(), 0);
    clock.advance(1);
    QCOMPARE(fired.count(), 1);
}

void tst_SC_Timer::singleShotAndRepeating_data()
{
    QTest::addColumn<bool>("singleShot");
    QTest::addColumn<int>("firings");
    QTest::newRow("single-shot") << true << 1;
    QTest::newRow("repeating") << false << 3;
}

void tst_SC_Timer::singleShotAndRepeating()
{
    QFETCH(bool, singleShot);
    QFETCH(int, firings);

    FakeClock clock;
    QObject owner;
    SC_Timer *timer = SC_Timer::create(&owner);
    QSignalSpy fired(timer, &SC_Timer::timeout);
    timer->setSingleShot(singleShot);
    timer->start(100);
    clock.advance(350);
    QCOMPARE(fired.count(), firings);
    QCOMPARE(timer->isActive(), !singleShot);
}

void tst_SC_Timer::realTimerDeadline_data()
{
    QTest::addColumn<DeadlineSteps>("steps");
    using S = DeadlineStep;
    QTest::newRow("started, then due") << DeadlineSteps{{S::Restart, 0, 100, 100}, {S::NativeExpired, 100000, 0, -1}};
    QTest::newRow("restarts keep the native timer, which waits the rest")
        << DeadlineSteps{{S::Restart, 0, 100, 100},
                         {S::Restart, 30000, 100, -1},
                         {S::Restart, 60000, 100, -1},
                         {S::NativeExpired, 100000, 0, 60},
                         {S::NativeExpired, 160000, 0, -1}};
    QTest::newRow("an earlier deadline starts the native timer again")
        << DeadlineSteps{{S::Restart, 0, 1000, 1000}, {S::Restart, 100000, 50, 50}, {S::NativeExpired, 150000, 0, -1}};
    QTest::newRow("stopped, a restart starts the native timer")
        << DeadlineSteps{{S::Restart, 0, 100, 100}, {S::Stop, 10000, 0, -1}, {S::Restart, 20000, 100, 100}};
    QTest::newRow("the rest is rounded up to whole milliseconds")
        << DeadlineSteps{{S::Restart, 0, 100, 100}, {S::Restart, 500, 100, -1}, {S::NativeExpired, 100000, 0, 1}};
    QTest::newRow("a native timer a fraction early is due")
        << DeadlineSteps{{S::Restart, 0, 100, 100}, {S::NativeExpired, 99900, 0, -1}};
    QTest::newRow("a native timer late past the moved deadline is due")
        << DeadlineSteps{{S::Restart, 0, 100, 100}, {S::Restart, 50000, 100, -1}, {S::NativeExpired, 170000, 0, -1}};
}

// The real timer's restarts move a deadline; its native timer runs again
// only when it would expire too late or has expired too early.
void tst_SC_Timer::realTimerDeadline()
{
    QFETCH(DeadlineSteps, steps);
    TimerDeadline deadline;
    for (const DeadlineStep &step : qAsConst(steps)) {
        const qint64 now = step.atUs * 1000;
        std::optional<int> delay;
        if (step.call == DeadlineStep::Restart)
            delay = deadline.restart(now, step.milliseconds);
        else if (step.call == DeadlineStep::NativeExpired)
            delay = deadline.nativeExpired(now);
        else
            deadline.stop();
        QCOMPARE(delay.value_or(-1), step.nativeDelay);
    }
}

QTEST_GUILESS_MAIN(tst_SC_Timer)
#include "tst_sctimer.moc"
