#include "../eventlog/EventFixtures.h"
#include "../listscreens/ListScreenSite.h"
#include "../listscreens/SelectorScreen.h"
#include "AnimationClock.h"
#include "ArtworkDir.h"
#include "FakeClock.h"
#include "FakeEthernetLink.h"
#include "LinkedScreens.h"
#include "WidgetShot.h"
#include "app/AUK_30001.h"
#include "app/ListScreenPagesWiring.h"
#include "app/PageHeaderSource.h"
#include "app/PageStack.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "listscreens/DateTimeSelector.h"
#include "listscreens/PanelSelector.h"
#include "listscreens/StatusSelector.h"
#include "paneldata/DateTime.h"
#include "screens/control/AUK_30067.h"
#include "screens/control/AUK_30117.h"
#include "screens/status/AUK_30002.h"
#include "screens/status/AUK_30069.h"
#include "screens/status/AUK_30072.h"
#include "screens/status/AUK_30073.h"
#include "widgets/AUK_90002.h"
#include "widgets/AUK_90003.h"
#include "widgets/AUK_90011.h"
#include "widgets/AUK_90054.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QtTest>

#include <cstdlib>
#include <ctime>

using EventLog::EventData;

namespace {

constexpr int AnimationMs = 1000;
constexpr quint8 SomeUser = 5;
constexpr quint8 NoUser = 255;

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

// "name" for each visible icon button, in the grid's reading order, with
// "(off)" after a disabled one and "|" between rows.
QString grid(const QWidget *menu)
{
    QList<AUK_90002 *> buttons = menu->findChildren<AUK_90002 *>();
    buttons.erase(
        std::remove_if(buttons.begin(), buttons.end(), [menu](const AUK_90002 *b) { return !b->isVisibleTo(menu); }),
        buttons.end());
    std::sort(buttons.begin(), buttons.end(), [](const AUK_90002 *a, const AUK_90002 *b) {
        return qMakePair(a->y(), a->x()) < qMakePair(b->y(), b->x());
    });
    QString text;
    int rowY = -1;
    for (const AUK_90002 *button : buttons) {
        if (!text.isEmpty())
            text += button->y() == rowY ? QStringLiteral(",") : QStringLiteral("|");
        rowY = button->y();
        text += button->objectName() + (button->isEnabled() ? QString() : QStringLiteral("(off)"));
    }
    return text;
}

void click(const QWidget *page, const char *name)
{
    auto *button = page->findChild<AUK_90002 *>(QLatin1String(name));
    QVERIFY2(button, name);
    emit button->clicked(QString());
}

template <typename T> T *top()
{
    PageStack *stack = PageStack::instance();
    const QStringList names = stack->pageNames();
    if (names.isEmpty())
        return nullptr;
    const QList<T *> pages = stack->findChildren<T *>(names.last());
    return pages.isEmpty() ? nullptr : pages.last();
}

EventData faultAt(int seqNo, const QDateTime &when)
{
    EventData event = EventFixtures::makeEvent(EventLog::SeqNum_t(seqNo));
    event.timeAndDate = DateTime::toPanelSeconds(when);
    return event;
}

QDateTime utc(int hour, int minute, int second)
{
    return QDateTime(QDate(2024, 6, 15), QTime(hour, minute, second), Qt::UTC);
}

// The host's time zone for a while; the engine's times must not follow it.
class HostZone final
{
public:
    explicit HostZone(const char *zone)
        : m_previous(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~HostZone()
    {
        qputenv("TZ", m_previous);
        tzset();
    }
    HostZone(const HostZone &) = delete;
    HostZone &operator=(const HostZone &) = delete;

private:
    QByteArray m_previous;
};

qint64 panelClock()
{
    return utc(12, 30, 0).toSecsSinceEpoch();
}

QString counterOf(const QWidget *screen)
{
    return screen->findChild<QLabel *>(QStringLiteral("counter"))->text();
}

} // namespace

// The event-log and logs menus, the roads to them, and the two filter
// screens that open the event-log list.
class tst_EventLogMenus : public QObject
{
    Q_OBJECT

private:
    void settle()
    {
        m_animations.advance(AnimationMs);
        m_clock.advance(1);
    }

    FakeClock m_clock;
    FakeEthernetLink m_link;
    AnimationClock m_animations;
    std::unique_ptr<ArtworkDir> m_artwork;

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void eventLogMenuEntries_data();
    void eventLogMenuEntries();
    void eventLogMenuOpensTheFilterScreens();
    void logsMenuEntries_data();
    void logsMenuEntries();
    void eventLogEntry_data();
    void eventLogEntry();
    void homeScreenLogsEntries_data();
    void homeScreenLogsEntries();

    void viewKeyFollowsTheStatusChoice();
    void panelStaysThroughANewStatusChoice();
    void allPanelsRowGives255();
    void unrestoredBoxIsReadAtViewTime();
    void selectorModelsPassTheTester();
    void dateScreenStartsTodayAndIncludesTheEndMinute_data();
    void dateScreenStartsTodayAndIncludesTheEndMinute();

    void screenshots();
};

void tst_EventLogMenus::initTestCase()
{
    m_artwork = std::make_unique<ArtworkDir>();
    QVERIFY(m_artwork->isValid());
    QVERIFY(LinkedScreens::bringLinkUp(m_link));
    installListScreenPages();
}

void tst_EventLogMenus::init()
{
    setGuiMode(0);
    DateTime::resetOffset();
    DateTime::setClock(panelClock);
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setPanelNumber(1);
    config->setConnectionNodeNumber(6);
    // A network of panels 1, 2 and 5.
    ListScreenSite::build({1, 2, 5});
    ListScreenSite::setNetworkPanels({1, 2, 5});
    logOn(5);
    PageStack *stack = PageStack::instance();
    stack->resize(640, 480);
    stack->show();
    stack->push(new AUK_30001);
}

void tst_EventLogMenus::cleanup()
{
    logOn(1);
    DateTime::setClock(nullptr);
    PageStack::destroyInstance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_EventLogMenus::cleanupTestCase()
{
    PageHeaderSource::uninstall();
    EL_EventLogDBbase::destroyInstance();
    m_artwork.reset();
}

void tst_EventLogMenus::eventLogMenuEntries_data()
{
    QTest::addColumn<int>("userLevel");
    QTest::addColumn<QString>("grid");
    QTest::newRow("level 0") << 0 << "statusButton";
    QTest::newRow("level 1") << 1 << "statusButton";
    QTest::newRow("level 2") << 2 << "statusButton,dateTimeButton";
    QTest::newRow("engineer") << 11 << "statusButton,dateTimeButton";
}

void tst_EventLogMenus::eventLogMenuEntries()
{
    QFETCH(int, userLevel);
    QFETCH(QString, grid);
    AUK_30067 menu(userLevel);
    QCOMPARE(::grid(&menu), grid);
    QCOMPARE(menu.title(), QStringLiteral("_EVENT_LOG_HDR"));
    QCOMPARE(menu.objectName(), QStringLiteral("AUK_30067"));
    QVERIFY(!menu.iconBlueFlavour().isNull());
}

void tst_EventLogMenus::eventLogMenuOpensTheFilterScreens()
{
    auto *menu = new AUK_30067(5);
    PageStack::instance()->push(menu);
    click(menu, "statusButton");
    QCOMPARE(PageStack::instance()->pageNames().last(), QStringLiteral("AUK_30069"));
    PageStack::instance()->pop(1);
    click(menu, "dateTimeButton");
    QCOMPARE(PageStack::instance()->pageNames(), (QStringList{"AUK_30001", "AUK_30067", "AUK_30072"}));
}

void tst_EventLogMenus::logsMenuEntries_data()
{
    QTest::addColumn<int>("connectionLevel");
    QTest::addColumn<QString>("grid");
    QTest::newRow("level 6") << 6 << "eventsLogButton,pointsLogButton(off)";
    QTest::newRow("level 7") << 7 << "eventsLogButton,pointsLogButton(off),advancedStatsButton(off)";
    QTest::newRow("level 9") << 9 << "eventsLogButton,pointsLogButton(off),advancedStatsButton(off)";
}

void tst_EventLogMenus::logsMenuEntries()
{
    QFETCH(int, connectionLevel);
    QFETCH(QString, grid);
    TeskGlobalConfig::instance()->setConnectionNodeNumber(connectionLevel);
    AUK_30117 menu(11);
    QCOMPARE(::grid(&menu), grid);
    QCOMPARE(menu.title(), QStringLiteral("_LOGS_MENU_HDR"));
}

void tst_EventLogMenus::eventLogEntry_data()
{
    QTest::addColumn<int>("guiMode");
    QTest::addColumn<QString>("opened");
    QTest::newRow("panel link") << 0 << "AUK_30067";
    QTest::newRow("panel link with backup") << 1 << "AUK_30067";
    QTest::newRow("reduced start, mode 2") << 2 << "AUK_30073";
    QTest::newRow("reduced start, mode 3") << 3 << "AUK_30073";
}

// The logs menu's event-log entry: the menu with the panel link, the list
// itself (every category, every panel) in the reduced start.
void tst_EventLogMenus::eventLogEntry()
{
    QFETCH(int, guiMode);
    QFETCH(QString, opened);
    setGuiMode(guiMode);
    auto *menu = new AUK_30117(11);
    PageStack::instance()->push(menu);
    click(menu, "eventsLogButton");
    QCOMPARE(PageStack::instance()->pageNames(), (QStringList{"AUK_30001", "AUK_30117", opened}));
    if (guiMode > 1) {
        auto *list = top<AUK_30073>();
        QVERIFY(list);
        QCOMPARE(list->mode(), AUK_30073::ByCategory);
        QCOMPARE(list->panel(), AUK_30073::AllPanels);
        QVERIFY(!list->unrestoredOnly());
    }
    setGuiMode(0);
}

void tst_EventLogMenus::homeScreenLogsEntries_data()
{
    QTest::addColumn<int>("guiMode");
    QTest::addColumn<int>("userLevel");
    QTest::addColumn<QString>("opened");
    QTest::newRow("operator") << 0 << 5 << "AUK_30067";
    QTest::newRow("engineer") << 0 << 11 << "AUK_30117";
    QTest::newRow("reduced start") << 2 << 11 << "AUK_30073";
}

void tst_EventLogMenus::homeScreenLogsEntries()
{
    QFETCH(int, guiMode);
    QFETCH(int, userLevel);
    QFETCH(QString, opened);
    setGuiMode(guiMode);
    logOn(userLevel);
    auto *home = guiMode > 1 ? new AUK_30002 : new AUK_30002(int(Security::instance()->accessLevel()), userLevel);
    PageStack::instance()->push(home);
    auto *logs = home->findChild<AUK_90002 *>(QStringLiteral("logsMenuButton"));
    QVERIFY(logs && logs->isVisibleTo(home));
    emit logs->clicked(QString());
    QCOMPARE(PageStack::instance()->pageNames().last(), opened);
    // The reduced start never offers the menus, whatever the button says.
    home->showLogsMenu();
    QCOMPARE(PageStack::instance()->pageNames().last(), guiMode > 1 ? opened : QStringLiteral("AUK_30117"));
    setGuiMode(0);
}

void tst_EventLogMenus::viewKeyFollowsTheStatusChoice()
{
    auto *screen = new AUK_30069;
    PageStack::instance()->push(screen);
    settle();
    AUK_90006 *bar = screen->lozengeBar();
    QVERIFY(bar->isVisibleTo(screen));
    QVERIFY(!bar->leftButtonVisible());
    QCOMPARE(bar->leftButtonText(), QStringLiteral("_VIEW_SK"));
    QVERIFY(!bar->middleButtonVisible());
    QVERIFY(!bar->rightButtonVisible());
    QVERIFY(bar->scrollButtonsVisible());
    tapRow(screen->statusSelector(), 1);
    QVERIFY(bar->leftButtonVisible());
    tapRow(screen->statusSelector(), 0);
    QVERIFY(bar->leftButtonVisible());
    tapRow(screen->statusSelector(), 0);
    tapRow(screen->statusSelector(), 1);
    QVERIFY(!bar->leftButtonVisible());
}

void tst_EventLogMenus::panelStaysThroughANewStatusChoice()
{
    auto *screen = new AUK_30069;
    PageStack::instance()->push(screen);
    settle();
    tapRow(screen->statusSelector(), 1);
    PanelSelector *panels = screen->panelSelector();
    QVERIFY(panels->hasAllPanelsItem());
    QVERIFY(panels->selectPanel(5));
    tapRow(screen->statusSelector(), 0);
    quint8 panel = 0;
    QVERIFY(panels->selectedPanel(&panel));
    QCOMPARE(int(panel), 5);
    emit screen->lozengeBar()->leftButtonClicked();
    auto *list = top<AUK_30073>();
    QVERIFY(list);
    QCOMPARE(int(list->panel()), 5);
    QCOMPARE(int(list->categoryMask()), (1 << 4) | (1 << 8));
    QCOMPARE(list->mode(), AUK_30073::ByStatus);
    QCOMPARE(list->findChild<AUK_90011 *>()->title(), QStringLiteral("_STATUS_LOGTITLE"));
}

void tst_EventLogMenus::allPanelsRowGives255()
{
    auto *screen = new AUK_30069;
    PageStack::instance()->push(screen);
    settle();
    tapRow(screen->statusSelector(), 1);
    QVERIFY(screen->panelSelector()->selectPanel(2));
    QVERIFY(screen->panelSelector()->selectPanel(PanelSelector::AllPanels));
    emit screen->lozengeBar()->leftButtonClicked();
    QCOMPARE(int(top<AUK_30073>()->panel()), 255);
}

void tst_EventLogMenus::unrestoredBoxIsReadAtViewTime()
{
    auto *screen = new AUK_30069;
    PageStack::instance()->push(screen);
    settle();
    tapRow(screen->statusSelector(), 1);
    auto *box = screen->statusSelector()->filterEditor()->findChild<AUK_90003 *>();
    QVERIFY(box);
    box->click();
    box->click();
    emit screen->lozengeBar()->leftButtonClicked();
    QVERIFY(!top<AUK_30073>()->unrestoredOnly());
    PageStack::instance()->pop(1);
    box->click();
    emit screen->lozengeBar()->leftButtonClicked();
    QVERIFY(top<AUK_30073>()->unrestoredOnly());
}

void tst_EventLogMenus::selectorModelsPassTheTester()
{
    auto *screen = new AUK_30069;
    PageStack::instance()->push(screen);
    settle();
    QAbstractItemModelTester statuses(listOf(screen->statusSelector())->model(),
                                      QAbstractItemModelTester::FailureReportingMode::QtTest);
    tapRow(screen->statusSelector(), 1);
    QAbstractItemModelTester panels(listOf(screen->panelSelector())->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    tapRow(screen->panelSelector(), 1);
    tapRow(screen->statusSelector(), 2);
    tapRow(screen->panelSelector(), 0);
    QCOMPARE(listOf(screen->panelSelector())->model()->rowCount(), 4);
}

void tst_EventLogMenus::dateScreenStartsTodayAndIncludesTheEndMinute_data()
{
    QTest::addColumn<QByteArray>("hostZone");
    QTest::newRow("UTC") << QByteArray("UTC0");
    QTest::newRow("east of UTC") << QByteArray("JST-9");
}

void tst_EventLogMenus::dateScreenStartsTodayAndIncludesTheEndMinute()
{
    QFETCH(QByteArray, hostZone);
    const HostZone zone(hostZone.constData());
    EL_EventLogDBbase::destroyInstance();
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    for (const EventData &event : {faultAt(1, utc(0, 0, 0).addSecs(-1)), faultAt(2, utc(10, 14, 59)),
                                   faultAt(3, utc(10, 15, 59)), faultAt(4, utc(10, 16, 1))})
        QVERIFY(log->insertData(&event, false));
    auto *screen = new AUK_30072;
    PageStack::instance()->push(screen);
    settle();
    QCOMPARE(screen->startSelector()->selectedDateTime(), utc(0, 0, 0));
    screen->endSelector()->setDateTime(utc(10, 15, 0));
    emit screen->lozengeBar()->leftButtonClicked();
    auto *list = top<AUK_30073>();
    QVERIFY(list);
    QCOMPARE(list->mode(), AUK_30073::ByDate);
    QCOMPARE(list->to(), utc(10, 16, 0));
    QCOMPARE(counterOf(list), QStringLiteral("001/002"));
    QCOMPARE(list->findChild<AUK_90011 *>()->listView()->model()->index(0, 0).data(EventLogQueryModel::SeqNoRole),
             QVariant(3));
}

void tst_EventLogMenus::screenshots()
{
    QVERIFY(LinkedScreens::loadEnglish());
    EnglishTexts english;
    QVERIFY(english.isLoaded());
    const auto shoot = [this](QWidget *page, const QString &name) {
        settle();
        QCOMPARE(WidgetShot::textProblems(page), QString());
        WidgetShot::saveForReview(WidgetShot::grab(page), name);
    };
    auto *eventLogMenu = new AUK_30067(5);
    PageStack::instance()->push(eventLogMenu);
    shoot(eventLogMenu, QStringLiteral("AUK_30067"));
    auto *twoLogs = new AUK_30117(11);
    PageStack::instance()->push(twoLogs);
    shoot(twoLogs, QStringLiteral("AUK_30117_two"));
    TeskGlobalConfig::instance()->setConnectionNodeNumber(7);
    auto *threeLogs = new AUK_30117(11);
    PageStack::instance()->push(threeLogs);
    shoot(threeLogs, QStringLiteral("AUK_30117_three"));

    auto *byStatus = new AUK_30069;
    PageStack::instance()->push(byStatus);
    settle();
    tapRow(byStatus->statusSelector(), 0);
    tapRow(byStatus->statusSelector(), 1);
    shoot(byStatus, QStringLiteral("AUK_30069_status"));
    byStatus->panelSelector()->activate();
    QVERIFY(byStatus->panelSelector()->selectPanel(2));
    settle();
    shoot(byStatus, QStringLiteral("AUK_30069_panels"));

    auto *byDate = new AUK_30072;
    PageStack::instance()->push(byDate);
    settle();
    shoot(byDate, QStringLiteral("AUK_30072_start"));
    byDate->endSelector()->activate();
    byDate->endSelector()->button()->findChildren<AUK_90054 *>().at(2)->click();
    settle();
    shoot(byDate, QStringLiteral("AUK_30072_end_days"));
}

QTEST_MAIN(tst_EventLogMenus)
#include "tst_eventlogmenus.moc"
