#include "FakeClock.h"
#include "app/AUK_30001.h"
#include "app/DelaySignal.h"
#include "app/PageStack.h"
#include "app/QuiescentStateMachine.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "frontpanel/InputSignaller.h"
#include "frontpanel/USBController.h"
#include "link/SyncClient.h"
#include "paneldata/PanelCounters.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Shorter than the operator's log-out time, which would end a log-on first.
constexpr int QuietMs = 100;
const QString Idle = QStringLiteral("QuiesentState");
const QString Timing = QStringLiteral("QuiescentTimingState");
const QString Off = QStringLiteral("QuiesentOffState");

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

SystemState *state()
{
    return SystemState::instance();
}

void touch()
{
    emit InputSignaller::instance()->userInputReceived();
}

void setLinkUp(bool up)
{
    emit SyncClient::instance()->updateEnetConnectedToPanel(up);
}

// A bucket-0 flag, written as the controller's pages write it.
void setEngineFlag(const char *key, const char *value)
{
    BucketMaster *store = BucketMaster::instance();
    store->receiveSyncCommand({BucketCmd::SetValue, 0, QLatin1String(key), QLatin1String(value)});
    store->receiveSyncCommand({BucketCmd::PageUpdated, 0, QString(), QString()});
}

} // namespace

// When the panel falls back to its idle view, and what holds it off.
class tst_Quiescent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsOffWithoutAConnection();
    void idleAfterAQuietPeriodHomeOnTouch();
    void inputKeepsThePanelAwake();
    void usbStickLeavesTheIdleView();
    void nothingIdlesWhileActive_data();
    void nothingIdlesWhileActive();
    void fireInTheIdleView();
    void losingTheLinkHoldsOff();
    void pendingInformation_data();
    void pendingInformation();
    void faultsAndDisablements_data();
    void faultsAndDisablements();
    void warningsCount();
    void logOnWithKeyAccessStaysIdle();
    void delayTurnsABurstIntoOne();

private:
    void reachIdle();

    FakeClock m_clock;
    std::unique_ptr<QuiescentStateMachine> m_machine;
};

void tst_Quiescent::initTestCase()
{
    static QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    state()->watchEthernetLink(SyncClient::instance());
    QTRY_VERIFY(state()->isDisconnected());
}

void tst_Quiescent::init()
{
    TeskGlobalConfig::instance()->setKeyswitchEnabled(false);
    stack()->setHomeScreenFactory([](int, int) { return new AUK_30002; });
    stack()->push(new AUK_30001);
    stack()->push(new AUK_30002);
    m_machine = std::make_unique<QuiescentStateMachine>();
    m_machine->setInactivityInterval(QuietMs);
    QTRY_COMPARE(m_machine->currentState(), Off);
}

void tst_Quiescent::cleanup()
{
    m_machine.reset();
    setLinkUp(false);
    Security::instance()->permissionsUpdate(255, 0);
    state()->setFireActive(false);
    for (const char *key : {"sndrsoff", "protnoff", "sgnlngoff", "extngshractv", "keySfDrAlrm"})
        setEngineFlag(key, "0");
    PageStack::destroyInstance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_Quiescent::reachIdle()
{
    setLinkUp(true);
    QTRY_COMPARE(m_machine->currentState(), Timing);
    m_clock.advance(QuietMs);
    QTRY_COMPARE(m_machine->currentState(), Idle);
}

void tst_Quiescent::startsOffWithoutAConnection()
{
    QVERIFY(!m_machine->isQuiescentAllowed());
    m_clock.advance(QuietMs * 2);
    QCOMPARE(m_machine->currentState(), Off);
    QCOMPARE(stack()->count(), 2);
}

void tst_Quiescent::idleAfterAQuietPeriodHomeOnTouch()
{
    stack()->push(new Screen);
    setLinkUp(true);
    QTRY_COMPARE(m_machine->currentState(), Timing);
    QCOMPARE(stack()->count(), 3);

    m_clock.advance(QuietMs - 1);
    QCOMPARE(m_machine->currentState(), Timing);
    m_clock.advance(1);
    QTRY_COMPARE(m_machine->currentState(), Idle);
    QCOMPARE(stack()->pageNames(), QStringList{QStringLiteral("AUK_30001")});

    touch();
    QTRY_COMPARE(m_machine->currentState(), Timing);
    QCOMPARE(stack()->pageNames(), (QStringList{QStringLiteral("AUK_30001"), QStringLiteral("AUK_30002")}));
}

// A stick with something to offer wakes the panel, so its offer can show.
void tst_Quiescent::usbStickLeavesTheIdleView()
{
    reachIdle();
    emit USBController::instance()->quitQuiescentState();
    QTRY_COMPARE(m_machine->currentState(), Timing);
}

void tst_Quiescent::inputKeepsThePanelAwake()
{
    setLinkUp(true);
    QTRY_COMPARE(m_machine->currentState(), Timing);
    // Touches more often than the quiet period keep the panel out of its
    // idle view for as long as they go on.
    for (int touches = 0; touches < 12; ++touches) {
        touch();
        m_clock.advance(QuietMs / 4);
        QCOMPARE(m_machine->currentState(), Timing);
    }
    m_clock.advance(QuietMs);
    QTRY_COMPARE(m_machine->currentState(), Idle);
}

void tst_Quiescent::nothingIdlesWhileActive_data()
{
    QTest::addColumn<QString>("what");

    QTest::newRow("fire") << "fire";
    QTest::newRow("fault") << "fault";
    QTest::newRow("evacuation") << "evacuation";
    QTest::newRow("operator logged on") << "logon";
    QTest::newRow("engineer logged on") << "engineer";
    QTest::newRow("logged on through a long task") << "block";
    QTest::newRow("key switch in") << "key";
}

void tst_Quiescent::nothingIdlesWhileActive()
{
    QFETCH(QString, what);

    TeskGlobalConfig::instance()->setKeyswitchEnabled(what == QLatin1String("key"));
    setLinkUp(true);
    QTRY_COMPARE(m_machine->currentState(), Timing);

    Security *security = Security::instance();
    std::function<void()> end;
    if (what == QLatin1String("fire")) {
        state()->setFireActive(true);
        end = [] { state()->setFireActive(false); };
    } else if (what == QLatin1String("fault")) {
        state()->setFaultActive(true);
        end = [] { state()->setFaultActive(false); };
    } else if (what == QLatin1String("evacuation")) {
        state()->setEvacuationActive(true);
        end = [] { state()->setEvacuationActive(false); };
    } else if (what == QLatin1String("logon") || what == QLatin1String("engineer")) {
        security->permissionsUpdate(5, what == QLatin1String("logon") ? 3 : 12);
        end = [security] { security->permissionsUpdate(255, 0); };
    } else if (what == QLatin1String("block")) {
        security->permissionsUpdate(5, 3);
        security->blockTimeLogout(true);
        end = [security] { security->permissionsUpdate(255, 0); };
    } else {
        security->keyswitchUpdateSlot(true);
        end = [security] { security->keyswitchUpdateSlot(false); };
    }
    QTRY_COMPARE(m_machine->currentState(), Off);
    stack()->push(new Screen);
    m_clock.advance(QuietMs * 3);
    QCOMPARE(m_machine->currentState(), Off);
    QVERIFY(stack()->isTopPage(QStringLiteral("Screen")));

    // Once it ends, a whole quiet period must pass again.
    end();
    QTRY_COMPARE(m_machine->currentState(), Timing);
    m_clock.advance(QuietMs - 1);
    QCOMPARE(m_machine->currentState(), Timing);
    m_clock.advance(1);
    QTRY_COMPARE(m_machine->currentState(), Idle);
}

void tst_Quiescent::fireInTheIdleView()
{
    reachIdle();
    state()->setFireActive(true);
    QTRY_COMPARE(m_machine->currentState(), Off);
    // Leaving the idle view for a fire leaves the fire display to others.
    QCOMPARE(stack()->count(), 1);
    state()->setFireActive(false);
    QTRY_COMPARE(m_machine->currentState(), Timing);
}

void tst_Quiescent::losingTheLinkHoldsOff()
{
    reachIdle();
    setLinkUp(false);
    QTRY_COMPARE(m_machine->currentState(), Off);
    QVERIFY(!m_machine->isQuiescentAllowed());
    setLinkUp(true);
    QTRY_COMPARE(m_machine->currentState(), Timing);
}

void tst_Quiescent::pendingInformation_data()
{
    QTest::addColumn<int>("bucket");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("cleared");

    for (const char *flag : {"sndrsoff", "protnoff", "sgnlngoff", "extngshractv", "keySfDrAlrm"})
        QTest::newRow(flag) << 0 << flag << "1"
                            << "0";
    QTest::newRow("information text") << 18 << "254|0|1"
                                      << "Ring the caretaker"
                                      << "";
    QTest::newRow("alarm warnings") << 5 << "254|alarmWrngs"
                                    << "2"
                                    << "0";
}

void tst_Quiescent::pendingInformation()
{
    QFETCH(int, bucket);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, cleared);

    reachIdle();
    QSignalSpy activated(m_machine.get(), &QuiescentStateMachine::systemSummaryActivated);
    QSignalSpy deactivated(m_machine.get(), &QuiescentStateMachine::systemSummaryDeactivated);
    BucketMaster *store = BucketMaster::instance();
    auto write = [store, bucket, key](const QString &text) {
        store->receiveSyncCommand({BucketCmd::SetValue, bucket, key, text});
        store->receiveSyncCommand({BucketCmd::PageUpdated, bucket, QString(), QString()});
    };

    write(value);
    QCOMPARE(activated.count(), 1);
    QVERIFY(m_machine->isSummaryActive());
    QTRY_COMPARE(m_machine->currentState(), Off);
    write(value);
    QCOMPARE(activated.count(), 1);

    write(cleared);
    QCOMPARE(deactivated.count(), 1);
    QTRY_COMPARE(m_machine->currentState(), Timing);
}

void tst_Quiescent::faultsAndDisablements_data()
{
    QTest::addColumn<bool>("faults");
    QTest::newRow("faults") << true;
    QTest::newRow("disablements") << false;
}

// The status counts page stores these counts before it announces bucket 5.
void tst_Quiescent::faultsAndDisablements()
{
    QFETCH(bool, faults);

    reachIdle();
    PanelCounters *counters = PanelCounters::instance();
    auto announce = [] {
        BucketMaster::instance()->receiveSyncCommand({BucketCmd::PageUpdated, 5, QString(), QString()});
    };
    if (faults)
        counters->setFaults(3, 254);
    else
        counters->setDisablements(1, 254);
    announce();
    QVERIFY(m_machine->isSummaryActive());
    QTRY_COMPARE(m_machine->currentState(), Off);

    counters->clear();
    announce();
    QVERIFY(!m_machine->isSummaryActive());
    QTRY_COMPARE(m_machine->currentState(), Timing);
}

void tst_Quiescent::warningsCount()
{
    QSignalSpy activated(m_machine.get(), &QuiescentStateMachine::systemSummaryActivated);
    QVERIFY(EL_EventLogDBbase::instance()->execStatement(
        QStringLiteral("INSERT INTO EventLog (seqNo, node, eventCat, acceptStatus, restoredEventStatus) "
                       "VALUES (1, 3, 1, 3, 0)")));
    m_machine->updateWarningsCounter();
    QCOMPARE(activated.count(), 1);

    QVERIFY(EL_EventLogDBbase::instance()->execStatement(QStringLiteral("DELETE FROM EventLog")));
    m_machine->updateWarningsCounter();
    QVERIFY(!m_machine->isSummaryActive());
}

void tst_Quiescent::logOnWithKeyAccessStaysIdle()
{
    reachIdle();
    TeskGlobalConfig::instance()->setKeyswitchEnabled(true);
    Security::instance()->permissionsUpdate(5, 3);
    m_clock.advance(QuietMs);
    QCOMPARE(m_machine->currentState(), Idle);
}

void tst_Quiescent::delayTurnsABurstIntoOne()
{
    QObject source;
    QTimer receiver;
    DelaySignal relay;
    QSignalSpy ready(&relay, &DelaySignal::signalReady);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("noSuchSignal"));
    QVERIFY(!relay.connectDelayed(&source, SIGNAL(noSuchSignal()), &receiver, SLOT(start()), 300));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("noSuchSlot"));
    QVERIFY(!relay.connectDelayed(&source, SIGNAL(objectNameChanged(QString)), &receiver, SLOT(noSuchSlot()), 300));
    QCOMPARE(relay.delay(), DelaySignal::DefaultDelayMs);
    QVERIFY(relay.connectDelayed(&source, SIGNAL(objectNameChanged(QString)), &receiver, SLOT(stop()), 300));
    QCOMPARE(relay.delay(), 300);

    // A signal 100 ms after the first adds nothing; the one signalReady()
    // comes the delay after the first.
    source.setObjectName(QStringLiteral("first"));
    m_clock.advance(100);
    source.setObjectName(QStringLiteral("second"));
    m_clock.advance(199);
    QCOMPARE(ready.count(), 0);
    m_clock.advance(1);
    QCOMPARE(ready.count(), 1);
    m_clock.advance(400);
    QCOMPARE(ready.count(), 1);
}

QTEST_MAIN(tst_Quiescent)
#include "tst_quiescent.moc"
