#include "../pointmodels/ScriptedSite.h"
#include "ArtworkDir.h"
#include "BannerShown.h"
#include "FakeClock.h"
#include "FakeEthernetLink.h"
#include "LinkedScreens.h"
#include "MessageCapture.h"
#include "WidgetShot.h"
#include "app/PageHeaderSource.h"
#include "app/PageStack.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "core/Languages.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "link/SyncClient.h"
#include "paneldata/PanelCounters.h"
#include "paneldata/PointCoreConfiguration.h"
#include "screens/popups/AUK_40026.h"
#include "screens/popups/AUK_40047.h"
#include "screens/status/AUK_30002.h"
#include "widgets/AUK_90002.h"
#include "widgets/AUK_90004.h"
#include "widgets/AUK_90006.h"
#include "widgets/BasePopup.h"

#include <QTableWidget>
#include <QtTest>

#include <algorithm>

namespace {

constexpr int EngineBucket = 0;
constexpr int GlobalBucket = 41;

// Access level 1 is nobody, 2 the key switch, 3 an operator, 4 an engineer.
void logOn(int accessLevel)
{
    static const int userLevels[] = {1, 1, 1, 3, 11};
    const bool keyIn = accessLevel == 2;
    TeskGlobalConfig::instance()->setKeyswitchEnabled(keyIn);
    Security::instance()->permissionsUpdate(accessLevel <= 2 ? 255 : 5, quint8(userLevels[accessLevel]));
    if (keyIn)
        Security::instance()->keyswitchUpdateSlot(true);
    QCOMPARE(int(Security::instance()->accessLevel()), accessLevel);
}

void setGuiMode(int mode)
{
    SystemState::Configuration configuration;
    configuration.guiMode = mode;
    SystemState::instance()->writeEepromConfiguration(configuration, false);
}

QString visibleButtons(const AUK_30002 &home)
{
    QStringList names;
    for (const char *name : {"panelTest_TasksButton", "systemStatusButton", "dayNight_ConfigureButton",
                             "logsMenuButton", "fireTest", "user2"}) {
        const auto *button = home.findChild<AUK_90002 *>(QLatin1String(name));
        if (button && button->isVisibleTo(&home))
            names << button->objectName() + QLatin1Char('=') + button->text();
    }
    return names.join(QLatin1Char(','));
}

// The custom link buttons keep the icon button's own object name.
bool isLink(const AUK_90002 *button)
{
    return button->objectName() == QLatin1String("AUK_90002");
}

QString softKeys(const AUK_30002 &home)
{
    const auto *bar = home.findChild<AUK_90006 *>(QStringLiteral("lozengeBar"));
    if (!bar->isVisibleTo(&home))
        return QStringLiteral("hidden");
    const auto key = [](bool visible, const QString &text) { return visible ? text : QStringLiteral("-"); };
    return key(bar->leftButtonVisible(), bar->leftButtonText()) + QLatin1Char('|')
           + key(bar->middleButtonVisible(), bar->middleButtonText()) + QLatin1Char('|')
           + key(bar->rightButtonVisible(), bar->rightButtonText());
}

QTableWidget *table(const AUK_30002 &home, const char *name)
{
    return home.findChild<AUK_90004 *>(QStringLiteral("eventsSummary"))->findChild<QTableWidget *>(QLatin1String(name));
}

QString cell(QTableWidget *table, int row, int column)
{
    if (QTableWidgetItem *item = table->item(row, column))
        return item->text();
    if (auto *label = qobject_cast<QLabel *>(table->cellWidget(row, column)))
        return label->text();
    return QString();
}

} // namespace

class tst_HomeScreen : public QObject
{
    Q_OBJECT

private:
    FakeClock m_clock;
    FakeEthernetLink m_link;
    std::unique_ptr<ArtworkDir> m_artwork;

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void buttonsAndKeys_data();
    void buttonsAndKeys();
    void reducedScreen_data();
    void reducedScreen();
    void countersAndWarnings();
    void messages_data();
    void messages();
    void oneRefreshAfterTheLastEventLogSignal();
    void fireTestPointOnBusAddressOne();
    void linkChangeKeepsTheLevelsButtons();
    void buttonsOpenTheirPopups_data();
    void buttonsOpenTheirPopups();
    void startupLogOn_data();
    void startupLogOn();
    void customLinkButtons();
    void screenshots();
    void countdownScreenshots();
};

void tst_HomeScreen::initTestCase()
{
    m_artwork = std::make_unique<ArtworkDir>();
    QVERIFY(m_artwork->isValid());
    // The screen switches languages itself: give it the build's English.
    TeskGlobalConfig::instance()->setLanguages(1, Languages::EnglishId, 0, 0, 0);
    QVERIFY(LinkedScreens::loadEnglish());
    QVERIFY(LinkedScreens::bringLinkUp(m_link));
}

void tst_HomeScreen::init()
{
    ScriptedSite::reset();
    ScriptedSite::setValueAndNotify(GlobalBucket, QStringLiteral("tmplateID"), QStringLiteral("0"));
    setGuiMode(0);
    logOn(1);
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setEvacuateEnabled(false);
    config->setSoundersOnOffEnabled(false);
    config->setAlarmAckEnabled(false);
    config->setRbusAddress(1);
    PanelCounters::instance()->setFaults(0, 254);
    QVERIFY(EL_EventLogDBbase::instance()->clearTable(QStringLiteral("EventLog")));
}

void tst_HomeScreen::cleanupTestCase()
{
    PageHeaderSource::uninstall();
    EL_EventLogDBbase::destroyInstance();
    m_artwork.reset();
}

void tst_HomeScreen::buttonsAndKeys_data()
{
    QTest::addColumn<int>("access");
    QTest::addColumn<int>("userLevel");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<QString>("keys");
    const QString nobody = "panelTest_TasksButton=Panel test,systemStatusButton=System status,"
                           "logsMenuButton=Event log";
    // Below an operator the bar waits for the panel to be ready for a log-on.
    QTest::newRow("nobody") << 1 << 1 << "" << nobody << "hidden";
    QTest::newRow("nobody, all keys configured") << 1 << 1 << "esa" << nobody << "hidden";
    QTest::newRow("key switch") << 2 << 1 << "e"
                                << "panelTest_TasksButton=Panel test,systemStatusButton=System status,"
                                   "dayNight_ConfigureButton=Day mode,logsMenuButton=Event log"
                                << "hidden";
    QTest::newRow("operator, sounders and alarm ack")
        << 3 << 3 << "sa"
        << "panelTest_TasksButton=Tasks,systemStatusButton=System status,logsMenuButton=Event log"
        << "Ack. alarm|Sounders on / off|Log off";
    QTest::newRow("engineer, evacuate and sounders")
        << 4 << 11 << "es"
        << "panelTest_TasksButton=Tasks,systemStatusButton=System status,"
           "dayNight_ConfigureButton=Service & settings,logsMenuButton=Logs"
        << "Sounders on / off|Evacuate|Log off";
    QTest::newRow("engineer, alarm ack only") << 4 << 11 << "a"
                                              << "panelTest_TasksButton=Tasks,systemStatusButton=System status,"
                                                 "dayNight_ConfigureButton=Service & settings,logsMenuButton=Logs"
                                              << "-|Ack. alarm|Log off";
}

void tst_HomeScreen::buttonsAndKeys()
{
    QFETCH(int, access);
    QFETCH(int, userLevel);
    QFETCH(QString, flags);
    QFETCH(QString, buttons);
    QFETCH(QString, keys);
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setEvacuateEnabled(flags.contains(QLatin1Char('e')));
    config->setSoundersOnOffEnabled(flags.contains(QLatin1Char('s')));
    config->setAlarmAckEnabled(flags.contains(QLatin1Char('a')));
    logOn(access);
    EnglishTexts english;
    QVERIFY(english.isLoaded());
    AUK_30002 home(access, userLevel);
    home.show();
    QCOMPARE(home.objectName(), QStringLiteral("AUK_30002"));
    QCOMPARE(home.requiredAccessLevel(), access);
    QCOMPARE(visibleButtons(home), buttons);
    QCOMPARE(softKeys(home), keys);
}

void tst_HomeScreen::reducedScreen_data()
{
    QTest::addColumn<int>("guiMode");
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<QString>("row0");
    QTest::newRow("repeater, mode 2") << 2 << "panelTest_TasksButton=Panel test,logsMenuButton=Event log"
                                      << "";
    QTest::newRow("repeater, mode 3, no bus link") << 3 << "panelTest_TasksButton=Panel test"
                                                   << "Link lost";
}

void tst_HomeScreen::reducedScreen()
{
    QFETCH(int, guiMode);
    QFETCH(QString, buttons);
    QFETCH(QString, row0);
    setGuiMode(guiMode);
    EnglishTexts english;
    AUK_30002 home;
    QCOMPARE(visibleButtons(home), buttons);
    QCOMPARE(softKeys(home), QStringLiteral("hidden"));
    QCOMPARE(cell(table(home, "messagesTableWidget"), 0, 0), row0);
}

void tst_HomeScreen::countersAndWarnings()
{
    EnglishTexts english;
    EventLog::EventData warning;
    warning.seqNo = 1;
    warning.eventCat = 1;
    warning.acceptStatus = 3;
    QVERIFY(EL_EventLogDBbase::instance()->insertData(&warning, false));
    PanelCounters::instance()->setFaults(7, 254);
    AUK_30002 home(1, 1);
    QTableWidget *counters = table(home, "countersTableWidget");
    QVERIFY(counters);
    QCOMPARE(cell(counters, 0, 1), QStringLiteral("0007"));
    QCOMPARE(cell(counters, 1, 1), QStringLiteral("0001"));
    // Rows other than faults show nothing while zero.
    QCOMPARE(cell(counters, 2, 1), QString());
    QCOMPARE(cell(counters, 0, 0), QStringLiteral("Faults"));
    PanelCounters::instance()->setFaults(12, 254);
    QCOMPARE(cell(counters, 0, 1), QStringLiteral("0012"));
    QVERIFY(EL_EventLogDBbase::instance()->clearTable(QStringLiteral("EventLog")));
}

void tst_HomeScreen::messages_data()
{
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<QString>("network");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("silenced wins over off") << QStringList{"sndrsslncd", "sndrsoff", "protnoff"} << ""
                                            << QStringList{"Snd. silenced", "Protection off", "", "", ""};
    QTest::newRow("all five") << QStringList{"sndrsoff", "protnoff", "sgnlngoff", "keySfDrOpn", "keySfDrAlrm"} << ""
                              << QStringList{"Sounders off", "Protection off", "Signalling off", "Key safe open",
                                             "Key safe alarm"};
    QTest::newRow("template 1, master is panel 7")
        << QStringList{"protnoff"} << "7" << QStringList{"", "Master: panel 07", "", "", ""};
    QTest::newRow("template 1, no master known")
        << QStringList{"protnoff"} << "255" << QStringList{"", "Temp. master", "", "", ""};
}

void tst_HomeScreen::messages()
{
    QFETCH(QStringList, flags);
    QFETCH(QString, network);
    QFETCH(QStringList, rows);
    for (const QString &flag : flags)
        ScriptedSite::setValue(EngineBucket, flag, QStringLiteral("1"));
    TeskGlobalConfig::instance()->setPanelNumber(3);
    if (!network.isEmpty()) {
        ScriptedSite::setValueAndNotify(GlobalBucket, QStringLiteral("tmplateID"), QStringLiteral("1"));
        ScriptedSite::setValueAndNotify(GlobalBucket, QStringLiteral("mstrNodeID"), QStringLiteral("7"));
        ScriptedSite::setValueAndNotify(EngineBucket, QStringLiteral("currNetMstr"), network);
    }
    EnglishTexts english;
    AUK_30002 home(1, 1);
    QTableWidget *messages = table(home, "messagesTableWidget");
    QVERIFY(messages);
    for (int row = 0; row < rows.size(); ++row)
        QCOMPARE(cell(messages, row, 0), rows.at(row));
}

void tst_HomeScreen::oneRefreshAfterTheLastEventLogSignal()
{
    AUK_30002 home(1, 1);
    QTableWidget *counters = table(home, "countersTableWidget");
    QCOMPARE(cell(counters, 1, 1), QString());
    EventLog::EventData warning;
    warning.seqNo = 5;
    warning.eventCat = 6;
    warning.acceptStatus = 3;
    QVERIFY(EL_EventLogDBbase::instance()->insertData(&warning, false));
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    emit log->updatedWarnings();
    m_clock.advance(2000);
    emit log->outstandingEventsUpdated();
    m_clock.advance(2999);
    QCOMPARE(cell(counters, 1, 1), QString());
    m_clock.advance(1);
    QCOMPARE(cell(counters, 1, 1), QStringLiteral("0001"));
    QVERIFY(log->clearTable(QStringLiteral("EventLog")));
}

void tst_HomeScreen::fireTestPointOnBusAddressOne()
{
    TeskGlobalConfig::instance()->setPanelNumber(0);
    TeskGlobalConfig::instance()->setRbusAddress(12);
    ScriptedSite::addPoint(0, ChannelAddress(5, 1, 1), ScriptedSite::record(12));
    {
        // The check runs when the point data changes; the next home screen shows its result.
        AUK_30002 earlier(1, 1);
        earlier.isFireTestPointAvble();
        earlier.isUser2PointAvble();
    }
    logOn(2);
    AUK_30002 home(2, 2);
    QVERIFY(visibleButtons(home).contains(QStringLiteral("fireTest=")));
    QVERIFY(!visibleButtons(home).contains(QStringLiteral("user2=")));
    QVERIFY(home.findChild<AUK_90002 *>(QStringLiteral("fireTest"))->isEnabled());
}

void tst_HomeScreen::buttonsOpenTheirPopups_data()
{
    QTest::addColumn<int>("access");
    QTest::addColumn<int>("userLevel");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("opened");
    QTest::newRow("nobody's panel test") << 1 << 1 << "panelTest_TasksButton"
                                         << "AUK_40003";
    QTest::newRow("key switch's panel test") << 2 << 2 << "panelTest_TasksButton"
                                             << "AUK_40003";
    QTest::newRow("fire test") << 2 << 2 << "fireTest"
                               << "AUK_40042";
    QTest::newRow("user 2") << 2 << 2 << "user2"
                            << "AUK_40042";
    QTest::newRow("evacuate key") << 4 << 11 << "evacuate"
                                  << "AUK_40002";
    // The operator's tasks menu is not built yet: the button waits for it.
    QTest::newRow("operator's tasks") << 3 << 3 << "panelTest_TasksButton"
                                      << "";
}

// Each popup goes on the page stack over the home screen, as the user sees
// it; the self-test starts at once.
void tst_HomeScreen::buttonsOpenTheirPopups()
{
    QFETCH(int, access);
    QFETCH(int, userLevel);
    QFETCH(QString, button);
    QFETCH(QString, opened);
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setPanelNumber(0);
    config->setEvacuateEnabled(true);
    const ChannelAddress inputs(5, 1, 1);
    PointCoreConfiguration::instance()->addChannel(0, inputs, 2);
    PointCoreConfiguration::instance()->addPoint(0, inputs, ScriptedSite::record(12));
    PointCoreConfiguration::instance()->addPoint(0, inputs, ScriptedSite::record(13));
    {
        // The check runs when the point data changes; the next home screen shows its result.
        AUK_30002 earlier(1, 1);
        earlier.isFireTestPointAvble();
        earlier.isUser2PointAvble();
    }
    logOn(access);
    PageStack *stack = PageStack::instance();
    stack->show();
    QVERIFY(stack->push(new AUK_90001A));
    auto *home = new AUK_30002(access, userLevel);
    QVERIFY(stack->push(home));
    QString pointText;
    if (button == QLatin1String("evacuate")) {
        auto *bar = home->findChild<AUK_90006 *>(QStringLiteral("lozengeBar"));
        QVERIFY(bar->middleButtonVisible() && bar->middleButtonEnabled());
        emit bar->middleButtonClicked();
    } else {
        auto *pressed = home->findChild<AUK_90002 *>(button);
        QVERIFY(pressed->isVisible());
        pointText = pressed->text();
        QTest::mouseClick(pressed, Qt::LeftButton);
    }
    const QString top = stack->pageNames().last();
    QCOMPARE(top == QLatin1String("AUK_30002") ? QString() : top, opened);
    if (opened == QLatin1String("AUK_40042")) {
        // The notice names the point the button names.
        const auto popups = stack->findChildren<BasePopup *>(QStringLiteral("AUK_40042"));
        QCOMPARE(popups.size(), 1);
        QCOMPARE(popups.first()->title(), pointText);
    }
    if (opened == QLatin1String("AUK_40003")) {
        // Started: its display test is under way.
        const auto *status = stack->findChild<QLabel *>(QStringLiteral("testDisplayStatus"));
        QCOMPARE(status->text(), QStringLiteral("In progress"));
    }
    PageStack::destroyInstance();
}

void tst_HomeScreen::linkChangeKeepsTheLevelsButtons()
{
    logOn(4);
    EnglishTexts english;
    AUK_30002 home(4, 11);
    const QString before = visibleButtons(home);
    emit m_link.updateEnetConnectedToPanel(false);
    settleQueuedEvents();
    emit m_link.updateEnetConnectedToPanel(true);
    settleQueuedEvents();
    QCOMPARE(visibleButtons(home), before);
    QVERIFY(before.contains(QStringLiteral("dayNight_ConfigureButton")));
}

// Link 1 follows the system status button, link 2 the logs button; a link
// above the log-on adds nothing.
void tst_HomeScreen::customLinkButtons()
{
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setCustomLink1(10);
    config->setCustomLink2(23);
    logOn(3);
    AUK_30002 home(3, 3);
    QStringList order;
    QList<AUK_90002 *> buttons = home.findChildren<AUK_90002 *>();
    std::sort(buttons.begin(), buttons.end(), [](const AUK_90002 *a, const AUK_90002 *b) {
        return qMakePair(a->y(), a->x()) < qMakePair(b->y(), b->x());
    });
    for (const AUK_90002 *button : buttons) {
        if (button->isVisibleTo(&home))
            order << (isLink(button) ? button->property("value").toString() : button->objectName());
    }
    // The fire-test and user-2 buttons follow when an earlier test left their points available.
    const QString shown = order.join(QLatin1Char(','));
    QVERIFY2(shown.startsWith(QStringLiteral("panelTest_TasksButton,systemStatusButton,10,logsMenuButton,23")),
             qPrintable(shown));
    config->setCustomLink1(57);
    config->setCustomLink2(0);
    AUK_30002 withoutLinks(3, 3);
    const auto buttons57 = withoutLinks.findChildren<AUK_90002 *>();
    QVERIFY(std::none_of(buttons57.cbegin(), buttons57.cend(), isLink));
    config->setCustomLink1(0);
}

void tst_HomeScreen::startupLogOn_data()
{
    QTest::addColumn<bool>("master");
    QTest::addColumn<QString>("top");
    QTest::newRow("network master") << true << "AUK_40001";
    QTest::newRow("not the master") << false << "AUK_30002";
}

// When the panel is ready for a log-on the network master asks for one at
// once, without Cancel; the log-on then leads to the panel update screen
// until the link reconnects.
void tst_HomeScreen::startupLogOn()
{
    QFETCH(bool, master);
    QFETCH(QString, top);
    ScriptedSite::setValue(EngineBucket, QStringLiteral("mstrstat"),
                           master ? QStringLiteral("1") : QStringLiteral("0"));
    PageStack *stack = PageStack::instance();
    QVERIFY(stack->push(new AUK_90001A));
    QVERIFY(stack->push(new AUK_30002(1, 1)));
    emit SyncClient::instance()->panelReadyForAuthentication();
    QCOMPARE(stack->pageNames().constLast(), top);
    const QString updateScreen = QStringLiteral("AUK_30052 is not built yet");
    MessageCapture log;
    emit Security::instance()->loginNotify();
    QCOMPARE(log.messages().filter(updateScreen).size(), master ? 1 : 0);
    if (master)
        QVERIFY(!stack->findChild<BasePopup *>(QStringLiteral("AUK_40001"))->rightButtonVisible());
    log.clear();
    emit SyncClient::instance()->reconnected();
    emit Security::instance()->loginNotify();
    QVERIFY(log.messages().filter(updateScreen).isEmpty());
    PageStack::destroyInstance();
}

void tst_HomeScreen::screenshots()
{
    EnglishTexts english;
    // Seven faults stand, so the engine shows the fault banner.
    const BannerShown banner(TC::BANNER_FAULT);
    PanelCounters::instance()->setFaults(7, 254);
    ScriptedSite::setValue(EngineBucket, QStringLiteral("sndrsslncd"), QStringLiteral("1"));
    ScriptedSite::setValue(EngineBucket, QStringLiteral("keySfDrOpn"), QStringLiteral("1"));
    ScriptedSite::setValue(EngineBucket, QStringLiteral("protnoff"), QStringLiteral("1"));
    TeskGlobalConfig::instance()->setSoundersOnOffEnabled(true);
    TeskGlobalConfig::instance()->setAlarmAckEnabled(true);
    struct Shot
    {
        int access;
        int userLevel;
        int guiMode;
        const char *name;
    };
    for (const Shot &shot :
         {Shot{1, 1, 0, "AUK_30002_level1"}, Shot{3, 3, 0, "AUK_30002_level3"}, Shot{1, 0, 2, "AUK_30002_reduced"}}) {
        setGuiMode(shot.guiMode);
        logOn(shot.access);
        std::unique_ptr<AUK_30002> home(shot.guiMode > 1 ? new AUK_30002 : new AUK_30002(shot.access, shot.userLevel));
        home->show();
        settleQueuedEvents();
        const QImage image = WidgetShot::grab(home.get());
        WidgetShot::saveForReview(image, QLatin1String(shot.name));
        QCOMPARE(WidgetShot::textProblems(home.get()), QString());
    }
}

// The two countdown popups as the standby countdown shows them, and the home
// screen with two custom links.
void tst_HomeScreen::countdownScreenshots()
{
    EnglishTexts english;
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    config->setCustomLink1(10);
    config->setCustomLink2(23);
    logOn(3);
    PageStack *stack = PageStack::instance();
    stack->show();
    QVERIFY(stack->push(new AUK_90001A));
    QVERIFY(stack->push(new AUK_30002(3, 3)));
    settleQueuedEvents();
    WidgetShot::saveForReview(WidgetShot::grab(stack), QStringLiteral("AUK_30002_customlinks"));
    QCOMPARE(WidgetShot::textProblems(stack), QString());
    auto *fireReset = new AUK_40026(0, nullptr);
    fireReset->showTimeLeft(28);
    QVERIFY(stack->push(fireReset));
    WidgetShot::saveForReview(WidgetShot::grab(stack), QStringLiteral("AUK_40026_over_home"));
    QCOMPARE(WidgetShot::textProblems(stack), QString());
    auto *initialisation = new AUK_40047(1, nullptr);
    initialisation->setCountdown(117);
    QVERIFY(stack->push(initialisation));
    WidgetShot::saveForReview(WidgetShot::grab(stack), QStringLiteral("AUK_40047_over_home"));
    QCOMPARE(WidgetShot::textProblems(stack), QString());
    config->setCustomLink1(0);
    config->setCustomLink2(0);
    PageStack::destroyInstance();
}

QTEST_MAIN(tst_HomeScreen)
#include "tst_homescreen.moc"
