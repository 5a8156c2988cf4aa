#include "../eventlog/EventFixtures.h"
#include "ScriptedSite.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "paneldata/DateTime.h"
#include "paneldata/PointIndividualAddress.h"
#include "paneldata/PrintableAddress.h"
#include "pointmodels/EventLogQueryModel.h"
#include "pointmodels/OutstandingEventsModel.h"
#include "pointmodels/ViewEventLogModelItem.h"
#include "pointmodels/WarningsModel.h"
#include "pointmodels/model.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QtTest>

using EventFixtures::makeEvent;
using EventLog::EventData;
using R = EventLogQueryModel;

namespace {

constexpr int ZoneNamesBucket = 6;
constexpr int DeviceDescriptionsBucket = 12;
constexpr int InformationBucket = 18;
constexpr int EventNamesBucket = 19;
constexpr int GlobalBucket = 41;
constexpr quint8 AllPanels = 255;

// The fixture log: one event per sequence number, each changed from the
// plain fault of makeEvent in one way the role table reacts to.
struct FixtureRow
{
    EventLog::SeqNum_t seqNo;
    void (*shape)(EventData &);
};

const FixtureRow fixture[] = {
    {1, [](EventData &e) { e.acceptStatus = 0; }},
    {2, [](EventData &e) { e.acceptStatus = 1; }},
    {3, [](EventData &e) { e.acceptStatus = 2; }},
    {4, [](EventData &) {}},
    {5, [](EventData &e) { e.acceptStatus = 4; }},
    {6, [](EventData &e) { e.deviceType = 128; }},
    {7, [](EventData &e) { e.deviceType = 33; }},
    {8, [](EventData &e) { e.zone = 240; }},
    {9, [](EventData &e) { e.zone = 241; }},
    {10, [](EventData &e) { e.extDataProvided = 3; }},
    {11, [](EventData &e) { e.extDataProvided = 5; }},
    {12, [](EventData &e) { e.extDataProvided = 4, e.infoTextID = 7; }},
    {13, [](EventData &e) { e.eventCat = 1; }},
    {14, [](EventData &e) { e.eventCat = 6; }},
};

int rowOf(const QAbstractItemModel &model, int seqNo)
{
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.index(row, 0).data(R::SeqNoRole).toInt() == seqNo)
            return row;
    }
    return -1;
}

QVector<int> seqNos(const QVector<EventData> &list)
{
    QVector<int> values;
    for (const EventData &event : list)
        values << event.seqNo;
    return values;
}

EventData outstanding(EventLog::SeqNum_t seqNo, quint8 priority, quint8 pointNum, quint8 eventCat = 4)
{
    EventData event = makeEvent(seqNo, eventCat, 1, 1, pointNum);
    event.priority = priority;
    return event;
}

} // namespace

class TestEventLogModels final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void roles_data();
    void roles();
    void roleNames_areTheConstructorsRoles();
    void engineerSeesLogicalThenPhysicalAddress_data();
    void engineerSeesLogicalThenPhysicalAddress();
    void loadAndCount();
    void commonQuery_selectorAppliesAtTheNextRun();
    void viewItem_data();
    void viewItem();

    void outstanding_order_data();
    void outstanding_order();
    void outstanding_template1FiresFirst();
    void outstanding_settledBySeqNo_data();
    void outstanding_settledBySeqNo();
    void outstanding_settledByPoint();
    void outstanding_clearing();
    void outstanding_boundTrimsTheLeastImportant();
    void outstanding_followsTheLogsSignals();
    void topEventText();

private:
    QTemporaryDir m_dataDir;
};

void TestEventLogModels::initTestCase()
{
    QVERIFY(m_dataDir.isValid());
    QVERIFY(QDir::setCurrent(m_dataDir.path()));
    ScriptedSite::reset();
    TeskGlobalConfig::instance()->setCurrentLang(1);
    ScriptedSite::setValue(ZoneNamesBucket, "1|1|1", "Hall");
    ScriptedSite::setValue(ZoneNamesBucket, "1|240|1", "Roof");
    ScriptedSite::setValue(DeviceDescriptionsBucket, "33|1", "Optical sensor");
    ScriptedSite::setValue(InformationBucket, "1|7|1", "Call the engineer");
    ScriptedSite::setValue(InformationBucket, "1|255|1", "See the plan");
    ScriptedSite::setValue(EventNamesBucket, "100|1", "Fault");
    EL_EventLogDBbase *db = EL_EventLogDBbase::instance();
    for (const FixtureRow &row : fixture) {
        EventData event = makeEvent(row.seqNo);
        row.shape(event);
        QVERIFY(db->insertData(&event, false));
    }
}

void TestEventLogModels::init()
{
    SystemState::instance()->setFireActive(false);
    ScriptedSite::setValueAndNotify(GlobalBucket, "tmplateID", "0");
    OutstandingEventsModel model(AllPanels, nullptr);
    model.clearOutstandingEvents();
}

void TestEventLogModels::cleanupTestCase()
{
    EL_EventLogDBbase::destroyInstance();
}

void TestEventLogModels::roles_data()
{
    QTest::addColumn<int>("seqNo");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");

    const QString nothing;
    QTest::newRow("accept 0") << 1 << 73 << QVariant(nothing);
    QTest::newRow("accept 1") << 2 << 73 << QVariant("_LOCALLY_ACCEPTED_INFOTEXT");
    QTest::newRow("accept 2") << 3 << 73 << QVariant("_REMOTELY_ACCEPTED_INFOTEXT");
    QTest::newRow("accept 3") << 4 << 73 << QVariant("_UNACCEPTED_INFOTEXT");
    QTest::newRow("accept 4") << 5 << 73 << QVariant(nothing);
    QTest::newRow("device 128") << 6 << 60 << QVariant("-");
    QTest::newRow("device 33") << 7 << 60 << QVariant("Optical sensor");
    QTest::newRow("zone 240") << 8 << 58 << QVariant("240 Roof");
    QTest::newRow("zone 241") << 9 << 58 << QVariant("-");
    QTest::newRow("zone 1") << 4 << 58 << QVariant("001 Hall");
    QTest::newRow("information, ext 3") << 10 << 64 << QVariant(nothing);
    QTest::newRow("information, ext 5") << 11 << 64 << QVariant("See the plan");
    QTest::newRow("information, ext 4") << 12 << 64 << QVariant("Call the engineer");
    QTest::newRow("role 0 is the zone name") << 4 << 0 << QVariant("Hall");
    QTest::newRow("role 185 is empty") << 4 << 185 << QVariant(nothing);
    QTest::newRow("event text") << 4 << 63 << QVariant("Fault");
    QTest::newRow("date and time") << 4 << 56 << QVariant("Wed 08-Jul-20 16:00:04");
    QTest::newRow("panel number") << 4 << 33 << QVariant(1);
    QTest::newRow("point number") << 4 << 35 << QVariant(1u);
    QTest::newRow("sequence number") << 9 << 71 << QVariant(9);
    QTest::newRow("event code") << 4 << 72 << QVariant(100);
}

void TestEventLogModels::roles()
{
    QFETCH(int, seqNo);
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    EventLogQueryModel model(nullptr, {});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.loadEventsByCategory(0xFFFF, -1, false, AllPanels);
    QCOMPARE(model.rowCount(), int(std::size(fixture)));
    const int row = rowOf(model, seqNo);
    QVERIFY(row >= 0);
    // Every column of the row answers alike.
    for (int column : {0, 5}) {
        const QVariant value = model.index(row, column).data(role);
        QCOMPARE(value.toString(), expected.toString());
    }
}

void TestEventLogModels::roleNames_areTheConstructorsRoles()
{
    EventLogQueryModel none(nullptr, {});
    QVERIFY(none.roleNames().isEmpty());
    EventLogQueryModel two(nullptr, {56, 63});
    QList<int> roles = two.roleNames().keys();
    std::sort(roles.begin(), roles.end());
    QCOMPARE(roles, QList<int>({56, 63}));
    const PointIndividualAddress address = [&] {
        two.loadEventsByCategory(0xFFFF, -1, false, AllPanels);
        return two.index(rowOf(two, 4), 0).data(R::IndividualAddressRole).value<PointIndividualAddress>();
    }();
    QCOMPARE(address, PointIndividualAddress(0, 1, 0, 1));
}

void TestEventLogModels::engineerSeesLogicalThenPhysicalAddress_data()
{
    QTest::addColumn<int>("userLevel");
    QTest::addColumn<bool>("logical");
    QTest::addColumn<bool>("physicalShown");
    QTest::newRow("engineer, logical") << 11 << true << true;
    QTest::newRow("operator, logical") << 3 << true << false;
    QTest::newRow("engineer, physical") << 11 << false << false;
}

void TestEventLogModels::engineerSeesLogicalThenPhysicalAddress()
{
    QFETCH(int, userLevel);
    QFETCH(bool, logical);
    QFETCH(bool, physicalShown);
    Security::instance()->permissionsUpdate(5, quint8(userLevel));
    TeskGlobalConfig::instance()->setLogicalAddr(logical);
    PrintableAddress::instance()->clearZoneTextCache();
    EventLogQueryModel model(nullptr, {});
    model.updateAddressMode();
    QCOMPARE(model.showsPhysicalAddress(), physicalShown);
    model.loadEventsByCategory(0xFFFF, -1, false, AllPanels);
    const QString address = model.index(rowOf(model, 4), 0).data(R::AddressRole).toString();
    TeskGlobalConfig::instance()->setLogicalAddr(false);
    Security::instance()->permissionsUpdate(0, 0);
    quint8 panel = 1, kind = 0, number = 0, channelAddress = 1, point = 1;
    const QString physical = PrintableAddress::instance()->addressText(panel, kind, number, channelAddress, point, 1,
                                                                       false, 0, 0, true, 251, false, true, -1, true);
    QVERIFY(!physical.isEmpty());
    QCOMPARE(address.endsWith(QStringLiteral(" (") + physical + QLatin1Char(')')), physicalShown);
}

void TestEventLogModels::loadAndCount()
{
    EventLogQueryModel model(nullptr, {});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QDateTime from = DateTime::fromPanelSeconds(900000005u);
    const QDateTime to = DateTime::fromPanelSeconds(900000008u);
    QCOMPARE(model.countEventsByDate(from, to), 4u);
    QCOMPARE(model.rowCount(), 0);
    model.loadEventsByDate(from, to, -1);
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.index(0, 0).data(R::SeqNoRole).toInt(), 8);
    QCOMPARE(model.countEventsByCategory(1 << 6, false, AllPanels), 1u);
    model.loadEventsByCategory(1 << 6, -1, false, AllPanels);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.index(0, 0).data(R::SeqNoRole).toInt(), 14);
}

void TestEventLogModels::commonQuery_selectorAppliesAtTheNextRun()
{
    WarningsModel warnings(AllPanels, nullptr);
    QAbstractItemModelTester tester(&warnings, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // Unaccepted, unrestored, not a fault: the warnings are events 13 and 14.
    QCOMPARE(warnings.queryCount(), 2u);
    warnings.runQuery();
    QCOMPARE(warnings.rowCount(), 2);
    warnings.setCategorySelector(1);
    QCOMPARE(warnings.rowCount(), 2);
    QCOMPARE(warnings.queryCount(), 1u);
    warnings.runQuery();
    QCOMPARE(warnings.rowCount(), 1);
    QCOMPARE(warnings.index(0, 0).data(R::SeqNoRole).toInt(), 14);
    QCOMPARE(WarningsModel(2, nullptr).queryCount(), 0u);
}

void TestEventLogModels::viewItem_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("zone 240") << 240 << 58 << QVariant("240 Roof");
    QTest::newRow("zone 241") << 241 << 58 << QVariant("-");
    QTest::newRow("role 0 is the item's own") << 1 << 0 << QVariant("own");
    QTest::newRow("accept text") << 1 << 73 << QVariant("_UNACCEPTED_INFOTEXT");
    QTest::newRow("information") << 1 << 64 << QVariant("Call the engineer");
    QTest::newRow("sequence number") << 1 << 71 << QVariant(42);
    QTest::newRow("device") << 1 << 60 << QVariant("Optical sensor");
}

void TestEventLogModels::viewItem()
{
    QFETCH(int, zone);
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    ViewEventLogModelItem::Fields fields;
    fields.node = 1;
    fields.zone = quint8(zone);
    fields.deviceType = 33;
    fields.channelAddr = 1;
    fields.pointNum = 1;
    fields.informationProvided = true;
    fields.infoTextID = 7;
    fields.seqNo = 42;
    fields.acceptStatus = 3;
    ViewEventLogModelItem item(fields);
    item.setText(QStringLiteral("own"));
    QCOMPARE(item.data(role).toString(), expected.toString());
}

void TestEventLogModels::outstanding_order_data()
{
    QTest::addColumn<QVector<int>>("priorities");
    QTest::addColumn<QVector<int>>("seqNos");
    QTest::addColumn<QVector<int>>("expected");
    QTest::newRow("equal priority by seqNo") << QVector<int>{5, 5} << QVector<int>{20, 10} << QVector<int>{10, 20};
    QTest::newRow("higher priority first")
        << QVector<int>{5, 5, 9} << QVector<int>{10, 20, 30} << QVector<int>{30, 10, 20};
    QTest::newRow("a listed seqNo is not added twice")
        << QVector<int>{5, 7, 5} << QVector<int>{10, 11, 10} << QVector<int>{11, 10};
}

void TestEventLogModels::outstanding_order()
{
    QFETCH(QVector<int>, priorities);
    QFETCH(QVector<int>, seqNos);
    QFETCH(QVector<int>, expected);
    OutstandingEventsModel model(AllPanels, nullptr);
    for (int i = 0; i < priorities.size(); ++i) {
        const EventData event = outstanding(EventLog::SeqNum_t(seqNos[i]), quint8(priorities[i]), quint8(i + 1));
        model.newEventLogRegistered(&event);
    }
    EventData accepted = outstanding(99, 200, 50);
    accepted.acceptStatus = 1;
    model.newEventLogRegistered(&accepted);
    QCOMPARE(::seqNos(OutstandingEventsModel::outstandingList()), expected);
}

void TestEventLogModels::outstanding_template1FiresFirst()
{
    OutstandingEventsModel model(AllPanels, nullptr);
    const EventData fault = outstanding(10, 12, 1);
    const EventData fire = outstanding(11, 2, 2, 9);
    model.newEventLogRegistered(&fault);
    model.newEventLogRegistered(&fire);
    QCOMPARE(::seqNos(OutstandingEventsModel::outstandingList()), QVector<int>({10, 11}));

    model.clearOutstandingEvents();
    ScriptedSite::setValueAndNotify(GlobalBucket, "tmplateID", "1");
    QVERIFY(model::instance()->isTemplate1());
    model.newEventLogRegistered(&fault);
    model.newEventLogRegistered(&fire);
    QCOMPARE(::seqNos(OutstandingEventsModel::outstandingList()), QVector<int>({11, 10}));
}

void TestEventLogModels::outstanding_settledBySeqNo_data()
{
    QTest::addColumn<int>("headPriority");
    QTest::addColumn<int>("settled");
    QTest::addColumn<QVector<int>>("expected");
    QTest::newRow("accepted is removed") << 12 << 20 << QVector<int>{10};
    QTest::newRow("priority 13 holds the list") << 13 << 20 << QVector<int>{10, 20};
    QTest::newRow("seqNo 0 is ignored") << 12 << 0 << QVector<int>{10, 20};
    QTest::newRow("unknown seqNo") << 12 << 30 << QVector<int>{10, 20};
}

void TestEventLogModels::outstanding_settledBySeqNo()
{
    QFETCH(int, headPriority);
    QFETCH(int, settled);
    QFETCH(QVector<int>, expected);
    OutstandingEventsModel model(AllPanels, nullptr);
    const EventData head = outstanding(10, quint8(headPriority), 1);
    const EventData other = outstanding(20, 1, 2);
    model.newEventLogRegistered(&head);
    model.newEventLogRegistered(&other);
    model.outstandingEventSettled(quint16(settled));
    QCOMPARE(::seqNos(OutstandingEventsModel::outstandingList()), expected);
}

void TestEventLogModels::outstanding_settledByPoint()
{
    OutstandingEventsModel model(AllPanels, nullptr);
    for (const EventData &event :
         {outstanding(10, 5, 1), outstanding(11, 4, 2), outstanding(12, 4, 2), outstanding(13, 3, 3)})
        model.newEventLogRegistered(&event);
    const EventData restoral = outstanding(50, 0, 2);
    model.outstandingEventSettled(&restoral);
    QCOMPARE(::seqNos(OutstandingEventsModel::outstandingList()), QVector<int>({10, 13}));

    const EventData alarm = outstanding(14, 20, 4);
    model.newEventLogRegistered(&alarm);
    const EventData point1 = outstanding(51, 0, 1);
    model.outstandingEventSettled(&point1);
    QCOMPARE(::seqNos(OutstandingEventsModel::outstandingList()), QVector<int>({14, 10, 13}));
}

void TestEventLogModels::outstanding_clearing()
{
    OutstandingEventsModel model(AllPanels, nullptr);
    const EventData event = outstanding(10, 5, 1);
    model.newEventLogRegistered(&event);
    SystemState::instance()->setFireActive(true);
    model.clearOutstandingEvents();
    emit SystemState::instance()->stateChanged();
    QCOMPARE(OutstandingEventsModel::outstandingList().size(), 1);
    // The flag drops before fireReset() goes out, so the reset empties it.
    SystemState::instance()->setFireActive(false);
    QCOMPARE(OutstandingEventsModel::outstandingList().size(), 0);
}

void TestEventLogModels::outstanding_boundTrimsTheLeastImportant()
{
    OutstandingEventsModel model(AllPanels, nullptr);
    for (int i = 0; i < OutstandingEventsModel::MaxRecords; ++i) {
        const EventData event = outstanding(EventLog::SeqNum_t(100 + i), 5, quint8(i + 1));
        model.newEventLogRegistered(&event);
    }
    // Higher than all: the last of the 30 leaves, whatever its priority byte.
    const EventData urgent = outstanding(7, 9, 200);
    model.newEventLogRegistered(&urgent);
    const QVector<EventData> &list = OutstandingEventsModel::outstandingList();
    QCOMPARE(list.size(), OutstandingEventsModel::MaxRecords);
    QCOMPARE(int(list.first().seqNo), 7);
    QCOMPARE(int(list.last().seqNo), 128);

    // A template-1 fire of priority byte 1 ranks first and is kept; the
    // least important record leaves instead.
    ScriptedSite::setValueAndNotify(GlobalBucket, "tmplateID", "1");
    const EventData fire = outstanding(8, 1, 201, 9);
    model.newEventLogRegistered(&fire);
    QCOMPARE(list.size(), OutstandingEventsModel::MaxRecords);
    QCOMPARE(int(list.first().seqNo), 8);
    QCOMPARE(int(list.last().seqNo), 127);

    // Ranking below all of them, a new event never enters a full list.
    const EventData minor = outstanding(300, 1, 202);
    model.newEventLogRegistered(&minor);
    QCOMPARE(list.size(), OutstandingEventsModel::MaxRecords);
    QCOMPARE(int(list.last().seqNo), 127);
}

void TestEventLogModels::outstanding_followsTheLogsSignals()
{
    OutstandingEventsModel first(AllPanels, nullptr);
    OutstandingEventsModel second(AllPanels, nullptr);
    EL_EventLogDBbase *db = EL_EventLogDBbase::instance();
    const EventData event = outstanding(10, 5, 1);
    emit db->newEventLogRegistered(&event);
    QCOMPARE(::seqNos(OutstandingEventsModel::outstandingList()), QVector<int>({10}));
    emit db->outstandingEventSettled(quint16(10));
    QVERIFY(OutstandingEventsModel::outstandingList().isEmpty());
    emit db->newEventLogRegistered(&event);
    emit db->clearOutstandingEventsOnReset();
    QVERIFY(OutstandingEventsModel::outstandingList().isEmpty());
}

void TestEventLogModels::topEventText()
{
    {
        // Nothing outstanding on panel 2 of the log: no text.
        OutstandingEventsModel none(2, nullptr);
        QCOMPARE(none.topEventText(), QString());
        QVERIFY(OutstandingEventsModel::outstandingList().isEmpty());
    }
    OutstandingEventsModel model(AllPanels, nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // An empty list with outstanding events in the table is refilled from it:
    // all fixture events have priority 0, so the lowest seqNo comes first.
    const QString text = model.topEventText();
    QCOMPARE(::seqNos(OutstandingEventsModel::outstandingList()).first(), 4);
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 4);
    QVERIFY(!lines.at(0).isEmpty());
    QCOMPARE(lines.at(1), QStringLiteral("Hall"));
    QCOMPARE(lines.at(3), QStringLiteral("Fault"));

    // With a listed event, its text is shown without a reload.
    const EventData roof = [] {
        EventData event = outstanding(60, 50, 9);
        event.zone = 241;
        return event;
    }();
    model.newEventLogRegistered(&roof);
    QCOMPARE(model.topEventText().split(QLatin1Char('\n')).at(1), QStringLiteral("-"));
}

QTEST_MAIN(TestEventLogModels)
#include "tst_eventlogmodels.moc"
