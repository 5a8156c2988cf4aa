#include "FakeClock.h"
#include "core/SC_Timer.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

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

QTEST_GUILESS_MAIN(tst_SC_Timer)
#include "tst_sctimer.moc"
