#include "../eventlog/EventFixtures.h"
#include "../pointmodels/ScriptedSite.h"
#include "AnimationClock.h"
#include "ArtworkDir.h"
#include "FakeClock.h"
#include "FakeEthernetLink.h"
#include "LinkedScreens.h"
#include "ReportSetup.h"
#include "WidgetShot.h"
#include "app/AUK_30001.h"
#include "app/EngineReportEnvironment.h"
#include "app/ListScreenPagesWiring.h"
#include "app/PageHeaderSource.h"
#include "app/PageStack.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "frontpanel/rbusEventLog.h"
#include "link/SyncClient.h"
#include "link/sc_LkLogManagerServices.h"
#include "paneldata/DateTime.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PrintableAddress.h"
#include "reports/ReportEnvironment.h"
#include "reports/SaveReport.h"
#include "screens/status/AUK_30073.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90011.h"
#include "widgets/AUK_90049.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QListView>
#include <QtTest>

using EventLog::EventData;
using R = EventLogQueryModel;

namespace {

constexpr int AnimationMs = 1000;
constexpr int EventNamesBucket = 19;
constexpr int ZoneNamesBucket = 6;
constexpr quint8 NoUser = 255;
constexpr quint8 SomeUser = 5;
constexpr quint16 EveryCategory = 0xFFFF;
constexpr quint16 Faults = 1 << EventLog::CategoryFault;

EventData fault(int seqNo, quint8 node = 1, quint8 point = 1)
{
    return EventFixtures::makeEvent(EventLog::SeqNum_t(seqNo), EventLog::CategoryFault, node, 1, point);
}

QVector<EventData> faults(int count)
{
    QVector<EventData> events;
    for (int seqNo = 1; seqNo <= count; ++seqNo)
        events << fault(seqNo);
    return events;
}

// A fresh log holding the events, stored as a historic fetch stores them.
void writeLog(const QVector<EventData> &events, bool live = false)
{
    EL_EventLogDBbase::destroyInstance();
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    for (const EventData &event : events)
        QVERIFY(log->insertData(&event, live, EL_EventLogDBbase::Commit::Held));
    QVERIFY(log->commitHeld());
}

void logOn(int userLevel)
{
    Security::instance()->permissionsUpdate(userLevel > 1 ? SomeUser : NoUser, quint8(userLevel));
}

void setGuiMode(int mode)
{
    SystemState::Configuration configuration;
    configuration.guiMode = mode;
    SystemState::instance()->writeEepromConfiguration(configuration, false);
}

AUK_90011 *cards(const QWidget *screen)
{
    return screen->findChild<AUK_90011 *>(QStringLiteral("aUK_90011"));
}

QAbstractItemModel *shownModel(const QWidget *screen)
{
    return cards(screen)->listView()->model();
}

QString counter(const QWidget *screen)
{
    return cards(screen)->findChild<QLabel *>(QStringLiteral("counter"))->text();
}

bool arrowShown(const QWidget *screen, const char *name)
{
    return cards(screen)->findChild<AUK_90049 *>(QLatin1String(name))->isVisibleTo(cards(screen));
}

QList<int> windowSeqNos(const QWidget *screen)
{
    QList<int> seqNos;
    const QAbstractItemModel *model = shownModel(screen);
    for (int row = 0; model && row < model->rowCount(); ++row)
        seqNos << model->index(row, 0).data(R::SeqNoRole).toInt();
    return seqNos;
}

int centreSeqNo(const QWidget *screen)
{
    const int row = cards(screen)->centreItemRow();
    return row < 0 ? -1 : shownModel(screen)->index(row, 0).data(R::SeqNoRole).toInt();
}

AUK_90006 *keys(const QWidget *screen)
{
    return screen->findChild<AUK_90006 *>(QStringLiteral("lozengeBar"));
}

} // namespace

// The event-log list: the window of three cards around the current one,
// the counter over the whole result, card moves, the quiet-spell refresh
// and the saved report.
class tst_EventLogList : public QObject
{
    Q_OBJECT

private:
    AUK_30073 *openByStatus(quint16 mask, bool unrestoredOnly = false, quint8 panel = AUK_30073::AllPanels);
    void settle() { m_animations.advance(AnimationMs); }

    FakeClock m_clock;
    FakeEthernetLink m_link;
    AnimationClock m_animations;
    std::unique_ptr<ArtworkDir> m_artwork;

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void windowAroundTheCurrentCard_data();
    void windowAroundTheCurrentCard();
    void cardMovesReloadTheWindow();
    void theArrowMovesOneCard();
    void aFullLogCountsFromTheNewest();
    void aRepeatedSeqNoIsOneCard();
    void unrestoredOnlyHidesRestoredFaults();
    void panelAndModes();
    void logShrinkingUnderTheCardKeepsTheWindowInside();
    void newEventsRefreshOnceAfterTheQuietSpell();
    void acceptedEventRefreshesAfterTheQuietSpell();
    void saveKeyNeedsALogOn_data();
    void saveKeyNeedsALogOn();
    void reportColumns_data();
    void reportColumns();
    void busModeShowsTheBusLog();
    void screenshots();
};

void tst_EventLogList::initTestCase()
{
    m_artwork = std::make_unique<ArtworkDir>();
    QVERIFY(m_artwork->isValid());
    QVERIFY(LinkedScreens::bringLinkUp(m_link));
    // As the start-up does: the card counter's keypad goes through it.
    installListScreenPages();
}

void tst_EventLogList::init()
{
    ScriptedSite::reset();
    setGuiMode(0);
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setPanelNumber(1);
    config->setRestrictionMask(0);
    config->setCurrentLang(1);
    ScriptedSite::setValue(EventNamesBucket, "100|1", "Fault");
    ScriptedSite::setValue(EventNamesBucket, "101|1", "Smoke");
    ScriptedSite::setValue(ZoneNamesBucket, "1|1|1", "Hall");
    logOn(11);
    PageStack *stack = PageStack::instance();
    stack->resize(640, 480);
    stack->show();
    stack->push(new AUK_30001);
}

void tst_EventLogList::cleanup()
{
    logOn(1);
    PageStack::destroyInstance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_EventLogList::cleanupTestCase()
{
    PageHeaderSource::uninstall();
    EL_EventLogDBbase::destroyInstance();
    m_artwork.reset();
}

AUK_30073 *tst_EventLogList::openByStatus(quint16 mask, bool unrestoredOnly, quint8 panel)
{
    auto *screen = new AUK_30073(QStringLiteral("By status"), mask, unrestoredOnly, panel, nullptr);
    PageStack::instance()->push(screen);
    settle();
    return screen;
}

void tst_EventLogList::windowAroundTheCurrentCard_data()
{
    QTest::addColumn<int>("events");
    QTest::addColumn<int>("card");
    QTest::addColumn<QList<int>>("window");
    QTest::addColumn<int>("centre");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<bool>("back");
    QTest::addColumn<bool>("next");
    // Newest first: card n of 12 is seqNo 13 - n.
    QTest::newRow("card 5 of 12") << 12 << 5 << QList<int>{9, 8, 7} << 8 << "005/012" << true << true;
    QTest::newRow("card 2 of 12") << 12 << 2 << QList<int>{12, 11, 10} << 11 << "002/012" << true << true;
    QTest::newRow("card 1 of 12") << 12 << 1 << QList<int>{12, 11, 10} << 12 << "001/012" << false << true;
    QTest::newRow("the last card") << 12 << 12 << QList<int>{2, 1} << 1 << "012/012" << true << false;
    QTest::newRow("one event resets the card") << 1 << 2 << QList<int>{1} << 1 << "001/001" << false << false;
    QTest::newRow("empty") << 0 << 1 << QList<int>{} << -1 << "000/000" << false << false;
    // Mended: a number past the total shows the last card, not an empty
    // window under an old counter.
    QTest::newRow("past the total") << 12 << 20 << QList<int>{2, 1} << 1 << "012/012" << true << false;
}

void tst_EventLogList::windowAroundTheCurrentCard()
{
    QFETCH(int, events);
    QFETCH(int, card);
    QFETCH(QList<int>, window);
    QFETCH(int, centre);
    QFETCH(QString, counter);
    QFETCH(bool, back);
    QFETCH(bool, next);
    writeLog(faults(events));
    AUK_30073 *screen = openByStatus(Faults);
    QCOMPARE(::counter(screen), events ? QStringLiteral("001/%1").arg(events, 3, 10, QLatin1Char('0')) : counter);
    emit cards(screen)->refreshModel(card);
    settle();
    QCOMPARE(windowSeqNos(screen), window);
    QCOMPARE(centreSeqNo(screen), centre);
    QCOMPARE(::counter(screen), counter);
    QCOMPARE(screen->offset(), qMax(0, counter.leftRef(3).toInt() - 1));
    QCOMPARE(cards(screen)->centreItemRow(), window.isEmpty() ? -1 : (screen->offset() == 0 ? 0 : 1));
    QCOMPARE(arrowShown(screen, "backButton"), back);
    QCOMPARE(arrowShown(screen, "nextButton"), next);
}

void tst_EventLogList::cardMovesReloadTheWindow()
{
    writeLog(faults(12));
    AUK_30073 *screen = openByStatus(Faults);
    QAbstractItemModelTester tester(shownModel(screen), QAbstractItemModelTester::FailureReportingMode::QtTest);
    AUK_90011 *view = cards(screen);
    emit view->refreshModel(5);
    // The window moves with the card: one on, two back, to the first.
    emit view->listScrolled(1, 2);
    QCOMPARE(::counter(screen), QStringLiteral("006/012"));
    QCOMPARE(centreSeqNo(screen), 7);
    emit view->listScrolled(1, 0);
    emit view->listScrolled(1, 0);
    QCOMPARE(::counter(screen), QStringLiteral("004/012"));
    QCOMPARE(windowSeqNos(screen), (QList<int>{10, 9, 8}));
    emit view->listScrolled(1, 1);
    QCOMPARE(screen->offset(), 3);
    for (int step = 0; step < 5; ++step)
        emit view->listScrolled(1, 0);
    QCOMPARE(::counter(screen), QStringLiteral("001/012"));
    QCOMPARE(centreSeqNo(screen), 12);
}

void tst_EventLogList::theArrowMovesOneCard()
{
    writeLog(faults(12));
    AUK_30073 *screen = openByStatus(Faults);
    emit cards(screen)->refreshModel(5);
    settle();
    auto *next = cards(screen)->findChild<AUK_90049 *>(QStringLiteral("nextButton"));
    QVERIFY(next->isVisibleTo(cards(screen)));
    emit next->clicked(QString());
    settle();
    QCOMPARE(::counter(screen), QStringLiteral("006/012"));
    QCOMPARE(centreSeqNo(screen), 7);
    QCOMPARE(windowSeqNos(screen), (QList<int>{8, 7, 6}));
}

void tst_EventLogList::aFullLogCountsFromTheNewest()
{
    writeLog(faults(EL_EventLogDBbase::MaxEvents + 5));
    AUK_30073 *screen = new AUK_30073(QString(), EveryCategory, false, nullptr);
    PageStack::instance()->push(screen);
    settle();
    QCOMPARE(::counter(screen), QStringLiteral("001/10000"));
    QCOMPARE(centreSeqNo(screen), EL_EventLogDBbase::MaxEvents + 5);
    emit cards(screen)->refreshModel(EL_EventLogDBbase::MaxEvents);
    settle();
    QCOMPARE(::counter(screen), QStringLiteral("10000/10000"));
    QCOMPARE(centreSeqNo(screen), 6);
}

void tst_EventLogList::aRepeatedSeqNoIsOneCard()
{
    EventData second = fault(50);
    second.eventCode = 101;
    writeLog({fault(50), second});
    AUK_30073 *screen = openByStatus(Faults);
    QCOMPARE(::counter(screen), QStringLiteral("001/001"));
    QCOMPARE(shownModel(screen)->index(0, 0).data(R::EventTextRole).toString(), QStringLiteral("Smoke"));
}

void tst_EventLogList::unrestoredOnlyHidesRestoredFaults()
{
    // The fault at point 1 has its restoral; the one at point 2 stands.
    writeLog({fault(1, 1, 1), EventFixtures::restoral(2, EventLog::CategoryFault, EventLog::CategoryNone, 1),
              fault(3, 1, 2)},
             true);
    AUK_30073 *all = openByStatus(Faults, false);
    QCOMPARE(windowSeqNos(all), (QList<int>{3, 1}));
    AUK_30073 *standing = openByStatus(Faults, true);
    QCOMPARE(windowSeqNos(standing), (QList<int>{3}));
    QCOMPARE(::counter(standing), QStringLiteral("001/001"));
}

void tst_EventLogList::panelAndModes()
{
    writeLog({fault(1, 1), fault(2, 2), fault(3, 1), EventFixtures::makeEvent(4, EventLog::CategoryFire, 2)});
    QCOMPARE(windowSeqNos(openByStatus(Faults, false, 2)), (QList<int>{2}));
    QCOMPARE(windowSeqNos(openByStatus(Faults, false, 1)), (QList<int>{3, 1}));
    AUK_30073 *everyPanel = openByStatus(Faults);
    QCOMPARE(everyPanel->mode(), AUK_30073::ByStatus);
    QCOMPARE(::counter(everyPanel), QStringLiteral("001/003"));
    auto *byCategory = new AUK_30073(QString(), Faults | (1 << EventLog::CategoryFire), false, nullptr);
    PageStack::instance()->push(byCategory);
    QCOMPARE(byCategory->mode(), AUK_30073::ByCategory);
    QCOMPARE(::counter(byCategory), QStringLiteral("001/004"));
    const QDateTime second = DateTime::fromPanelSeconds(fault(2).timeAndDate);
    auto *byDate = new AUK_30073(QString(), second, second.addSecs(1), nullptr);
    PageStack::instance()->push(byDate);
    settle();
    QCOMPARE(byDate->mode(), AUK_30073::ByDate);
    QCOMPARE(windowSeqNos(byDate), (QList<int>{3, 2}));
}

void tst_EventLogList::logShrinkingUnderTheCardKeepsTheWindowInside()
{
    writeLog(faults(12));
    AUK_30073 *screen = openByStatus(Faults);
    QAbstractItemModelTester tester(shownModel(screen), QAbstractItemModelTester::FailureReportingMode::QtTest);
    emit cards(screen)->refreshModel(10);
    QCOMPARE(::counter(screen), QStringLiteral("010/012"));
    // A resynchronisation leaves four events under the tenth card.
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    QVERIFY(log->execStatement(QStringLiteral("DELETE FROM EventLog WHERE seqNo > 4")));
    screen->updateEventLogModel();
    settle();
    QCOMPARE(::counter(screen), QStringLiteral("004/004"));
    QCOMPARE(centreSeqNo(screen), 1);
    QCOMPARE(windowSeqNos(screen), (QList<int>{2, 1}));
    QVERIFY(log->clearTable(QStringLiteral("EventLog")));
    screen->updateEventLogModel();
    QCOMPARE(::counter(screen), QStringLiteral("000/000"));
    QCOMPARE(screen->offset(), 0);
}

void tst_EventLogList::newEventsRefreshOnceAfterTheQuietSpell()
{
    writeLog(faults(12));
    AUK_30073 *screen = openByStatus(Faults);
    emit cards(screen)->refreshModel(5);
    QSignalSpy resets(shownModel(screen), &QAbstractItemModel::modelReset);
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    for (int seqNo = 13; seqNo <= 15; ++seqNo) {
        const EventData event = fault(seqNo);
        QVERIFY(log->insertData(&event, true));
        m_clock.advance(500);
    }
    QCOMPARE(::counter(screen), QStringLiteral("005/012"));
    const int resetsBefore = resets.count();
    m_clock.advance(3000);
    // One reload for the burst: the counter follows the new total.
    QCOMPARE(::counter(screen), QStringLiteral("005/015"));
    QVERIFY(resets.count() > resetsBefore);
    const int resetsAfter = resets.count();
    m_clock.advance(10000);
    QCOMPARE(resets.count(), resetsAfter);
}

// An event accepted at the panel changes its card: the list reloads once
// the quiet spell after the acceptance is over, not before.
void tst_EventLogList::acceptedEventRefreshesAfterTheQuietSpell()
{
    writeLog(faults(12));
    AUK_30073 *screen = openByStatus(Faults);
    QSignalSpy resets(shownModel(screen), &QAbstractItemModel::modelReset);
    sc_LkLogManagerServices *services = SyncClient::instance()->getLogManagerServices();
    QVERIFY(services);
    emit services->logEventAccepted();
    m_clock.advance(2999);
    QCOMPARE(resets.count(), 0);
    m_clock.advance(1);
    QVERIFY(resets.count() > 0);
    const int reloaded = resets.count();
    m_clock.advance(10000);
    QCOMPARE(resets.count(), reloaded);
    QCOMPARE(::counter(screen), QStringLiteral("001/012"));
}

void tst_EventLogList::saveKeyNeedsALogOn_data()
{
    QTest::addColumn<int>("accessLevel");
    QTest::addColumn<bool>("shown");
    QTest::newRow("not logged in") << 1 << false;
    QTest::newRow("key in") << 2 << false;
    QTest::newRow("operator") << 3 << true;
    QTest::newRow("engineer") << 4 << true;
}

void tst_EventLogList::saveKeyNeedsALogOn()
{
    QFETCH(int, accessLevel);
    QFETCH(bool, shown);
    Security *security = Security::instance();
    if (accessLevel == 2) {
        TeskGlobalConfig::instance()->setKeyswitchEnabled(true);
        security->keyswitchUpdateSlot(true);
    } else {
        logOn(accessLevel == 1 ? 1 : accessLevel == 3 ? 5 : 11);
    }
    QCOMPARE(int(security->accessLevel()), accessLevel);
    writeLog(faults(2));
    AUK_30073 *screen = openByStatus(Faults);
    QCOMPARE(keys(screen)->rightButtonVisible(), shown);
    QCOMPARE(keys(screen)->rightButtonText(), QStringLiteral("_SAVE_SK"));
    QVERIFY(!keys(screen)->leftButtonVisible());
    QVERIFY(!keys(screen)->middleButtonVisible());
    security->keyswitchUpdateSlot(false);
    TeskGlobalConfig::instance()->setKeyswitchEnabled(false);
}

void tst_EventLogList::reportColumns_data()
{
    QTest::addColumn<int>("restriction");
    QTest::addColumn<int>("brand");
    QTest::addColumn<int>("columns");
    QTest::newRow("plain") << 0 << 0 << 8;
    QTest::newRow("information texts restricted") << 256 << 0 << 7;
    QTest::newRow("another restriction") << 64 << 0 << 8;
    QTest::newRow("saltmarsh on the panel link") << 0 << 1 << 8;
}

void tst_EventLogList::reportColumns()
{
    QFETCH(int, restriction);
    QFETCH(int, brand);
    QFETCH(int, columns);
    TeskGlobalConfig::instance()->setRestrictionMask(quint16(restriction));
    SystemState::instance()->setBrand(brand);
    writeLog(faults(3));
    ReportSetup reports(PanelConfiguration::Csv);
    AUK_30073 *screen = openByStatus(Faults);
    emit keys(screen)->rightButtonClicked();
    QVERIFY(ReportSetup::files().isEmpty());
    QVERIFY(!screen->findChild<SaveReport *>());
    // The report starts a moment later, once the screen is drawn, and runs
    // in steps on the engine's clock.
    m_clock.advance(1);
    QPointer<SaveReport> save = screen->findChild<SaveReport *>();
    QVERIFY(save);
    for (int step = 0; step < 100 && save; ++step) {
        m_clock.advance(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QVERIFY(!save);
    SystemState::instance()->setBrand(0);
    TeskGlobalConfig::instance()->setRestrictionMask(0);
    const QStringList files = ReportSetup::files();
    QCOMPARE(files, QStringList{QStringLiteral("EL20240807134609_0.csv")});
    const QStringList lines = ReportSetup::text(files.first()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const auto field = [](const QString &line) { return line.mid(1, line.size() - 2).trimmed(); };
    QCOMPARE(field(lines.value(0)), QStringLiteral("_EVENT_LOG_HDR"));
    QCOMPARE(field(lines.value(1)), QStringLiteral("_SAVING_PANEL_25_CHAR 1"));
    // The title row and the three events, every one with its columns.
    QStringList rows = lines.filter(QStringLiteral("_UNACCEPTED_INFOTEXT"));
    QCOMPARE(rows.size(), 3);
    rows << lines.filter(QStringLiteral("_DATE_TIME_STATUSTITLE"));
    QCOMPARE(rows.size(), 4);
    for (const QString &row : rows)
        QCOMPARE(row.count(QStringLiteral("\",\"")) + 1, columns);
}

void tst_EventLogList::busModeShowsTheBusLog()
{
    setGuiMode(2);
    RbusEvent first;
    first.kind = RbusEvent::Fault;
    first.texts[1] = QStringLiteral("Kitchen");
    RbusEvent second = first;
    second.texts[1] = QStringLiteral("Stairs");
    rbusEventLog *bus = rbusEventLog::instance();
    bus->events = {first, second};
    auto *screen = new AUK_30073(QString(), 0, false, nullptr);
    PageStack::instance()->push(screen);
    settle();
    QCOMPARE(shownModel(screen)->rowCount(), 2);
    QVERIFY(!cards(screen)->fixedCounter());
    QCOMPARE(::counter(screen), QStringLiteral("001/002"));
    bus->events.append(first);
    emit bus->rbusLogUpdated();
    QCOMPARE(shownModel(screen)->rowCount(), 3);
    QCOMPARE(::counter(screen), QStringLiteral("001/003"));
    bus->clear();
    setGuiMode(0);
}

void tst_EventLogList::screenshots()
{
    QVERIFY(LinkedScreens::loadEnglish());
    EnglishTexts english;
    QVERIFY(english.isLoaded());
    PrintableAddress::instance()->clearZoneTextCache();
    QVector<EventData> events = faults(12);
    events[7].eventCode = 101;
    writeLog(events);
    struct Shot
    {
        const char *name;
        quint16 mask;
        int card;
    };
    for (const Shot &shot : {Shot{"AUK_30073_cards", Faults, 5}, Shot{"AUK_30073_empty", 1 << 8, 1}}) {
        AUK_30073 *screen = openByStatus(shot.mask);
        emit cards(screen)->refreshModel(shot.card);
        settle();
        QCOMPARE(WidgetShot::textProblems(screen), QString());
        WidgetShot::saveForReview(WidgetShot::grab(screen), QLatin1String(shot.name));
        PageStack::instance()->remove(screen);
    }
}

QTEST_MAIN(tst_EventLogList)
#include "tst_eventloglist.moc"
