#include "../pointmodels/ScriptedSite.h"
#include "FakeClock.h"
#include "app/AUK_30001.h"
#include "app/PageStack.h"
#include "frontpanel/InputSignaller.h"
#include "link/SyncClient.h"
#include "screens/status/SystemStandbyTimer.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int TickMs = SystemStandbyTimer::TickMs;
constexpr int FireReset = 0;
constexpr int Initialisation = SystemStandbyTimer::InitialisationKind;

// The home screen, known to the page stack by its class name.
class AUK_30002 final : public Page
{
    Q_OBJECT
};

class Screen final : public Page
{
    Q_OBJECT
};

PageStack *stack()
{
    return PageStack::instance();
}

SystemStandbyTimer *standby()
{
    return SystemStandbyTimer::instance();
}

QStringList names(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *name : list)
        result << QLatin1String(name);
    return result;
}

// The time the countdown popup on top shows.
QString shownTime()
{
    for (const Page *page : stack()->findChildren<Page *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (stack()->isTop(page)) {
            const auto *label = page->findChild<QLabel *>(QStringLiteral("timeLeft"));
            return label ? label->text() : QStringLiteral("no time on ") + PageStack::pageName(page);
        }
    }
    return QStringLiteral("no top page");
}

} // namespace

// The standby countdown: its popups, the keys it blocks and the ways it ends.
class tst_StandbyTimer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fireResetCountsDown();
    void newTimeDuringTheCount();
    void ownTicksStopAtZeroAndStay();
    void zeroEndsTheCountdown_data();
    void zeroEndsTheCountdown();
    void startReturnsHomeAndWakesTheDisplay();
    void initialisationReplacesFireReset();
    void initialisationRestartsAtTwoMinutes();
    void coveredPopupComesBackOnce();
    void linkDropKeepsTheHomeScreen();

private:
    FakeClock m_clock;
};

void tst_StandbyTimer::initTestCase()
{
    static QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    ScriptedSite::reset();
    standby();
}

void tst_StandbyTimer::init()
{
    stack()->setHomeScreenFactory([](int, int) { return new AUK_30002; });
    stack()->push(new AUK_30001);
    stack()->push(new AUK_30002);
}

void tst_StandbyTimer::cleanup()
{
    standby()->StopStandbyCountDown();
    QVERIFY(InputSignaller::keysEnabled());
    PageStack::destroyInstance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_StandbyTimer::fireResetCountsDown()
{
    standby()->startCountdown(30, FireReset);
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002", "AUK_40026"}));
    QVERIFY(!InputSignaller::keysEnabled());
    QCOMPARE(shownTime(), QStringLiteral("--:--"));
    m_clock.advance(TickMs);
    QCOMPARE(shownTime(), QStringLiteral("00:29"));
    m_clock.advance(TickMs);
    QCOMPARE(shownTime(), QStringLiteral("00:28"));
}

void tst_StandbyTimer::newTimeDuringTheCount()
{
    QSignalSpy starts(standby(), &SystemStandbyTimer::StandbyTimerStart);
    standby()->startCountdown(30, FireReset);
    m_clock.advance(TickMs);
    standby()->startCountdown(25, FireReset);
    m_clock.advance(TickMs);
    QCOMPARE(shownTime(), QStringLiteral("00:24"));
    QCOMPARE(starts.count(), 1);
}

// Only the panel ends the wait: a popup whose count ran out stays.
void tst_StandbyTimer::ownTicksStopAtZeroAndStay()
{
    standby()->startCountdown(2, FireReset);
    m_clock.advance(5 * TickMs);
    QVERIFY(standby()->isRunning());
    QVERIFY(!InputSignaller::keysEnabled());
    QCOMPARE(shownTime(), QStringLiteral("--:--"));
    standby()->startCountdown(1, Initialisation);
    m_clock.advance(3 * TickMs);
    QCOMPARE(shownTime(), QStringLiteral("01:57"));
}

void tst_StandbyTimer::zeroEndsTheCountdown_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("fire reset removes its popup") << FireReset << names({"AUK_30001", "AUK_30002", "Screen"});
    QTest::newRow("initialisation returns home") << Initialisation << names({"AUK_30001", "AUK_30002"});
}

void tst_StandbyTimer::zeroEndsTheCountdown()
{
    QFETCH(int, kind);
    QFETCH(QStringList, pages);
    standby()->startCountdown(40, kind);
    stack()->push(new Screen);
    standby()->startCountdown(0, kind);
    QVERIFY(!standby()->isRunning());
    QVERIFY(InputSignaller::keysEnabled());
    QCOMPARE(stack()->pageNames(), pages);
    QCOMPARE(standby()->kind(), kind);
}

void tst_StandbyTimer::startReturnsHomeAndWakesTheDisplay()
{
    stack()->push(new Screen);
    QSignalSpy woken(InputSignaller::instance(), &InputSignaller::userInputReceived);
    standby()->startCountdown(10, FireReset);
    QCOMPARE(woken.count(), 1);
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002", "AUK_40026"}));
}

void tst_StandbyTimer::initialisationReplacesFireReset()
{
    standby()->startCountdown(30, FireReset);
    m_clock.advance(TickMs);
    standby()->startCountdown(90, Initialisation);
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002", "AUK_40047"}));
    QCOMPARE(shownTime(), QStringLiteral("02:00"));
    QCOMPARE(standby()->kind(), Initialisation);
    m_clock.advance(TickMs);
    QCOMPARE(shownTime(), QStringLiteral("01:59"));
}

void tst_StandbyTimer::initialisationRestartsAtTwoMinutes()
{
    standby()->startCountdown(90, Initialisation);
    m_clock.advance(5 * TickMs);
    QCOMPARE(shownTime(), QStringLiteral("01:55"));
    standby()->startCountdown(0, Initialisation);
    standby()->startCountdown(90, Initialisation);
    QCOMPARE(shownTime(), QStringLiteral("02:00"));
}

void tst_StandbyTimer::coveredPopupComesBackOnce()
{
    standby()->startCountdown(30, FireReset);
    stack()->push(new Screen);
    m_clock.advance(TickMs);
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002", "Screen", "AUK_40026"}));
    QCOMPARE(shownTime(), QStringLiteral("00:29"));
}

// The link loss returns to the home screen, which takes the popup with it,
// before the countdown hears of it.
void tst_StandbyTimer::linkDropKeepsTheHomeScreen()
{
    standby()->startCountdown(30, FireReset);
    stack()->showMainScreen(false);
    emit SyncClient::instance()->disconnected();
    QVERIFY(!standby()->isRunning());
    QVERIFY(InputSignaller::keysEnabled());
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002"}));
    m_clock.advance(2 * TickMs);
    QCOMPARE(stack()->pageNames(), names({"AUK_30001", "AUK_30002"}));
}

QTEST_MAIN(tst_StandbyTimer)
#include "tst_standbytimer.moc"
