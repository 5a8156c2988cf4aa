#include "InProcessLink.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/HistoricEventsSynchronizer.h"
#include "link/SyncClient.h"
#include "link/sc_LkEventLog.h"
#include "link/sc_LkLogManagerServices.h"

#include <QSqlQuery>
#include <QtTest>

#include <memory>

namespace {

// The 45 s before a historic synchronisation take 4.5 s.
constexpr int TimeScale = 10;

QVector<int> range(int first, int last)
{
    QVector<int> values;
    for (int value = first; value <= last; ++value)
        values << value;
    return values;
}

QVector<int> storedSeqNos()
{
    QVector<int> values;
    QSqlQuery query(QStringLiteral("SELECT seqNo FROM EventLog ORDER BY seqNo"));
    while (query.next())
        values << query.value(0).toInt();
    return values;
}

} // namespace

// The engine's link, protocol client, event-log client, event log and
// historic synchroniser in this process; the controller emulator raises
// the events and checks every acknowledgement.
class tst_EventLogEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void burstThenGapFilledAfterReconnection();

private:
    QString controllerStatus();

    std::unique_ptr<InProcessLink> m_link;
    QVector<int> m_liveOrder;
};

void tst_EventLogEndToEnd::initTestCase()
{
    m_link = std::make_unique<InProcessLink>(TimeScale);
    SyncClient *client = SyncClient::instance();
    EventLog::HistoricEventsSynchronizer::setLinkClient(client->getEventLog());
    connect(EL_EventLogDBbase::instance(), &EL_EventLogDBbase::newEventLogRegistered, this,
            [this](const EventLog::EventData *event) { m_liveOrder << event->seqNo; });
    QVERIFY(m_link->start());
}

void tst_EventLogEndToEnd::cleanupTestCase()
{
    m_link.reset();
    SyncClient::destroyInstance();
    EL_EventLogDBbase::destroyInstance();
}

QString tst_EventLogEndToEnd::controllerStatus()
{
    const int from = m_link->lineCount();
    m_link->command(QStringLiteral("eventlog status"));
    const int at = m_link->waitForLine(QStringLiteral("eventlog-status"), from);
    return at < 0 ? QString() : m_link->lines().at(at);
}

void tst_EventLogEndToEnd::burstThenGapFilledAfterReconnection()
{
    SyncClient *client = SyncClient::instance();
    sc_LkEventLog *eventLog = client->getEventLog();
    m_link->command(QStringLiteral("eventlog acks"));
    QTRY_VERIFY_WITH_TIMEOUT(client->isEventAckEnabled(), InProcessLink::WaitMs);

    // A burst: each event stored once, in order, and acknowledged as it
    // was stored; the first one starts the historic synchronisation.
    m_link->command(QStringLiteral("eventlog raise fault 1000"));
    QVERIFY(m_link->said(QStringLiteral("eventlog live-acked 1000 last=1000")));
    QCOMPARE(m_liveOrder, range(1, 1000));
    QCOMPARE(storedSeqNos(), range(1, 1000));
    QVERIFY(!eventLog->isReSyncPending());

    QVERIFY(m_link->said(QStringLiteral("eventlog registered client=256")));
    QVERIFY(m_link->said(QStringLiteral("eventlog deregistered client=256")));
    QCOMPARE(controllerStatus(), QStringLiteral("eventlog-status log=1000 live-sent=1000 live-acked=1000 "
                                                "live-pending=0 historic-sent=1000 historic-acked=1000 faults=0"));

    // The operator accepts event 5: the controller's log manager confirms
    // it, and the log marks it accepted.
    QSignalSpy accepted(client->getLogManagerServices(), &sc_LkLogManagerServices::logEventAccepted);
    QSqlQuery event(QStringLiteral("SELECT node, channel, channelAddr, eventCode, clientID, acceptStatus FROM EventLog "
                                   "WHERE seqNo = 5"));
    QVERIFY(event.next());
    QCOMPARE(event.value(5).toInt(), 3);
    eventLog->sendAcceptLogEvent(quint8(event.value(0).toUInt()), quint8(event.value(1).toUInt()),
                                 quint8(event.value(2).toUInt()), 5, quint16(event.value(3).toUInt()),
                                 quint16(event.value(4).toUInt()));
    QVERIFY(m_link->said(QStringLiteral("eventlog accepted seq=5")));
    QVERIFY(m_link->said(QStringLiteral("eventlog accepted-ack reference=1")));
    QCOMPARE(accepted.count(), 1);
    QSqlQuery acceptStatus(QStringLiteral("SELECT acceptStatus FROM EventLog WHERE seqNo = 5"));
    QVERIFY(acceptStatus.next());
    QCOMPARE(acceptStatus.value(0).toInt(), 1);

    // The link goes; the controller logs 100 events meanwhile.
    int from = m_link->lineCount();
    m_link->command(QStringLiteral("disconnect"));
    QTRY_VERIFY_WITH_TIMEOUT(!client->isLinkUp(), InProcessLink::WaitMs);
    QVERIFY(eventLog->isReSyncPending());
    m_link->command(QStringLiteral("eventlog raise fault 100"));
    QVERIFY(m_link->said(QStringLiteral("eventlog raised 100 last=1100"), from));
    m_link->command(QStringLiteral("connect"));
    QTRY_VERIFY_WITH_TIMEOUT(client->isLinkUp(), InProcessLink::WaitMs);

    // The first live event after it prunes nothing of the controller's
    // range and starts a historic fetch that fills the gap.
    from = m_link->lineCount();
    m_link->command(QStringLiteral("eventlog raise fault 1"));
    QVERIFY(m_link->said(QStringLiteral("eventlog live-acked 1001 last=1101"), from));
    QVERIFY(m_link->said(QStringLiteral("eventlog registered client=257"), from));
    QVERIFY(m_link->said(QStringLiteral("eventlog deregistered client=257"), from));
    QTRY_COMPARE_WITH_TIMEOUT(storedSeqNos(), range(1, 1101), InProcessLink::WaitMs);
    QCOMPARE(m_liveOrder, range(1, 1000) << 1101);
    QCOMPARE(controllerStatus(), QStringLiteral("eventlog-status log=1101 live-sent=1001 live-acked=1001 "
                                                "live-pending=0 historic-sent=2101 historic-acked=2101 faults=0"));
    QCOMPARE(m_link->count(QStringLiteral("eventlog fault")), 0);
}

QTEST_GUILESS_MAIN(tst_EventLogEndToEnd)
#include "tst_eventlog_e2e.moc"
