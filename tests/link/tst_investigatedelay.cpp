#include "FakeClock.h"
#include "link/InvestigateDelayTimer.h"
#include "link/SyncClient.h"

#include <QtTest>

#include <memory>

namespace {

// Records the timer's signals in order, ticks with their arguments.
struct Recorder
{
    QStringList events;

    explicit Recorder(InvestigateDelayTimer *timer)
    {
        QObject::connect(timer, &InvestigateDelayTimer::investigateDelayStart, [this] { events << "start"; });
        QObject::connect(timer, &InvestigateDelayTimer::investigateDelayContextChange, [this] { events << "context"; });
        QObject::connect(timer, &InvestigateDelayTimer::investigateDelayFinished, [this] { events << "finished"; });
        QObject::connect(timer, &InvestigateDelayTimer::investigateDelayTimeoutEvent, [this] { events << "timeout"; });
        QObject::connect(timer, &InvestigateDelayTimer::investigateDelayTimeTick,
                         [this](int minutes, int seconds, eDlyContext context) {
                             events << QStringLiteral("tick %1:%2 %3").arg(minutes).arg(seconds).arg(int(context));
                         });
    }
    QStringList take()
    {
        QStringList taken = events;
        events.clear();
        return taken;
    }
};

} // namespace

class tst_InvestigateDelay final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startWhileIdle();
    void correctionWhileCounting();
    void lastSecond();
    void linkLoss();
    void zeroWhileIdle();
    void evacuationStops();
    void countsDownOncePerSecond();

private:
    std::unique_ptr<FakeClock> m_clock;
    InvestigateDelayTimer *m_timer = nullptr;
    std::unique_ptr<Recorder> m_recorder;
};

void tst_InvestigateDelay::init()
{
    m_clock = std::make_unique<FakeClock>();
    m_timer = InvestigateDelayTimer::instance();
    m_recorder = std::make_unique<Recorder>(m_timer);
}

void tst_InvestigateDelay::cleanup()
{
    m_recorder.reset();
    InvestigateDelayTimer::destroyInstance();
    SyncClient::destroyInstance();
    m_clock.reset();
}

void tst_InvestigateDelay::startWhileIdle()
{
    m_timer->startDelay(90, 1);
    QCOMPARE(m_recorder->take(), (QStringList{"start", "context"}));
    QVERIFY(m_timer->isCounting());
    QCOMPARE(m_timer->currentContext(), 1);
    m_clock->advance(1000);
    QCOMPARE(m_recorder->take(), QStringList{"tick 1:29 1"});
    QCOMPARE(m_timer->remainingMinutes(), 1);
    QCOMPARE(m_timer->remainingSeconds(), 29);
}

void tst_InvestigateDelay::correctionWhileCounting()
{
    m_timer->startDelay(90, 1);
    m_clock->advance(500);
    m_recorder->take();
    m_timer->startDelay(65, 2);
    QCOMPARE(m_recorder->take(), QStringList{"context"});
    m_clock->advance(500);
    QCOMPARE(m_recorder->take(), QStringList{"tick 1:4 2"});
    m_timer->startDelay(60, 2);
    QCOMPARE(m_recorder->take(), QStringList());
}

void tst_InvestigateDelay::lastSecond()
{
    m_timer->startDelay(1, 2);
    m_recorder->take();
    m_clock->advance(1000);
    QCOMPARE(m_recorder->take(), (QStringList{"tick 0:0 2", "finished", "timeout"}));
    QVERIFY(!m_timer->isCounting());
    QCOMPARE(m_timer->currentContext(), 0);
    m_clock->advance(5000);
    QCOMPARE(m_recorder->take(), QStringList());
}

void tst_InvestigateDelay::linkLoss()
{
    m_timer->startDelay(30, 1);
    m_recorder->take();
    SyncClient::instance()->LinkStatus(true, 2);
    SyncClient::instance()->LinkStatus(false, 2);
    QCOMPARE(m_recorder->take(), (QStringList{"tick 0:0 0", "finished"}));
    QVERIFY(!m_timer->isCounting());
    m_clock->advance(60000);
    QCOMPARE(m_recorder->take(), QStringList());
}

void tst_InvestigateDelay::zeroWhileIdle()
{
    m_timer->startDelay(0, 0);
    QCOMPARE(m_recorder->take(), QStringList{"finished"});
    // The seconds are an unsigned 16-bit count: 65536 is 0.
    m_timer->startDelay(65536, 0);
    QCOMPARE(m_recorder->take(), QStringList{"finished"});
}

void tst_InvestigateDelay::evacuationStops()
{
    m_timer->startDelay(30, 1);
    m_recorder->take();
    m_timer->stopCountdown();
    QCOMPARE(m_recorder->take(), QStringList{"finished"});
    QVERIFY(!m_timer->isCounting());
    QCOMPARE(m_timer->remainingSeconds(), 0);
}

void tst_InvestigateDelay::countsDownOncePerSecond()
{
    m_timer->startDelay(3, 1);
    m_recorder->take();
    m_clock->advance(3000);
    QCOMPARE(m_recorder->take(), (QStringList{"tick 0:2 1", "tick 0:1 1", "tick 0:0 1", "finished", "timeout"}));
}

QTEST_GUILESS_MAIN(tst_InvestigateDelay)
#include "tst_investigatedelay.moc"
