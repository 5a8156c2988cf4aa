#include "EventLogBytes.h"
#include "FakeClock.h"
#include "MessageCapture.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/HistoricEventsSynchronizer.h"
#include "link/SyncClient.h"
#include "link/packets/SC_EventLogAckPacket.h"
#include "link/sc_LkEventLog.h"

#include <QtTest>

// An event log whose database never opened (here: no SQLite driver can be
// loaded, because the process has no plugin paths) can store nothing, ever.
// Holding back the acknowledgements would leave every live event
// unacknowledged forever; the controller's own log stays the record, so
// the events are acknowledged and the fault is told once.
class tst_EventLogUnusable final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void liveEventsAreAcknowledged();
};

void tst_EventLogUnusable::initTestCase()
{
    QCoreApplication::setLibraryPaths({});
    TeskGlobalConfig::instance()->setPacketHeaderLayout(0);
    QVERIFY(!EL_EventLogDBbase::instance()->isUsable());
}

void tst_EventLogUnusable::liveEventsAreAcknowledged()
{
    FakeClock clock;
    MessageCapture messages;
    SyncClient *client = SyncClient::instance();
    EventLog::HistoricEventsSynchronizer::setLinkClient(client->getEventLog());
    const auto receive = [client](const QByteArray &body) {
        client->ReceivedPacket(SyncPacket{SyncClient::LkSpeakChannel, body});
    };
    receive(controllerAck(0, SC_EventLogAckPacket::AcknowledgeEvents));
    QSignalSpy sent(client, &SyncClient::SendPacket);

    for (quint16 seqNo : {3, 4}) {
        WireEvent event;
        event.seqNo = seqNo;
        receive(event.packet());
    }

    QCOMPARE(sent.count(), 2);
    QCOMPARE(sent.at(0).at(1).toByteArray(), dataAck(1, 3, 1));
    QCOMPARE(sent.at(1).at(1).toByteArray(), dataAck(1, 4, 1));
    QCOMPARE(messages.warnings().filter(QStringLiteral("the event log is unusable")).size(), 1);
    // Nothing to fill: no historic run is started.
    clock.advance(EventLog::HistoricEventsSynchronizer::StartDelayMs * 2);
    QCOMPARE(sent.count(), 2);
    SyncClient::destroyInstance();
    EL_EventLogDBbase::destroyInstance();
}

QTEST_GUILESS_MAIN(tst_EventLogUnusable)
#include "tst_eventlogunusable.moc"
