#include "FakeClock.h"
#include "app/AUK_30001.h"
#include "app/FireTimer.h"
#include "app/PageStack.h"
#include "app/SystemState.h"
#include "frontpanel/InputSignaller.h"
#include "link/SyncClient.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int ReshowMs = FireTimer::ReshowMs;

class AUK_30002 final : public Page
{
    Q_OBJECT
};

class AUK_30086 final : public Page
{
    Q_OBJECT
};

class Screen final : public Page
{
    Q_OBJECT
};

class Popup final : public Page
{
    Q_OBJECT

public:
    bool isPopup() const override { return true; }
};

QStringList names(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *name : list)
        result << QLatin1String(name);
    return result;
}

PageStack *stack()
{
    return PageStack::instance();
}

} // namespace

// The fire display comes back to the front while a fire lasts.
class tst_FireTimer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fireShowsHomeAndFireScreens();
    void reshowsWithoutInput();
    void inputPostponesTheReshow();
    void secondFireStartChangesNothing();
    void fireStartWithoutAFireStops();
    void fireResetShowsHomeOnce();
    void linkLossEndsTheFireDisplay();
    void fireResetSeenInTheLog();
    void newFireEventRestarts();

private:
    void startFire();

    FakeClock m_clock;
    int m_fireShows = 0;
};

void tst_FireTimer::initTestCase()
{
    static QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    FireTimer::instance();
    // Out of the way: the system state enters its first connection state.
    QTRY_VERIFY(SystemState::instance()->isDisconnected());
}

void tst_FireTimer::init()
{
    m_fireShows = 0;
    stack()->setHomeScreenFactory([](int, int) { return new AUK_30002; });
    stack()->setFireScreenFactory([this](int, bool) {
        ++m_fireShows;
        return new AUK_30086;
    });
    stack()->push(new AUK_30001);
    stack()->push(new AUK_30002);
}

void tst_FireTimer::cleanup()
{
    SystemState::instance()->setFireActive(false);
    QVERIFY(!FireTimer::instance()->isRunning());
    PageStack::destroyInstance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_FireTimer::startFire()
{
    SystemState::instance()->setFireActive(true);
    QCOMPARE(m_fireShows, 1);
    QVERIFY(FireTimer::instance()->isRunning());
}

void tst_FireTimer::fireShowsHomeAndFireScreens()
{
    stack()->push(new Screen);
    stack()->push(new Popup);
    startFire();
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002", "AUK_30086"}));
}

void tst_FireTimer::reshowsWithoutInput()
{
    startFire();
    stack()->push(new Screen);
    m_clock.advance(ReshowMs - 1);
    QCOMPARE(m_fireShows, 1);
    m_clock.advance(1);
    QCOMPARE(m_fireShows, 2);
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002", "AUK_30086"}));
    m_clock.advance(ReshowMs);
    QCOMPARE(m_fireShows, 3);
}

// A touch restarts the period: the next re-show comes a whole period after
// the touch, not after the last re-show.
void tst_FireTimer::inputPostponesTheReshow()
{
    startFire();
    m_clock.advance(ReshowMs * 2 / 3);
    QCOMPARE(m_fireShows, 1);
    emit InputSignaller::instance()->userInputReceived();
    m_clock.advance(ReshowMs - 1);
    QCOMPARE(m_fireShows, 1);
    m_clock.advance(1);
    QCOMPARE(m_fireShows, 2);
}

void tst_FireTimer::secondFireStartChangesNothing()
{
    startFire();
    stack()->push(new Screen);
    emit SystemState::instance()->fireStarted();
    QCOMPARE(m_fireShows, 1);
    QVERIFY(stack()->isTopPage(QStringLiteral("Screen")));
}

void tst_FireTimer::fireStartWithoutAFireStops()
{
    FireTimer::instance()->fireNewEvent();
    QVERIFY(FireTimer::instance()->isRunning());
    FireTimer::instance()->fireStart();
    QVERIFY(!FireTimer::instance()->isRunning());
}

void tst_FireTimer::fireResetShowsHomeOnce()
{
    startFire();
    stack()->push(new Screen);
    SystemState::instance()->setFireActive(false);
    QVERIFY(!FireTimer::instance()->isRunning());
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002"}));
    QCOMPARE(m_fireShows, 1);
}

void tst_FireTimer::linkLossEndsTheFireDisplay()
{
    startFire();
    stack()->push(new Screen);
    emit SyncClient::instance()->disconnected();
    QVERIFY(!FireTimer::instance()->isRunning());
    QVERIFY(!stack()->isTopPage(QStringLiteral("Screen")));
}

void tst_FireTimer::fireResetSeenInTheLog()
{
    stack()->push(new Popup);
    FireTimer::instance()->newFireReset();
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002", "Popup"}));

    stack()->push(new Screen);
    FireTimer::instance()->newFireReset();
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002"}));
}

void tst_FireTimer::newFireEventRestarts()
{
    stack()->push(new Screen);
    FireTimer::instance()->fireNewEvent();
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002"}));
    QVERIFY(FireTimer::instance()->isRunning());
    FireTimer::instance()->fireReset();
    QVERIFY(!FireTimer::instance()->isRunning());
}

QTEST_MAIN(tst_FireTimer)
#include "tst_firetimer.moc"
