#include "EventFixtures.h"
#include "FakeClock.h"
#include "FakeHistoricLogClient.h"
#include "MessageCapture.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/HistoricEventsSynchronizer.h"
#include "eventlog/HistoricEventsSynchronizerFSM/MyEvent.h"

#include <QtTest>

#include <memory>

using EventLog::HistoricEventsSynchronizer;

namespace {

constexpr qint64 startDelay = HistoricEventsSynchronizer::StartDelayMs;
constexpr qint64 supervision = HistoricEventsSynchronizer::SupervisionMs;
constexpr qint64 restartDelay = HistoricEventsSynchronizer::RestartDelayMs;
constexpr quint16 clientId = 7;

} // namespace

class TestHistoricSync final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsIdle();
    void namedStatesAndTransitions();
    void launch_registers45sLater();
    void launch_twiceRegistersOnce();
    void launch_twiceRunsOnceEvenWhenTheRunEndsQuickly();
    void registration_acceptedStoresClientId();
    void registration_unansweredRetriesEvery90s();
    void data_storedAsHistoricAndAcknowledged_data();
    void data_storedAsHistoricAndAcknowledged();
    void data_forAnotherClientIgnored();
    void data_beforeRegistrationIgnored();
    void data_failedInsertStillAcknowledged();
    void registered_quietForAMinuteDeregisters();
    void registered_packetEvery50sKeepsItOpen();
    void registered_transferEnds_data();
    void registered_transferEnds();
    void registered_ignoresOtherAcks_data();
    void registered_ignoresOtherAcks();
    void deregistration_confirmedFinishes();
    void deregistration_unansweredRetries();
    void stop_whileRegisteringFinishesWithoutDeregistration();
    void disconnect_thenLaunchRunsAgain();
    void finished_thenLaunchRunsAgain();
    void refusedFireReset_launchesRun();
    void refusedFireReset_acceptedOnceTheRunFillsTheGap_data();
    void refusedFireReset_acceptedOnceTheRunFillsTheGap();
    void instance_usesLinkClient();

private:
    void launchAndAdvance();
    void registerAs(quint16 id);

    FakeClock m_clock;
    std::unique_ptr<FakeHistoricLogClient> m_client;
    std::unique_ptr<HistoricEventsSynchronizer> m_sync;
};

void TestHistoricSync::init()
{
    EL_EventLogDBbase::destroyInstance();
    m_client = std::make_unique<FakeHistoricLogClient>();
    m_sync = std::make_unique<HistoricEventsSynchronizer>(m_client.get());
    QTRY_COMPARE(m_sync->stateName(), QStringLiteral("IdleState"));
}

void TestHistoricSync::cleanup()
{
    m_sync.reset();
    m_client.reset();
    EL_EventLogDBbase::destroyInstance();
    EventLog::HighPriorityStatus::install(nullptr);
}

// launch(), then the 45 s until the registration goes out.
void TestHistoricSync::launchAndAdvance()
{
    m_sync->launch();
    QCoreApplication::sendPostedEvents();
    m_clock.advance(startDelay);
    QTRY_COMPARE(m_sync->stateName(), QStringLiteral("RegisteringState"));
}

void TestHistoricSync::registerAs(quint16 id)
{
    launchAndAdvance();
    m_client->answer(id, 0);
    QCOMPARE(m_sync->stateName(), QStringLiteral("RegisteredState"));
    m_client->calls.clear();
}

void TestHistoricSync::startsIdle()
{
    QVERIFY(!m_sync->isRunning());
    QVERIFY(m_client->calls.isEmpty());
    m_clock.advance(10 * supervision);
    QCOMPARE(m_sync->stateName(), QStringLiteral("IdleState"));
}

// The machine a reader finds is made of the named states and transitions,
// each in its place.
void TestHistoricSync::namedStatesAndTransitions()
{
    auto *machine = m_sync->findChild<QStateMachine *>();
    QVERIFY(machine);
    const auto nameOf = [](const QObject *object) {
        return QString::fromLatin1(object->metaObject()->className())
            .remove(QStringLiteral("EventLog::HistoricEventsSynchronizerFSM::"));
    };
    QStringList states;
    for (const QAbstractState *state : machine->findChildren<QAbstractState *>()) {
        const QString parent = state->parentState() == machine ? QString() : nameOf(state->parentState()) + "/";
        states << parent + nameOf(state);
    }
    states.sort();
    QCOMPARE(states, (QStringList{"ErrorState", "ErrorState/DisconnectedErrorState", "ErrorState/TimeoutErrorState",
                                  "FinishedState", "IdleState", "RunningState", "RunningState/DeRegisteringState",
                                  "RunningState/RegisteredState", "RunningState/RegisteringState"}));
    QStringList transitions;
    for (const QAbstractTransition *transition : machine->findChildren<QAbstractTransition *>()) {
        if (QString(transition->metaObject()->className()).startsWith("EventLog::"))
            transitions << nameOf(transition->sourceState()) + " " + nameOf(transition) + " "
                               + nameOf(transition->targetState());
    }
    transitions.sort();
    QCOMPARE(
        transitions,
        (QStringList{
            "DeRegisteringState AckTypeTransition FinishedState", "DisconnectedErrorState StartTransition RunningState",
            "ErrorState RestartTransition RunningState", "FinishedState StartTransition RunningState",
            "IdleState StartTransition RunningState", "RegisteredState AckTypeTransition DeRegisteringState",
            "RegisteredState AckTypeTransition DeRegisteringState", "RegisteredState DataTransition RegisteredState",
            "RegisteredState StopTransition DeRegisteringState", "RegisteringState AckTypeTransition RegisteredState",
            "RunningState StopTransition FinishedState"}));
    QCOMPARE(QEvent::Type(EventLog::HistoricEventsSynchronizerFSM::MyEvent<1001>::type()), QEvent::Type(1001));
}

void TestHistoricSync::launch_registers45sLater()
{
    m_sync->launch();
    QCoreApplication::sendPostedEvents();
    m_clock.advance(startDelay - 1);
    QCoreApplication::processEvents();
    QCOMPARE(m_sync->stateName(), QStringLiteral("IdleState"));
    QVERIFY(m_client->calls.isEmpty());

    m_clock.advance(1);

    QTRY_COMPARE(m_sync->stateName(), QStringLiteral("RegisteringState"));
    QVERIFY(m_sync->isRunning());
    QCOMPARE(m_client->calls, QStringList{"register 2,0,0,3"});
    const EventLog::RegistrationFilter &filter = *m_client->lastFilter;
    QCOMPARE(filter.leadingBytes, (std::array<quint8, 6>{{1, 1, 0, 0, 0, 0}}));
    QCOMPARE(filter.firstWords, (std::array<quint16, 3>{{65535, 0, 0}}));
    QCOMPARE(filter.middleBytes, (std::array<quint8, 2>{{3, 255}}));
    QCOMPARE(filter.lastWords, (std::array<quint16, 2>{{65535, 0}}));
}

void TestHistoricSync::launch_twiceRegistersOnce()
{
    m_sync->launch();
    QCoreApplication::sendPostedEvents();
    m_clock.advance(20000);
    m_sync->launch();
    QCoreApplication::sendPostedEvents();

    m_clock.advance(startDelay);
    QCoreApplication::processEvents();

    QCOMPARE(m_sync->stateName(), QStringLiteral("RegisteringState"));
    QCOMPARE(m_client->calls, QStringList{"register 2,0,0,3"});
}

// The second start was posted before the run began; once the run has
// begun it is void, and must not fetch the whole log again after the run.
void TestHistoricSync::launch_twiceRunsOnceEvenWhenTheRunEndsQuickly()
{
    m_sync->launch();
    QCoreApplication::sendPostedEvents();
    m_clock.advance(20000);
    m_sync->launch();
    QCoreApplication::sendPostedEvents();
    m_clock.advance(startDelay - 20000);
    QTRY_COMPARE(m_sync->stateName(), QStringLiteral("RegisteringState"));
    m_client->answer(clientId, 0);
    m_client->answer(clientId, 12);
    m_client->answer(clientId, 2);
    QCOMPARE(m_sync->stateName(), QStringLiteral("FinishedState"));
    m_client->calls.clear();

    m_clock.advance(startDelay);
    QCoreApplication::processEvents();

    QCOMPARE(m_sync->stateName(), QStringLiteral("FinishedState"));
    QVERIFY(m_client->calls.isEmpty());
}

void TestHistoricSync::registration_acceptedStoresClientId()
{
    launchAndAdvance();
    m_client->calls.clear();

    m_client->answer(clientId, 0);

    QCOMPARE(m_sync->stateName(), QStringLiteral("RegisteredState"));
    QCOMPARE(m_client->calls, (QStringList{"setClientId 7", "requestAck 1,0 ack#1"}));
}

// With no answer, every 90 s: 60 s waiting, then 30 s before trying again.
void TestHistoricSync::registration_unansweredRetriesEvery90s()
{
    launchAndAdvance();

    m_clock.advance(supervision);
    QTRY_COMPARE(m_sync->stateName(), QStringLiteral("TimeoutErrorState"));
    QVERIFY(!m_sync->isRunning());
    QCOMPARE(m_client->calls, (QStringList{"register 2,0,0,3", "clearHistoricClient"}));

    m_clock.advance(restartDelay - 1);
    QCoreApplication::processEvents();
    QCOMPARE(m_sync->stateName(), QStringLiteral("TimeoutErrorState"));
    m_clock.advance(1);
    QTRY_COMPARE(m_sync->stateName(), QStringLiteral("RegisteringState"));

    m_clock.advance(supervision + restartDelay);
    QTRY_COMPARE(m_sync->stateName(), QStringLiteral("RegisteringState"));
    QCOMPARE(m_client->calls.count(QStringLiteral("register 2,0,0,3")), 3);

    // An answer at last.
    m_client->answer(clientId, 0);
    QCOMPARE(m_sync->stateName(), QStringLiteral("RegisteredState"));
}

void TestHistoricSync::data_storedAsHistoricAndAcknowledged_data()
{
    QTest::addColumn<bool>("acksExpected");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("acknowledged") << true << QStringList{"dataAck data#40 0", "dataAck data#41 0"};
    QTest::newRow("acknowledgements off") << false << QStringList{};
}

void TestHistoricSync::data_storedAsHistoricAndAcknowledged()
{
    QFETCH(bool, acksExpected);
    m_client->dataAckExpected = acksExpected;
    registerAs(clientId);

    m_client->sendHistoric(clientId, 40);
    m_client->sendHistoric(clientId, 41);

    QCOMPARE(m_sync->stateName(), QStringLiteral("RegisteredState"));
    QTEST(m_client->calls, "calls");
    QCOMPARE(EventFixtures::storedSeqNos(), (QVector<qint64>{40, 41}));
    // Historic events leave the window alone.
    QCOMPARE(EL_EventLogDBbase::instance()->latestCurrSeqNo(), EventLog::SeqNum_t(0));
}

void TestHistoricSync::data_forAnotherClientIgnored()
{
    registerAs(clientId);
    MessageCapture capture;

    m_client->sendHistoric(clientId + 1, 40);

    QVERIFY(capture.contains(QStringLiteral("[HistoricEventsSynchronizerFSM::DataTransition] Received data for "
                                            "different client!")));
    QVERIFY(m_client->calls.isEmpty());
    QCOMPARE(EventFixtures::rowCount(), 0);
    QCOMPARE(m_sync->stateName(), QStringLiteral("RegisteredState"));
}

void TestHistoricSync::data_beforeRegistrationIgnored()
{
    launchAndAdvance();
    m_client->calls.clear();

    m_client->sendHistoric(0, 40);

    QCOMPARE(m_sync->stateName(), QStringLiteral("RegisteringState"));
    QVERIFY(m_client->calls.isEmpty());
    QCOMPARE(EventFixtures::rowCount(), 0);
}

void TestHistoricSync::data_failedInsertStillAcknowledged()
{
    registerAs(clientId);
    EL_EventLogDBbase::instance()->close();
    MessageCapture capture;

    m_client->sendHistoric(clientId, 40);

    QVERIFY(capture.contains(QStringLiteral("[Hist EventLog SM] Error when inserting data for event 40 into DB")));
    QCOMPARE(m_client->calls, QStringList{"dataAck data#40 0"});
    QCOMPARE(m_sync->stateName(), QStringLiteral("RegisteredState"));
}

void TestHistoricSync::registered_quietForAMinuteDeregisters()
{
    registerAs(clientId);
    m_clock.advance(supervision - 1);
    QCOMPARE(m_sync->stateName(), QStringLiteral("RegisteredState"));

    m_clock.advance(1);

    QCOMPARE(m_sync->stateName(), QStringLiteral("DeRegisteringState"));
    QCOMPARE(m_client->calls, (QStringList{"deregister 7", "clearHistoricClient"}));
}

void TestHistoricSync::registered_packetEvery50sKeepsItOpen()
{
    registerAs(clientId);

    for (int packet = 0; packet < 5; ++packet) {
        m_clock.advance(50000);
        m_client->sendHistoric(clientId, EventLog::SeqNum_t(100 + packet));
    }

    QCOMPARE(m_sync->stateName(), QStringLiteral("RegisteredState"));
    QCOMPARE(EventFixtures::rowCount(), 5);
}

void TestHistoricSync::registered_transferEnds_data()
{
    QTest::addColumn<int>("ackType");
    QTest::addColumn<bool>("stop");

    QTest::newRow("ack 12") << 12 << false;
    QTest::newRow("ack 4") << 4 << false;
    QTest::newRow("stop") << -1 << true;
}

void TestHistoricSync::registered_transferEnds()
{
    QFETCH(int, ackType);
    QFETCH(bool, stop);
    registerAs(clientId);

    if (stop)
        m_sync->stop();
    else
        m_client->answer(clientId, quint8(ackType));

    QTRY_COMPARE(m_sync->stateName(), QStringLiteral("DeRegisteringState"));
    QCOMPARE(m_client->calls, (QStringList{"deregister 7", "clearHistoricClient"}));
}

void TestHistoricSync::registered_ignoresOtherAcks_data()
{
    QTest::addColumn<int>("ackType");

    QTest::newRow("registration again") << 0;
    QTest::newRow("de-registration") << 2;
    QTest::newRow("accepted, no action") << 13;
}

void TestHistoricSync::registered_ignoresOtherAcks()
{
    QFETCH(int, ackType);
    registerAs(clientId);

    m_client->answer(99, quint8(ackType));

    QCOMPARE(m_sync->stateName(), QStringLiteral("RegisteredState"));
    QVERIFY(m_client->calls.isEmpty());
    // Still this client's data.
    m_client->sendHistoric(clientId, 40);
    QCOMPARE(EventFixtures::rowCount(), 1);
}

void TestHistoricSync::deregistration_confirmedFinishes()
{
    registerAs(clientId);
    m_client->answer(clientId, 12);
    QSignalSpy finished(m_sync.get(), &HistoricEventsSynchronizer::finished);
    m_client->calls.clear();

    m_client->answer(clientId, 2);

    QCOMPARE(m_sync->stateName(), QStringLiteral("FinishedState"));
    QCOMPARE(finished.count(), 1);
    QVERIFY(!m_sync->isRunning());
    QCOMPARE(m_client->calls, QStringList{"clearHistoricClient"});
    // Nothing more happens on its own.
    m_clock.advance(10 * supervision);
    QCoreApplication::processEvents();
    QCOMPARE(m_sync->stateName(), QStringLiteral("FinishedState"));
}

void TestHistoricSync::deregistration_unansweredRetries()
{
    registerAs(clientId);
    m_client->answer(clientId, 12);

    m_clock.advance(supervision);
    QTRY_COMPARE(m_sync->stateName(), QStringLiteral("TimeoutErrorState"));
    m_clock.advance(restartDelay);

    QTRY_COMPARE(m_sync->stateName(), QStringLiteral("RegisteringState"));
    QCOMPARE(m_client->calls.last(), QStringLiteral("register 2,0,0,3"));
}

void TestHistoricSync::stop_whileRegisteringFinishesWithoutDeregistration()
{
    launchAndAdvance();
    QSignalSpy finished(m_sync.get(), &HistoricEventsSynchronizer::finished);
    m_client->calls.clear();

    m_sync->stop();

    QTRY_COMPARE(m_sync->stateName(), QStringLiteral("FinishedState"));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(m_client->calls, QStringList{"clearHistoricClient"});
}

// A lost link leaves the run; the link launches again after it reconnects
// and the gap must be fetched.
void TestHistoricSync::disconnect_thenLaunchRunsAgain()
{
    registerAs(clientId);

    m_client->dropLink();

    QCOMPARE(m_sync->stateName(), QStringLiteral("DisconnectedErrorState"));
    QCOMPARE(m_client->calls, QStringList{"clearHistoricClient"});
    m_clock.advance(10 * supervision);
    QCoreApplication::processEvents();
    QCOMPARE(m_sync->stateName(), QStringLiteral("DisconnectedErrorState"));

    launchAndAdvance();
    QCOMPARE(m_client->calls.last(), QStringLiteral("register 2,0,0,3"));
    m_client->answer(clientId + 1, 0);
    QCOMPARE(m_sync->stateName(), QStringLiteral("RegisteredState"));
    m_client->sendHistoric(clientId + 1, 40);
    QCOMPARE(EventFixtures::rowCount(), 1);
}

void TestHistoricSync::finished_thenLaunchRunsAgain()
{
    registerAs(clientId);
    m_client->answer(clientId, 12);
    m_client->answer(clientId, 2);
    QCOMPARE(m_sync->stateName(), QStringLiteral("FinishedState"));
    m_client->calls.clear();

    launchAndAdvance();

    QCOMPARE(m_client->calls, QStringList{"register 2,0,0,3"});
    QVERIFY(m_sync->isRunning());
}

void TestHistoricSync::refusedFireReset_launchesRun()
{
    emit EL_EventLogDBbase::instance()->resyncHistoricLog();
    QCoreApplication::sendPostedEvents();

    m_clock.advance(startDelay);

    QTRY_COMPARE(m_sync->stateName(), QStringLiteral("RegisteringState"));
}

void TestHistoricSync::refusedFireReset_acceptedOnceTheRunFillsTheGap_data()
{
    QTest::addColumn<bool>("laterFire");
    QTest::newRow("the reset is the newest event") << false;
    QTest::newRow("a fire after the reset") << true;
}

// A reset refused because events 201..250 were missing is looked at again
// when the run that fetched them ends. A fire that came after the reset
// stays shown: its indications are not cleared and its zone is the first.
void TestHistoricSync::refusedFireReset_acceptedOnceTheRunFillsTheGap()
{
    QFETCH(bool, laterFire);
    using EventFixtures::makeEvent;
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setPanelNumber(1);
    config->setResetEventCode1(0x0301);
    EventFixtures::StatusRecorder status;
    EventLog::HighPriorityStatus::install(&status);
    EL_EventLogDBbase *db = EL_EventLogDBbase::instance();
    const auto insertLive = [db](const EventLog::EventData &event) { return db->insertData(&event, true); };
    QVERIFY(insertLive(EventFixtures::fireReset(200)));
    for (int seqNo = 251; seqNo < 700; ++seqNo)
        QVERIFY(insertLive(makeEvent(EventLog::SeqNum_t(seqNo),
                                     seqNo == 650 ? EventLog::CategoryFire : EventLog::CategoryFault, 1, 9)));
    status.calls.clear();
    QVERIFY(insertLive(EventFixtures::fireReset(700)));
    QCOMPARE(db->fireResetSeqNo(), EventLog::SeqNum_t(0));
    if (laterFire)
        QVERIFY(insertLive(makeEvent(701, EventLog::CategoryFire, 1, 3)));
    QSignalSpy resets(db, &EL_EventLogDBbase::updatedSeqNoByFireReset);
    QCoreApplication::sendPostedEvents();
    m_clock.advance(startDelay);
    QTRY_COMPARE(m_sync->stateName(), QStringLiteral("RegisteringState"));
    m_client->answer(clientId, 0);
    for (int seqNo = 201; seqNo <= 250; ++seqNo)
        m_client->sendHistoric(clientId, EventLog::SeqNum_t(seqNo));
    m_client->answer(clientId, 12);
    QVERIFY(resets.isEmpty());

    m_client->answer(clientId, 2);

    QCOMPARE(m_sync->stateName(), QStringLiteral("FinishedState"));
    QCOMPARE(resets.count(), 1);
    QCOMPARE(resets.at(0).at(0).value<EventLog::SeqNum_t>(), EventLog::SeqNum_t(700));
    QCOMPARE(db->fireResetSeqNo(), EventLog::SeqNum_t(700));
    // Everything before the reset is restored; the reset and what followed
    // it stay open.
    QCOMPARE(EventFixtures::column(QStringLiteral("SELECT seqNo FROM EventLog WHERE restoredEventStatus = 0")),
             laterFire ? (QVector<qint64>{700, 701}) : QVector<qint64>{700});
    QCOMPARE(status.calls, laterFire ? (QList<QPair<quint32, quint32>>{}) : (QList<QPair<quint32, quint32>>{{0, 0}}));
    QCOMPARE(db->firstFireZone().set, laterFire);
    if (laterFire)
        QCOMPARE(db->firstFireZone().key, quint16(1 << 8 | 3));
}

void TestHistoricSync::instance_usesLinkClient()
{
    HistoricEventsSynchronizer::setLinkClient(m_client.get());
    HistoricEventsSynchronizer *first = HistoricEventsSynchronizer::instance();
    QCOMPARE(HistoricEventsSynchronizer::instance(), first);
    QTRY_COMPARE(first->stateName(), QStringLiteral("IdleState"));

    HistoricEventsSynchronizer::destroyInstance();
    HistoricEventsSynchronizer::setLinkClient(nullptr);
    MessageCapture capture;
    HistoricEventsSynchronizer *second = HistoricEventsSynchronizer::instance();
    QVERIFY(second);
    QVERIFY(capture.contains(QStringLiteral("no event-log client")));
    HistoricEventsSynchronizer::destroyInstance();
}

QTEST_GUILESS_MAIN(TestHistoricSync)
#include "tst_historicsync.moc"
