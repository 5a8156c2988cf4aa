#include "FreePort.h"
#include "PanelSimProcess.h"

#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/HistoricEventsSynchronizer.h"
#include "link/SC_EthernetLinkLayerFactory.h"
#include "link/SC_Timer.h"
#include "link/SyncClient.h"
#include "link/sc_LkEventLog.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// Every link and synchroniser time-out runs this many times faster, so the
// 45 s before a historic synchronisation takes 4.5 s.
constexpr int TimeScale = 10;
constexpr int HeartbeatMs = 300;
constexpr int WaitMs = 20000;

class ScaledTimer final : public SC_Timer
{
public:
    explicit ScaledTimer(QObject *parent)
        : SC_Timer(parent)
        , m_timer(this)
    {
        connect(&m_timer, &QTimer::timeout, this, &SC_Timer::timeout);
    }

    void start(int milliseconds) override { m_timer.start(milliseconds / TimeScale); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }
    void setSingleShot(bool singleShot) override { m_timer.setSingleShot(singleShot); }

private:
    QTimer m_timer;
};

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
// historic synchroniser in this process, on a loopback port; the controller
// emulator at the other end raises the events and checks every
// acknowledgement.
class tst_EventLogEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void burstThenGapFilledAfterReconnection();

private:
    int waitForLine(const QString &line, int from);
    bool controllerSaid(const QString &line, int from = 0);
    QString controllerStatus();

    QTemporaryDir m_directory;
    QThread m_linkThread;
    SC_EthernetLinkLayerFactory m_link;
    std::unique_ptr<PanelSimProcess> m_controller;
    QVector<int> m_liveOrder;
};

void tst_EventLogEndToEnd::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_directory.path()));
    SC_Timer::setFactory([](QObject *parent) { return new ScaledTimer(parent); });
    SyncClient *client = SyncClient::instance();
    EventLog::HistoricEventsSynchronizer::setLinkClient(client->getEventLog());
    connect(EL_EventLogDBbase::instance(), &EL_EventLogDBbase::newEventLogRegistered, this,
            [this](const EventLog::EventData *event) { m_liveOrder << event->seqNo; });

    const quint16 port = freePort();
    m_link.setPort(port);
    m_linkThread.start();
    m_link.moveToThread(&m_linkThread);
    QSignalSpy started(&m_link, &SC_EthernetLinkLayerFactory::Started);
    QMetaObject::invokeMethod(&m_link, "Start", Qt::QueuedConnection);
    QVERIFY(started.wait());
    client->connectLinkLayer(m_link.linkLayer());

    m_controller = std::make_unique<PanelSimProcess>();
    QVERIFY(m_controller->start(port, {QStringLiteral("--heartbeat=%1").arg(HeartbeatMs)}));
    QVERIFY(controllerSaid(QStringLiteral("connected")));
    QTRY_VERIFY_WITH_TIMEOUT(client->isLinkUp(), WaitMs);
}

void tst_EventLogEndToEnd::cleanupTestCase()
{
    m_controller.reset();
    QMetaObject::invokeMethod(&m_link, "Stop", Qt::BlockingQueuedConnection);
    m_linkThread.quit();
    m_linkThread.wait();
    SyncClient::destroyInstance();
    EL_EventLogDBbase::destroyInstance();
    SC_Timer::setFactory({});
}

// The engine lives in this process: waiting must keep its event loop
// turning. On a time-out, the controller's last lines say why.
int tst_EventLogEndToEnd::waitForLine(const QString &line, int from)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        const QStringList lines = m_controller->lines();
        for (int i = from; i < lines.size(); ++i) {
            if (lines.at(i).startsWith(line))
                return i;
        }
        if (timer.elapsed() > WaitMs)
            break;
        QTest::qWait(10);
    }
    const QStringList said = m_controller->lines().filter(QRegularExpression(QStringLiteral("^(?!heartbeat)")));
    qWarning().noquote() << said.mid(said.size() - 20).join(QLatin1Char('\n'));
    return -1;
}

bool tst_EventLogEndToEnd::controllerSaid(const QString &line, int from)
{
    return waitForLine(line, from) >= 0;
}

QString tst_EventLogEndToEnd::controllerStatus()
{
    const int from = m_controller->lineCount();
    m_controller->command(QStringLiteral("eventlog status"));
    const int at = waitForLine(QStringLiteral("eventlog-status"), from);
    return at < 0 ? QString() : m_controller->lines().at(at);
}

void tst_EventLogEndToEnd::burstThenGapFilledAfterReconnection()
{
    SyncClient *client = SyncClient::instance();
    sc_LkEventLog *eventLog = client->getEventLog();
    m_controller->command(QStringLiteral("eventlog acks"));
    QTRY_VERIFY_WITH_TIMEOUT(client->isEventAckEnabled(), WaitMs);

    // A burst: each event stored once, in order, and acknowledged as it
    // was stored; the first one starts the historic synchronisation.
    m_controller->command(QStringLiteral("eventlog raise fault 1000"));
    QVERIFY(controllerSaid(QStringLiteral("eventlog live-acked 1000 last=1000")));
    QCOMPARE(m_liveOrder, range(1, 1000));
    QCOMPARE(storedSeqNos(), range(1, 1000));
    QVERIFY(!eventLog->isReSyncPending());

    QVERIFY(controllerSaid(QStringLiteral("eventlog registered client=256")));
    QVERIFY(controllerSaid(QStringLiteral("eventlog deregistered client=256")));
    QCOMPARE(controllerStatus(), QStringLiteral("eventlog-status log=1000 live-sent=1000 live-acked=1000 "
                                                "live-pending=0 historic-sent=1000 historic-acked=1000 faults=0"));

    // The link goes; the controller logs 100 events meanwhile.
    int from = m_controller->lineCount();
    m_controller->command(QStringLiteral("disconnect"));
    QTRY_VERIFY_WITH_TIMEOUT(!client->isLinkUp(), WaitMs);
    QVERIFY(eventLog->isReSyncPending());
    m_controller->command(QStringLiteral("eventlog raise fault 100"));
    QVERIFY(controllerSaid(QStringLiteral("eventlog raised 100 last=1100"), from));
    m_controller->command(QStringLiteral("connect"));
    QTRY_VERIFY_WITH_TIMEOUT(client->isLinkUp(), WaitMs);

    // The first live event after it prunes nothing of the controller's
    // range and starts a historic fetch that fills the gap.
    from = m_controller->lineCount();
    m_controller->command(QStringLiteral("eventlog raise fault 1"));
    QVERIFY(controllerSaid(QStringLiteral("eventlog live-acked 1001 last=1101"), from));
    QVERIFY(controllerSaid(QStringLiteral("eventlog registered client=257"), from));
    QVERIFY(controllerSaid(QStringLiteral("eventlog deregistered client=257"), from));
    QTRY_COMPARE_WITH_TIMEOUT(storedSeqNos(), range(1, 1101), WaitMs);
    QCOMPARE(m_liveOrder, range(1, 1000) << 1101);
    QCOMPARE(controllerStatus(), QStringLiteral("eventlog-status log=1101 live-sent=1001 live-acked=1001 "
                                                "live-pending=0 historic-sent=2101 historic-acked=2101 faults=0"));
    QCOMPARE(m_controller->count(QStringLiteral("eventlog fault")), 0);
}

QTEST_GUILESS_MAIN(tst_EventLogEndToEnd)
#include "tst_eventlog_e2e.moc"
