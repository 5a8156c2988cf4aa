#include "EventLogBytes.h"
#include "FakeClock.h"
#include "MessageCapture.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/HistoricEventsSynchronizer.h"
#include "link/SyncClient.h"
#include "link/packets/SC_EventLogAckPacket.h"
#include "link/packets/SC_EventLogDataPacket.h"
#include "link/sc_LkEventLog.h"
#include "link/sc_LkLogManagerServices.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

#include <functional>
#include <memory>
#include <sqlite3.h>

using EventLog::HistoricEventsSynchronizer;

namespace {

SyncClient *client()
{
    return SyncClient::instance();
}

sc_LkEventLog *eventLog()
{
    return SyncClient::instance()->getEventLog();
}

void receive(const QByteArray &body)
{
    client()->ReceivedPacket(SyncPacket{SyncClient::LkSpeakChannel, body});
}

QByteArrayList sentBytes(const QSignalSpy &spy)
{
    QByteArrayList sent;
    for (const QList<QVariant> &arguments : spy) {
        if (arguments.at(0).value<quint8>() == SyncClient::LkSpeakChannel)
            sent << arguments.at(1).toByteArray();
    }
    return sent;
}

QVector<qint64> storedSeqNos()
{
    QVector<qint64> values;
    QSqlQuery query(QStringLiteral("SELECT seqNo FROM EventLog ORDER BY seqNo"));
    while (query.next())
        values << query.value(0).toLongLong();
    return values;
}

qint64 storedValue(const char *column, int seqNo)
{
    QSqlQuery query;
    query.prepare(QStringLiteral("SELECT %1 FROM EventLog WHERE seqNo = ?").arg(QLatin1String(column)));
    query.addBindValue(seqNo);
    return query.exec() && query.next() ? query.value(0).toLongLong() : -1;
}

WireEvent liveEvent(quint16 seqNo)
{
    WireEvent event;
    event.seqNo = seqNo;
    event.eventPosTotal = seqNo;
    return event;
}

// Reads written one letter a packet: 'f' a live fault, 'F' a live fire,
// 'a' a packet that is no event (an acknowledgement with nothing to do);
// '|' ends a read. The events are numbered from firstSeqNo on.
QVector<QVector<SyncPacket>> readsOf(const QString &letters, quint16 firstSeqNo)
{
    QVector<QVector<SyncPacket>> reads(1);
    quint16 seqNo = firstSeqNo;
    for (const QChar letter : letters) {
        if (letter == QLatin1Char('|')) {
            reads.append(QVector<SyncPacket>());
            continue;
        }
        QByteArray body = controllerAck(0, 13);
        if (letter != QLatin1Char('a')) {
            WireEvent event = liveEvent(seqNo++);
            event.eventCat = letter == QLatin1Char('F') ? EventLog::CategoryFire : EventLog::CategoryFault;
            body = event.packet();
        }
        reads.last().append(SyncPacket{SyncClient::LkSpeakChannel, body});
    }
    return reads;
}

// The event log's commits, each with the number of packets the client had
// sent when it came; SQLite calls the hook for every commit on the
// connection, a statement's own included.
class CommitLog final
{
public:
    explicit CommitLog(const QSignalSpy &sent)
        : m_sent(sent)
        , m_handle(*static_cast<sqlite3 *const *>(QSqlDatabase::database().driver()->handle().constData()))
    {
        sqlite3_commit_hook(m_handle, &CommitLog::committed, this);
    }
    ~CommitLog() { sqlite3_commit_hook(m_handle, nullptr, nullptr); }
    CommitLog(const CommitLog &) = delete;
    CommitLog &operator=(const CommitLog &) = delete;

    QList<int> sentAtEachCommit;

private:
    static int committed(void *self)
    {
        auto *log = static_cast<CommitLog *>(self);
        log->sentAtEachCommit << log->m_sent.count();
        return 0;
    }

    const QSignalSpy &m_sent;
    sqlite3 *m_handle;
};

} // namespace

class tst_EventLogClient final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void requests_data();
    void requests();
    void requestAckAnswersOnServiceOne();
    void dataPacketFields_data();
    void dataPacketFields();
    void dataPacketTruncations();
    void ackPacket_data();
    void ackPacket();

    void liveEventStoredAndAcknowledged_data();
    void liveEventStoredAndAcknowledged();
    void restoralSettlesOnlyWhenAcknowledged_data();
    void restoralSettlesOnlyWhenAcknowledged();
    void truncatedEventIsNeitherStoredNorAcknowledged();
    void failedInsertIsNotAcknowledged();
    void readIsOneTransaction_data();
    void readIsOneTransaction();
    void refusedCommitAcknowledgesNone();
    void refusedEventOfAReadLeavesTheOthers();
    void firstLiveEventPrunesAndLaunches();
    void disconnectionMakesTheNextEventPruneAgain();
    void historicClientDataGoesToTheSynchroniser();
    void reSyncRequestStopsAcknowledgements();
    void replacingTheHistoricClientWarns();
    void deRegistrationOnlyWhileRunning();
    void registrationSequence();
    void clearEventLogAndRequestReSync();

    void acceptedEvents_data();
    void acceptedEvents();
    void acceptedEventsWithNoEntries();

private:
    void enableAcks();

    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<QSignalSpy> m_sent;
    std::unique_ptr<MessageCapture> m_messages;
};

void tst_EventLogClient::init()
{
    m_clock = std::make_unique<FakeClock>();
    m_messages = std::make_unique<MessageCapture>();
    TeskGlobalConfig::instance()->setPacketHeaderLayout(0);
    HistoricEventsSynchronizer::setLinkClient(eventLog());
    m_sent = std::make_unique<QSignalSpy>(client(), &SyncClient::SendPacket);
}

void tst_EventLogClient::cleanup()
{
    m_sent.reset();
    SyncClient::destroyInstance();
    EL_EventLogDBbase::destroyInstance();
    m_messages.reset();
    m_clock.reset();
}

void tst_EventLogClient::enableAcks()
{
    receive(controllerAck(0, SC_EventLogAckPacket::AcknowledgeEvents));
    QVERIFY(client()->isEventAckEnabled());
}

void tst_EventLogClient::requests_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("request");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray registration = hex("01 02 0000 00 03  010100000000 ffff 0000 0000 03 ff ffff 0000 0000");
    QTest::newRow("registration") << 0 << 0 << hex("00000028 00 00 8e 0000 01 0000 b2 00") + registration;
    QTest::newRow("registration layout 1")
        << 1 << 0 << hex("0000002a e4 00 00 8e 0000 01 0000 b2 00 00") + registration;
    QTest::newRow("de-registration") << 0 << 1 << hex("00000010 00 00 8f 0000 01 0000 01 00 0055");
    QTest::newRow("accept, numerical channel")
        << 0 << 2 << hex("00000018 00 00 8d 0000 01 0000 32 00 02 00 03 1234 0064 0007 fe");
    QTest::newRow("accept layout 1") << 1 << 2
                                     << hex("0000001a e4 00 00 8d 0000 01 0000 32 00 00 02 0c 03 1234 0064 0007 fe");
    QTest::newRow("re-synchronisation") << 0 << 3 << hex("00000014 00 00 92 0000 01 0000 94 00 ffff 0000 02 0e");
}

void tst_EventLogClient::requests()
{
    QFETCH(int, layout);
    QFETCH(int, request);
    QFETCH(QByteArray, expected);
    TeskGlobalConfig::instance()->setPacketHeaderLayout(layout == 1 ? 600 : 0);
    const std::function<void()> send[] = {
        [] { eventLog()->sendRegistrationRequest(2, 0, 0, 3, EventLog::RegistrationFilter::defaults()); },
        [] { eventLog()->sendDeRegistrationRequest(0x55); },
        [] { eventLog()->sendAcceptLogEvent(2, 12, 3, 0x1234, 100, 7); },
        [] { eventLog()->requestReSync(); },
    };
    send[request]();
    QCOMPARE(sentBytes(*m_sent), QByteArrayList{expected});
}

void tst_EventLogClient::requestAckAnswersOnServiceOne()
{
    QSignalSpy acks(eventLog(), &EventLog::HistoricLogClient::ackReceived);
    receive(controllerAck(0x55, SC_EventLogAckPacket::RegistrationAccepted));
    QCOMPARE(acks.count(), 1);
    QCOMPARE(acks.at(0).at(0).value<quint16>(), quint16(0x55));
    QCOMPARE(acks.at(0).at(1).value<quint8>(), quint8(0));

    eventLog()->sendRequestAck(1, 0, acks.at(0).at(2).value<QVariant>());

    QCOMPARE(sentBytes(*m_sent), QByteArrayList{withLength(replyHeader(0x01) + hex("0055 0000 00 01"))});
    // Not a packet: nothing to answer.
    eventLog()->sendRequestAck(1, 0, QVariant(42));
    QCOMPARE(m_sent->count(), 1);
}

void tst_EventLogClient::dataPacketFields_data()
{
    QTest::addColumn<QByteArray>("packet");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("channelAddr");
    QTest::addColumn<int>("infoTextID");

    const QByteArray fields = hex("05 0c 03 02 07 08 09 0a 1234 0102 0b 0c 01020304 0d 0e 48 05 03 8d 0f10 1112 1314");
    QTest::newRow("layout 1 with information text") << lkPacket(139, fields + hex("04 15"), 1) << 12 << 3 << 0x15;
    QTest::newRow("layout 1, no information text") << lkPacket(139, fields + hex("00"), 1) << 12 << 3 << 255;
    QByteArray numerical = fields + hex("04 15");
    numerical[1] = 0x00;
    QTest::newRow("layout 0, numerical loop 3") << lkPacket(139, numerical, 0) << 12 << 3 << 0x15;
    numerical[1] = 0x00;
    numerical[2] = 0x0b;
    QTest::newRow("layout 0, numerical channel 11") << lkPacket(139, numerical, 0) << 14 << 2 << 0x15;
}

void tst_EventLogClient::dataPacketFields()
{
    QFETCH(QByteArray, packet);
    const auto buffer = QSharedPointer<SC_PacketBuffer>::create(packet);
    const SC_EventLogDataPacket data(buffer);
    QVERIFY(!buffer->isBad());
    const EventLog::EventData &r = data.record();
    QCOMPARE(int(r.node), 5);
    QTEST(int(r.channel), "channel");
    QTEST(int(r.channelAddr), "channelAddr");
    QCOMPARE(int(r.pointCat), 2);
    QCOMPARE(int(r.pointNum), 7);
    QCOMPARE(int(r.logicalPointNum), 8);
    QCOMPARE(int(r.logicalPointZone), 9);
    QCOMPARE(int(r.deviceType), 10);
    QCOMPARE(int(r.eventCode), 0x1234);
    QCOMPARE(int(r.seqNo), 0x0102);
    QCOMPARE(int(r.zone), 11);
    QCOMPARE(int(r.sector), 12);
    QCOMPARE(r.timeAndDate, 0x01020304u);
    QCOMPARE(int(r.priority), 13);
    QCOMPARE(int(r.stdPriority), 14);
    QCOMPARE(int(r.eventCat), 0x48);
    QCOMPARE(int(r.statusBits), 5);
    QCOMPARE(int(r.acceptStatus), 3);
    QCOMPARE(int(r.pointBits), 0x8d);
    QCOMPARE(int(r.clientID), 0x0f10);
    QCOMPARE(int(r.totalNoEvents), 0x1112);
    QCOMPARE(int(r.eventPosTotal), 0x1314);
    QTEST(int(r.infoTextID), "infoTextID");
}

// Every cut of a packet, in its bytes or in its length field, is noticed.
void tst_EventLogClient::dataPacketTruncations()
{
    WireEvent event;
    event.extDataProvided = 4;
    const QByteArray whole = event.packet();
    for (int size = 0; size < whole.size(); ++size) {
        const auto cut = QSharedPointer<SC_PacketBuffer>::create(whole.left(size));
        SC_EventLogDataPacket fromCut(cut);
        QVERIFY2(cut->isBad(), qPrintable(QString::number(size)));
        const auto shortLength = QSharedPointer<SC_PacketBuffer>::create(withLength(whole, size));
        SC_EventLogDataPacket fromLength(shortLength);
        QVERIFY2(shortLength->isBad(), qPrintable(QString::number(size)));
    }
    const auto buffer = QSharedPointer<SC_PacketBuffer>::create(whole);
    SC_EventLogDataPacket data(buffer);
    QVERIFY(!buffer->isBad());
}

void tst_EventLogClient::ackPacket_data()
{
    QTest::addColumn<int>("ackType");
    QTest::addColumn<bool>("warns");
    QTest::addColumn<bool>("enablesAcks");
    QTest::newRow("13: nothing to do") << 13 << false << false;
    QTest::newRow("15: acknowledge events") << 15 << false << true;
    for (int type : {0, 2, 4, 12, 99})
        QTest::addRow("%d: for the synchroniser", type) << type << true << false;
}

void tst_EventLogClient::ackPacket()
{
    QFETCH(int, ackType);
    QFETCH(bool, warns);
    QSignalSpy acks(eventLog(), &EventLog::HistoricLogClient::ackReceived);

    receive(lkPacket(146, hex("1234 5678 09") + QByteArray(1, char(ackType)), 1));

    QCOMPARE(acks.count(), 1);
    QCOMPARE(acks.at(0).at(0).value<quint16>(), quint16(0x1234));
    QCOMPARE(int(acks.at(0).at(1).value<quint8>()), ackType);
    const auto packet = acks.at(0).at(2).value<QVariant>().value<SC_ELConstAckPacketPtr>();
    QVERIFY(packet);
    QCOMPARE(packet->sequenceNumber(), quint16(0x5678));
    QCOMPARE(packet->status(), quint8(9));
    QCOMPARE(m_messages->contains(QStringLiteral("Bad EventLog Ack received ( %1 )").arg(ackType)), warns);
    QTEST(client()->isEventAckEnabled(), "enablesAcks");

    // Five bytes are not an acknowledgement.
    receive(lkPacket(146, hex("1234 5678 09"), 1));
    QCOMPARE(acks.count(), 1);
}

void tst_EventLogClient::liveEventStoredAndAcknowledged_data()
{
    QTest::addColumn<bool>("acksOn");
    QTest::addColumn<bool>("toEveryNode");
    QTest::addColumn<bool>("acknowledged");
    QTest::newRow("acknowledgements on") << true << false << true;
    QTest::newRow("acknowledgements off") << false << false << false;
    QTest::newRow("sent to every node") << true << true << false;
}

void tst_EventLogClient::liveEventStoredAndAcknowledged()
{
    QFETCH(bool, acksOn);
    QFETCH(bool, toEveryNode);
    QFETCH(bool, acknowledged);
    if (acksOn)
        enableAcks();
    for (quint16 seqNo : {3, 4, 5}) {
        const QByteArray packet = liveEvent(seqNo).packet();
        receive(toEveryNode ? ::toEveryNode(packet) : packet);
    }

    QCOMPARE(storedSeqNos(), (QVector<qint64>{3, 4, 5}));
    QCOMPARE(storedValue("channel", 4), 12);
    QCOMPARE(storedValue("channelAddr", 4), 1);
    const QByteArrayList expected = {dataAck(1, 3, 1), dataAck(1, 4, 1), dataAck(1, 5, 1)};
    QCOMPARE(sentBytes(*m_sent), acknowledged ? expected : QByteArrayList{});
    QVERIFY(!eventLog()->isReSyncPending());
}

void tst_EventLogClient::restoralSettlesOnlyWhenAcknowledged_data()
{
    QTest::addColumn<bool>("toEveryNode");
    QTest::newRow("acknowledged") << false;
    QTest::newRow("to every node") << true;
}

void tst_EventLogClient::restoralSettlesOnlyWhenAcknowledged()
{
    QFETCH(bool, toEveryNode);
    enableAcks();
    QStringList order;
    connect(client(), &SyncClient::SendPacket, this, [&order] { order << QStringLiteral("ack"); });
    connect(EL_EventLogDBbase::instance(),
            qOverload<const EventLog::EventData *>(&EL_EventLogDBbase::outstandingEventSettled), this,
            [&order](const EventLog::EventData *event) { order << QStringLiteral("settled %1").arg(event->seqNo); });
    WireEvent restoral = liveEvent(8);
    restoral.statusBits = 0x01;
    restoral.eventCat = 0x44;
    const QByteArray packet = restoral.packet();

    receive(toEveryNode ? ::toEveryNode(packet) : packet);

    QCOMPARE(storedValue("restoredEventStatus", 8), 1);
    QCOMPARE(order, toEveryNode ? QStringList{} : (QStringList{"ack", "settled 8"}));
}

void tst_EventLogClient::truncatedEventIsNeitherStoredNorAcknowledged()
{
    enableAcks();
    WireEvent event = liveEvent(6);
    event.extDataProvided = 4;
    receive(event.packet().chopped(1));

    QVERIFY(storedSeqNos().isEmpty());
    QCOMPARE(m_sent->count(), 0);
    QVERIFY(m_messages->contains(QStringLiteral("Failed processing eventlog data packet")));
    QVERIFY(eventLog()->isReSyncPending());
}

// An event the log could not take stays unacknowledged, so the controller
// sends it again; the second time it is stored and acknowledged once.
void tst_EventLogClient::failedInsertIsNotAcknowledged()
{
    enableAcks();
    QSignalSpy settled(EL_EventLogDBbase::instance(),
                       qOverload<const EventLog::EventData *>(&EL_EventLogDBbase::outstandingEventSettled));
    EL_EventLogDBbase::instance()->close();
    WireEvent restoral = liveEvent(6);
    restoral.statusBits = 0x01;

    receive(restoral.packet());

    QCOMPARE(m_sent->count(), 0);
    QCOMPARE(settled.count(), 0);
    QVERIFY(m_messages->contains(QStringLiteral("!!! Insertion of event log data failed !!!")));
    QVERIFY(eventLog()->isReSyncPending());
    m_clock->advance(HistoricEventsSynchronizer::StartDelayMs * 2);
    QCOMPARE(m_sent->count(), 0);

    EL_EventLogDBbase::destroyInstance();
    receive(restoral.packet());

    QCOMPARE(storedSeqNos(), QVector<qint64>{6});
    QCOMPARE(sentBytes(*m_sent), QByteArrayList{dataAck(1, 6, 1)});
    QVERIFY(!eventLog()->isReSyncPending());
}

// The live events of a read are stored in one transaction and acknowledged
// after its commit, never before; a fire is not held (it is committed and
// acknowledged at once, after the events before it), and a packet that is no
// event commits the events before it.
void tst_EventLogClient::readIsOneTransaction_data()
{
    QTest::addColumn<QString>("reads");
    QTest::addColumn<QList<int>>("sentAtEachCommit");
    QTest::newRow("one event") << "f" << QList<int>{0};
    QTest::newRow("five events") << "fffff" << QList<int>{0};
    QTest::newRow("split over two reads") << "fff|ff" << QList<int>{0, 3};
    QTest::newRow("a fire alone") << "F" << QList<int>{0};
    QTest::newRow("a fire first") << "Fff" << QList<int>{0, 1};
    QTest::newRow("a fire between") << "ffFff" << QList<int>{0, 2, 3};
    QTest::newRow("a fire last") << "ffF" << QList<int>{0, 2};
    QTest::newRow("two fires") << "fFFf" << QList<int>{0, 1, 2, 3};
    QTest::newRow("another packet between") << "ffaff" << QList<int>{0, 2};
    QTest::newRow("another packet first") << "afff" << QList<int>{0};
}

void tst_EventLogClient::readIsOneTransaction()
{
    QFETCH(QString, reads);
    QFETCH(QList<int>, sentAtEachCommit);
    enableAcks();
    // The first event prunes the log in a statement of its own.
    receive(liveEvent(1).packet());
    m_sent->clear();
    CommitLog commits(*m_sent);

    for (const QVector<SyncPacket> &read : readsOf(reads, 10))
        client()->ReceivedPackets(read);

    QCOMPARE(commits.sentAtEachCommit, sentAtEachCommit);
    const int events = reads.count(QLatin1Char('f')) + reads.count(QLatin1Char('F'));
    QByteArrayList acks;
    QVector<qint64> stored{1};
    for (int i = 0; i < events; ++i) {
        acks << dataAck(1, quint16(10 + i), 1);
        stored << 10 + i;
    }
    QCOMPARE(sentBytes(*m_sent), acks);
    QCOMPARE(storedSeqNos(), stored);
}

// A commit the database refuses stores none of the read's events, and none
// is acknowledged: the controller sends them all again.
void tst_EventLogClient::refusedCommitAcknowledgesNone()
{
    enableAcks();
    receive(liveEvent(1).packet());
    m_sent->clear();
    // A deferred foreign key is checked only at the commit.
    QSqlQuery query;
    for (const char *statement : {"PRAGMA foreign_keys = ON", "CREATE TABLE Parent (id INTEGER PRIMARY KEY)",
                                  "CREATE TABLE Child (parent INTEGER REFERENCES Parent (id) DEFERRABLE INITIALLY "
                                  "DEFERRED)",
                                  "CREATE TRIGGER orphan AFTER INSERT ON EventLog WHEN NEW.seqNo = 12 "
                                  "BEGIN INSERT INTO Child VALUES (42); END"})
        QVERIFY2(query.exec(QLatin1String(statement)), qPrintable(query.lastError().text()));
    QSignalSpy latest(EL_EventLogDBbase::instance(), &EL_EventLogDBbase::updatedlatestCurrSeqNo);
    const QVector<SyncPacket> read = readsOf(QStringLiteral("ffff"), 10).first();

    client()->ReceivedPackets(read);

    QCOMPARE(m_sent->count(), 0);
    QCOMPARE(storedSeqNos(), QVector<qint64>{1});
    QCOMPARE(latest.count(), 0);
    QCOMPARE(EL_EventLogDBbase::instance()->latestCurrSeqNo(), EventLog::SeqNum_t(1));
    QVERIFY(m_messages->contains(QStringLiteral("commit failed")));
    QVERIFY(m_messages->contains(QStringLiteral("4 live events not stored")));

    QVERIFY2(query.exec(QStringLiteral("DROP TRIGGER orphan")), qPrintable(query.lastError().text()));
    client()->ReceivedPackets(read);

    QCOMPARE(storedSeqNos(), (QVector<qint64>{1, 10, 11, 12, 13}));
    QCOMPARE(sentBytes(*m_sent),
             (QByteArrayList{dataAck(1, 10, 1), dataAck(1, 11, 1), dataAck(1, 12, 1), dataAck(1, 13, 1)}));
    QCOMPARE(EL_EventLogDBbase::instance()->latestCurrSeqNo(), EventLog::SeqNum_t(13));
}

// An event the log refuses in the middle of a read costs the others
// nothing: they are stored and acknowledged, it is not.
void tst_EventLogClient::refusedEventOfAReadLeavesTheOthers()
{
    enableAcks();
    receive(liveEvent(1).packet());
    m_sent->clear();
    QSqlQuery trigger;
    QVERIFY(trigger.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON EventLog WHEN NEW.seqNo = 11 "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")));

    client()->ReceivedPackets(readsOf(QStringLiteral("fff"), 10).first());

    QCOMPARE(storedSeqNos(), (QVector<qint64>{1, 10, 12}));
    QCOMPARE(sentBytes(*m_sent), (QByteArrayList{dataAck(1, 10, 1), dataAck(1, 12, 1)}));
    QVERIFY(m_messages->contains(QStringLiteral("!!! Insertion of event log data failed !!!")));
}

// The controller's log runs from 100 to 199; what the engine holds outside
// it is gone before the event is stored, and the synchroniser starts.
void tst_EventLogClient::firstLiveEventPrunesAndLaunches()
{
    for (quint16 seqNo : {50, 120, 250}) {
        WireEvent old = liveEvent(seqNo);
        old.clientID = 9;
        const auto buffer = QSharedPointer<SC_PacketBuffer>::create(old.packet());
        const SC_EventLogDataPacket data(buffer);
        QVERIFY(EL_EventLogDBbase::instance()->insertData(&data.record(), false));
    }
    WireEvent event = liveEvent(150);
    event.eventPosTotal = 50;
    event.totalNoEvents = 100;

    receive(event.packet());

    QCOMPARE(storedSeqNos(), (QVector<qint64>{120, 150}));
    m_clock->advance(HistoricEventsSynchronizer::StartDelayMs);
    QTRY_VERIFY(HistoricEventsSynchronizer::instance()->isRunning());
    QCOMPARE(sentBytes(*m_sent).size(), 1);
    QCOMPARE(quint8(sentBytes(*m_sent).at(0).at(6)), quint8(142));
}

void tst_EventLogClient::disconnectionMakesTheNextEventPruneAgain()
{
    receive(liveEvent(1).packet());
    receive(liveEvent(2).packet());
    QVERIFY(!eventLog()->isReSyncPending());

    client()->LinkStatus(true, 2);
    client()->LinkStatus(false, 2);
    QVERIFY(eventLog()->isReSyncPending());

    // The controller's log now holds 10 to 19 only.
    WireEvent event = liveEvent(15);
    event.eventPosTotal = 5;
    event.totalNoEvents = 10;
    receive(event.packet());
    QCOMPARE(storedSeqNos(), QVector<qint64>{15});
    QVERIFY(!eventLog()->isReSyncPending());
}

void tst_EventLogClient::historicClientDataGoesToTheSynchroniser()
{
    enableAcks();
    QSignalSpy historic(eventLog(), &EventLog::HistoricLogClient::historicalDataReceived);
    eventLog()->setClientId(0x22);
    WireEvent event = liveEvent(40);
    event.clientID = 0x22;

    receive(event.packet());

    // Delivered from the event loop, after the packet's handling.
    QCOMPARE(historic.count(), 0);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(historic.count(), 1);
    QCOMPARE(historic.at(0).at(0).value<EventLog::EventData>().seqNo, EventLog::SeqNum_t(40));
    const auto data = historic.at(0).at(1).value<QVariant>().value<LkSpeak::SC_ELConstDataPacketPtr>();
    QVERIFY(data);
    QVERIFY(storedSeqNos().isEmpty());
    QCOMPARE(m_sent->count(), 0);

    eventLog()->sendDataAck(QVariant::fromValue(data), sc_LkEventLog::HistoricDataStatus);
    QCOMPARE(sentBytes(*m_sent), QByteArrayList{dataAck(0x22, 40, 0)});

    // Once the client is gone, the same data is a live event.
    eventLog()->clearHistoricClient();
    receive(event.packet());
    QCoreApplication::sendPostedEvents();
    QCOMPARE(historic.count(), 1);
    QCOMPARE(storedSeqNos(), QVector<qint64>{40});
    QCOMPARE(sentBytes(*m_sent).last(), dataAck(0x22, 40, 1));
}

void tst_EventLogClient::reSyncRequestStopsAcknowledgements()
{
    enableAcks();
    receive(liveEvent(1).packet());
    QCOMPARE(m_sent->count(), 1);

    eventLog()->requestReSync();
    QVERIFY(!client()->isEventAckEnabled());
    receive(liveEvent(2).packet());
    QCOMPARE(m_sent->count(), 2);

    enableAcks();
    receive(liveEvent(3).packet());
    QCOMPARE(sentBytes(*m_sent).last(), dataAck(1, 3, 1));
    QCOMPARE(storedSeqNos(), (QVector<qint64>{1, 2, 3}));
}

void tst_EventLogClient::replacingTheHistoricClientWarns()
{
    eventLog()->setClientId(4);
    QVERIFY(!m_messages->contains(QStringLiteral("Replacing")));
    eventLog()->setClientId(5);
    QVERIFY(m_messages->contains(QStringLiteral("! Replacing 'historic event log' client ID with a new one")));
    QCOMPARE(eventLog()->historicClientId(), quint16(5));
    eventLog()->clearHistoricClient();
    QVERIFY(!eventLog()->isHistoricClientRegistered());
    QCOMPARE(eventLog()->historicClientId(), quint16(5));
}

void tst_EventLogClient::deRegistrationOnlyWhileRunning()
{
    eventLog()->setClientId(0x55);
    eventLog()->deRegisterHistoricClient();
    QCOMPARE(m_sent->count(), 0);
    QVERIFY(eventLog()->isHistoricClientRegistered());

    HistoricEventsSynchronizer::instance()->launch();
    m_clock->advance(HistoricEventsSynchronizer::StartDelayMs);
    QTRY_VERIFY(HistoricEventsSynchronizer::instance()->isRunning());
    m_sent->clear();

    eventLog()->deRegisterHistoricClient();
    QCOMPARE(sentBytes(*m_sent), QByteArrayList{hex("00000010 00 00 8f 0000 01 0000 01 00 0055")});
    QVERIFY(!eventLog()->isHistoricClientRegistered());
}

// The synchroniser and the client together: a live event starts it, the
// controller accepts the registration, its historic data is stored and
// acknowledged, and the transfer ends with the de-registration.
void tst_EventLogClient::registrationSequence()
{
    enableAcks();
    QSignalSpy finished(HistoricEventsSynchronizer::instance(), &HistoricEventsSynchronizer::finished);
    receive(liveEvent(30).packet());
    m_clock->advance(HistoricEventsSynchronizer::StartDelayMs);
    QTRY_COMPARE(HistoricEventsSynchronizer::instance()->stateName(), QStringLiteral("RegisteringState"));
    m_sent->clear();

    receive(controllerAck(0x55, SC_EventLogAckPacket::RegistrationAccepted));
    QCOMPARE(HistoricEventsSynchronizer::instance()->stateName(), QStringLiteral("RegisteredState"));
    QCOMPARE(eventLog()->historicClientId(), quint16(0x55));
    QCOMPARE(sentBytes(*m_sent), QByteArrayList{withLength(replyHeader(0x01) + hex("0055 0000 00 01"))});

    for (quint16 seqNo : {28, 29}) {
        WireEvent historic = liveEvent(seqNo);
        historic.clientID = 0x55;
        receive(historic.packet());
    }
    QTRY_COMPARE(storedSeqNos(), (QVector<qint64>{28, 29, 30}));
    QCOMPARE(sentBytes(*m_sent).mid(1), (QByteArrayList{dataAck(0x55, 28, 0), dataAck(0x55, 29, 0)}));

    receive(controllerAck(0x55, 12));
    QCOMPARE(sentBytes(*m_sent).last(), hex("00000010 00 00 8f 0000 01 0000 01 00 0055"));
    QVERIFY(!eventLog()->isHistoricClientRegistered());
    receive(controllerAck(0x55, SC_EventLogAckPacket::DeRegistrationConfirmed));
    QTRY_COMPARE(finished.count(), 1);
}

void tst_EventLogClient::clearEventLogAndRequestReSync()
{
    enableAcks();
    receive(liveEvent(1).packet());
    HistoricEventsSynchronizer *first = HistoricEventsSynchronizer::instance();
    m_clock->advance(HistoricEventsSynchronizer::StartDelayMs);
    QTRY_VERIFY(first->isRunning());
    receive(controllerAck(0x55, SC_EventLogAckPacket::RegistrationAccepted));
    m_sent->clear();

    client()->clearEventLogAndRequestReSync();

    QCOMPARE(sentBytes(*m_sent), (QByteArrayList{hex("00000010 00 00 8f 0000 01 0000 01 00 0055"),
                                                 hex("00000014 00 00 92 0000 01 0000 94 00 ffff 0000 02 0e")}));
    QVERIFY(storedSeqNos().isEmpty());
    QVERIFY(!client()->isEventAckEnabled());
    HistoricEventsSynchronizer *second = HistoricEventsSynchronizer::instance();
    QTRY_COMPARE(second->stateName(), QStringLiteral("IdleState"));
    m_clock->advance(HistoricEventsSynchronizer::StartDelayMs);
    QTRY_COMPARE(second->stateName(), QStringLiteral("RegisteringState"));
}

void tst_EventLogClient::acceptedEvents_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QByteArray>("entry");
    QTest::newRow("layout 1") << 1 << hex("01 0c 01 0005 0064");
    QTest::newRow("layout 0, numerical loop 1") << 0 << hex("01 00 01 0005 0064");
}

void tst_EventLogClient::acceptedEvents()
{
    QFETCH(int, layout);
    QFETCH(QByteArray, entry);
    for (quint16 seqNo : {5, 6})
        receive(liveEvent(seqNo).packet());
    m_sent->clear();
    QSignalSpy settled(EL_EventLogDBbase::instance(), qOverload<quint16>(&EL_EventLogDBbase::outstandingEventSettled));
    QSignalSpy updated(EL_EventLogDBbase::instance(), &EL_EventLogDBbase::outstandingEventsUpdated);
    QSignalSpy accepted(client()->getLogManagerServices(), &sc_LkLogManagerServices::logEventAccepted);

    // Reference 300; one entry for event 5 and one for a point it does
    // not hold.
    receive(lkPacket(246, hex("01 012c 02") + entry + hex("02 0c 01 0006 0064"), layout));

    QCOMPARE(storedValue("acceptStatus", 5), 1);
    QCOMPARE(storedValue("acceptStatus", 6), 3);
    QCOMPARE(settled.count(), 2);
    QCOMPARE(settled.at(0).at(0).value<quint16>(), quint16(5));
    QCOMPARE(updated.count(), 2);
    QCOMPARE(accepted.count(), 1);
    const QByteArray header = layout == 1 ? hex("00000000 e4 07 03 92 0304 32 0102 32 09 00") : replyHeader();
    QCOMPARE(sentBytes(*m_sent), QByteArrayList{withLength(header + hex("012c 0009 03 10"))});
}

void tst_EventLogClient::acceptedEventsWithNoEntries()
{
    QSignalSpy accepted(client()->getLogManagerServices(), &sc_LkLogManagerServices::logEventAccepted);
    receive(lkPacket(246, hex("01 012c 00")));
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(sentBytes(*m_sent), QByteArrayList{withLength(replyHeader() + hex("012c 0009 03 10"))});

    // An entry cut short: nothing is updated, nothing answered.
    receive(lkPacket(246, hex("01 012c 01 01 00 01 0005")));
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(m_sent->count(), 1);
    QVERIFY(m_messages->contains(QStringLiteral("Truncated events accepted packet dropped")));
}

QTEST_GUILESS_MAIN(tst_EventLogClient)
#include "tst_eventlogclient.moc"
