#include "screens/status/AUK_30002.h"

#include "app/PageStack.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "app/Translator.h"
#include "core/BucketMaster.h"
#include "core/SC_Timer.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "frontpanel/rbusEventLog.h"
#include "link/SyncClient.h"
#include "paneldata/PanelCounters.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/WalkTestHandler.h"
#include "pointmodels/OutstandingEventsModel.h"
#include "pointmodels/WarningsModel.h"
#include "pointmodels/model.h"
#include "screens/control/AUK_30117.h"
#include "screens/popups/AUK_40001.h"
#include "screens/popups/AUK_40002.h"
#include "screens/popups/AUK_40003.h"
#include "screens/popups/AUK_40025.h"
#include "screens/popups/AUK_40042.h"
#include "screens/status/AUK_30073.h"
#include "screens/status/CustomLinks.h"
#include "screens/status/EventsSummaryScreens.h"
#include "widgets/AUK_90002.h"
#include "widgets/AUK_90004.h"
#include "widgets/AUK_90006.h"
#include "widgets/PanelIcon.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

constexpr quint8 AllPanels = 255;
constexpr quint8 SystemTotals = 254;
constexpr quint8 NoPoint = 128;
constexpr int EngineBucket = 0;
constexpr int PointNamesBucket = 7;
constexpr int LogicalZonesBucket = 9;
constexpr int LoggedOutUser = 255;
constexpr int LoggedOutLevel = 1;

// Ids of the toolkit's text tables.
enum TextId : int {
    AlarmAckKey = 4,
    EvacuateKey = 21,
    LoginKey = 29,
    LogoutKey = 30,
    SoundersOnOffKey = 49,
    MainMenuTitle = 19,
    EventLogButton = 24,
    LogsMenuButton = 37,
    PanelTestButton = 44,
    ServiceSettingsButton = 58,
    SystemStatusButton = 65,
    TasksButton = 66,
};

// The fire-test and user-2 inputs of this panel's front-panel bus channel.
constexpr quint8 InputKind = 5;
constexpr quint8 InputNumber = 1;
constexpr quint8 FireTestPoint = 12;
constexpr quint8 User2Point = 13;

// Shared by every home screen: the next one shows what the last found.
bool s_languagePacketPending = false;
bool s_fireTestAvailable = false;
QString s_fireTestPointName;
bool s_user2Available = false;
QString s_user2PointName;

// The screens these open are built by later work; until then the key says
// which it would open and does nothing else.
void notBuilt(const char *className)
{
    qDebug() << "AUK_30002:" << className << "is not built yet";
}

SystemState *state()
{
    return SystemState::instance();
}

bool isSet(const char *key)
{
    return BucketMaster::instance()->getValue(EngineBucket, QLatin1String(key)) == QLatin1String("1");
}

} // namespace

AUK_30002::AUK_30002(int accessLevel, int userLevel, QWidget *parent)
    : AUK_90001A(parent)
    , m_userLevel(userLevel)
    , m_outstandingModel(new OutstandingEventsModel(AllPanels, this))
    , m_warningsModel(new WarningsModel(AllPanels, this))
    , m_settleTimer(SC_Timer::create(this))
{
    setRequiredAccessLevel(accessLevel);
    buildForm();
    m_useLogsMenu = !isRepeaterMode() && userLevel > 10;
    retranslateTexts();
    m_lozengeBar->setVisible(Security::instance()->accessLevel() >= TESKEnumHolder::EN54_LOGGED_IN
                             || state()->isPanelReadyForAuthentication());
    setCounterLabels();
    m_eventsSummary->panelConnected(state()->isEthernetOrRbusConnected(), state()->isE30Connected());
    connect(state(), &SystemState::stateChanged, this, &AUK_30002::updatePanelConnected);
    SetInfoCounters();
    setInformationText();
    m_eventsSummary->updateMessagesVisibility();
    m_eventsSummary->setBoxType(2);
    connectFullScreen();
    populateEventsSummaryMessages();
    if (model::instance()->isDayModeDisabled())
        m_dayNight->hide();
    setUpForAccessLevel(accessLevel);
    displayRequiredLogMenu();
    addCustomLinks();
    applyLogsButtonRule();
    layoutButtons();
}

AUK_30002::AUK_30002(QWidget *parent)
    : AUK_90001A(parent)
    , m_outstandingModel(new OutstandingEventsModel(AllPanels, this))
    , m_warningsModel(new WarningsModel(AllPanels, this))
    , m_settleTimer(SC_Timer::create(this))
{
    buildForm();
    retranslateTexts();
    m_eventsSummary->setBoxType(2);
    setCounterLabels();
    m_eventsSummary->panelConnected(state()->isEthernetOrRbusConnected(), state()->isE30Connected());
    connect(state(), &SystemState::stateChanged, this, &AUK_30002::updatePanelConnected);
    rbusEventLog *bus = rbusEventLog::instance();
    connect(bus, &rbusEventLog::rbusLogUpdated, this, &AUK_30002::setInformationText);
    if (state()->guiMode() != 3) {
        connect(PanelCounters::instance(), &PanelCounters::counterUpdated, this, &AUK_30002::SetInfoCounters);
        SetInfoCounters();
        connect(bus, &rbusEventLog::rbusSoundersEvent, this, &AUK_30002::soundersUpdated);
    }
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    connect(config, &TeskGlobalConfig::updateLanguage, this, &AUK_30002::languagePacketReceived);
    connect(config, &TeskGlobalConfig::updateLanguage, this, &AUK_30002::updateLanguage);
    setInformationText();
    m_eventsSummary->updateMessagesVisibility();
    connect(Translator::instance(), &Translator::languageChanged, this, &AUK_30002::languageChanged);
    updateLanguage();
    assignSoftKeys();
    m_lozengeBar->hide();
    m_logs->show();
    connectPanelTest();
    displayRequiredLogMenu();
    if (state()->guiMode() == 3)
        showDisconnectionFault(!state()->isRbusConnected());
    for (QWidget *hidden : {static_cast<QWidget *>(m_dayNight), static_cast<QWidget *>(m_fireTest),
                            static_cast<QWidget *>(m_user2), static_cast<QWidget *>(m_systemStatus)})
        hidden->hide();
    applyLogsButtonRule();
    layoutButtons();
}

AUK_30002::~AUK_30002()
{
    m_settleTimer->stop();
}

void AUK_30002::buildForm()
{
    setObjectName(QStringLiteral("AUK_30002"));
    setHomeIcons();
    const auto button = [this](const char *name, const char *image) {
        auto *made = new AUK_90002(this);
        made->setObjectName(QLatin1String(name));
        made->resize(110, 110);
        made->setIcon(panelIcon(image));
        return made;
    };
    m_dayNight = button("dayNight_ConfigureButton", "AUK_80057_daynight_lrg_white.png");
    m_logs = button("logsMenuButton", "AUK_80060_eventlog_lrg_white.png");
    m_systemStatus = button("systemStatusButton", "AUK_80075_sysstatus_lrg_white.png");
    m_panelTest = button("panelTest_TasksButton", "AUK_80070_paneltst_lrg_white.png");
    m_fireTest = button("fireTest", "GENERIC_missing_smll.png");
    m_user2 = button("user2", "GENERIC_missing_smll.png");
    m_eventsSummary = new AUK_90004(this);
    m_eventsSummary->setObjectName(QStringLiteral("eventsSummary"));
    m_eventsSummary->setGeometry(429, 43, 210, 338);
    m_eventsSummary->setUseCountersZeroIcon(true);
    m_eventsSummary->setText(QString());
    m_lozengeBar = new AUK_90006(this);
    m_lozengeBar->setObjectName(QStringLiteral("lozengeBar"));
    m_lozengeBar->setGeometry(0, 379, 640, 71);
    m_lozengeBar->setLeftButtonVisible(false);
    m_lozengeBar->setMiddleButtonVisible(false);
    connect(m_eventsSummary, &BaseButton::clicked, this, &AUK_30002::on_eventsSummary_clicked);

    // Buttons whose screens are not built yet are shown disabled.
    for (AUK_90002 *waiting : {m_logs, m_systemStatus, m_panelTest})
        waiting->setEnabled(false);
    m_settleTimer->setSingleShot(true);
    m_settleTimer->setInterval(SettleMs);
    connect(m_settleTimer, &SC_Timer::timeout, this, &AUK_30002::updateWarningsCounter);
    connect(m_settleTimer, &SC_Timer::timeout, this, &AUK_30002::setInformationText);
}

void AUK_30002::connectFullScreen()
{
    connect(PanelCounters::instance(), &PanelCounters::counterUpdated, this, &AUK_30002::SetInfoCounters);
    connect(WalkTestHandler::instance(), &WalkTestHandler::walkTestSummaryChanged, this, &AUK_30002::SetInfoCounters);
    PointCoreConfiguration *core = PointCoreConfiguration::instance();
    connect(core, &PointCoreConfiguration::pointCoreUpdated, this, &AUK_30002::isFireTestPointAvble);
    connect(core, &PointCoreConfiguration::pointCoreUpdated, this, &AUK_30002::isUser2PointAvble);
    connect(core, &PointCoreConfiguration::pointCoreUpdated, this, &AUK_30002::setInformationText);
    BucketMaster *store = BucketMaster::instance();
    store->connectBucketUpdated(PointNamesBucket, this, [this] {
        isFireTestPointAvble();
        isUser2PointAvble();
    });
    store->connectBucketUpdated(LogicalZonesBucket, this, [this] { setInformationText(); });
    store->connectBucketUpdated(EngineBucket, this, [this] { populateEventsSummaryMessages(); });
    // Each of the two restarts the settle time: one refresh after the last.
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    connect(log, &EL_EventLogDBbase::updatedWarnings, m_settleTimer, qOverload<>(&SC_Timer::start));
    connect(log, &EL_EventLogDBbase::outstandingEventsUpdated, m_settleTimer, qOverload<>(&SC_Timer::start));
    PageStack *stack = PageStack::instance();
    connect(stack, &PageStack::alreadyLoggedInAtStartupMode, this, &AUK_30002::showPanelUpdateScreen);
    connect(stack, &PageStack::loginAtStartupMode, this, &AUK_30002::showLogin);
    connect(stack, &PageStack::panelRestarted, this, &AUK_30002::panelRestarting);
    SyncClient *link = SyncClient::instance();
    connect(link, &SyncClient::panelReadyForAuthentication, this, &AUK_30002::setPanelReadyForAuthentication);
    connect(link, &SyncClient::reconnected, this, &AUK_30002::resetLoginHandlers);
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    connect(config, &TeskGlobalConfig::updateLanguage, this, &AUK_30002::languagePacketReceived);
    connect(config, &TeskGlobalConfig::updateLanguage, this, &AUK_30002::updateLanguage);
    connect(config, &TeskGlobalConfig::evacuateWithoutLoginChanged, this, &AUK_30002::evacuateWithoutLoginChanged);
    connect(link, &SyncClient::compatibilityUpdated, this, &AUK_30002::compatibilityUpdate);
    connect(link, &SyncClient::pointStringUpdated, this, &AUK_30002::setInformationText);
    Translator *translator = Translator::instance();
    connect(translator, &Translator::languageChanged, this, &AUK_30002::languageChanged);
    connect(translator, &Translator::languageChanged, this, &AUK_30002::isFireTestPointAvble);
    connect(translator, &Translator::languageChanged, this, &AUK_30002::isUser2PointAvble);
    connect(model::instance(), &model::masterSlaveUpdate, this, &AUK_30002::masterSlaveUpdate);
}

void AUK_30002::setUpForAccessLevel(int accessLevel)
{
    if (accessLevel == TESKEnumHolder::EN54_KEY_IN || accessLevel == TESKEnumHolder::EN54_LOGGED_IN
        || accessLevel == TESKEnumHolder::EN54_ENGINEER) {
        const bool loggedOn = accessLevel != TESKEnumHolder::EN54_KEY_IN;
        assignSoftKeys();
        updateRightKey();
        m_lozengeBar->setRightButtonTextById(loggedOn ? LogoutKey : LoginKey);
        showInputPointButton(m_fireTest, s_fireTestAvailable, s_fireTestPointName);
        showInputPointButton(m_user2, s_user2Available, s_user2PointName);
        connect(m_fireTest, &BaseButton::clicked, this, &AUK_30002::startfireTest);
        connect(m_user2, &BaseButton::clicked, this, &AUK_30002::user2ButtonPressed);
        m_systemStatus->show();
        connect(m_systemStatus, &BaseButton::clicked, this, &AUK_30002::showSysStatus);
        if (!loggedOn) {
            connectPanelTest();
            m_dayNight->setDayNightModeIcon(model::instance()->isDayMode());
            connect(m_dayNight, &BaseButton::clicked, this, &AUK_30002::showDayNightMode);
            connectRightKey(&AUK_30002::showLogin);
            // The log-on popup is built later.
            m_lozengeBar->setRightButtonEnabled(false);
            return;
        }
        m_dayNight->hide();
        m_panelTest->setTextById(TasksButton);
        m_panelTest->setIcon(panelIcon("AUK_80076_tasks_lrg_white.png"));
        connect(m_panelTest, &BaseButton::clicked, this, &AUK_30002::showTasks);
        setServiceSettingsFace();
        if (m_userLevel >= 4) {
            m_dayNight->show();
            connect(m_dayNight, &BaseButton::clicked, this, &AUK_30002::showServiceSettings);
        }
        connectRightKey(&AUK_30002::logout);
        return;
    }
    updateLanguage();
    assignSoftKeys();
    updateRightKey();
    m_lozengeBar->setRightButtonTextById(LoginKey);
    connectPanelTest();
    m_dayNight->hide();
    applyLogsButtonRule();
    m_fireTest->hide();
    m_user2->hide();
    connect(m_systemStatus, &BaseButton::clicked, this, &AUK_30002::showSysStatus);
    connectRightKey(&AUK_30002::checkLogin);
    // The log-on popups are built later.
    m_lozengeBar->setRightButtonEnabled(false);
}

// Until the tasks menu is built, the panel test is the button's only
// working face.
void AUK_30002::connectPanelTest()
{
    connect(m_panelTest, &BaseButton::clicked, this, &AUK_30002::showPanelTest);
    m_panelTest->setEnabled(true);
}

void AUK_30002::connectRightKey(void (AUK_30002::*slot)())
{
    connect(m_lozengeBar, &AUK_90006::rightButtonClicked, this, slot, Qt::UniqueConnection);
}

void AUK_30002::showInputPointButton(AUK_90002 *button, bool available, const QString &name)
{
    button->hide();
    if (available && m_userLevel >= 2) {
        button->setText(name);
        button->show();
    }
}

void AUK_30002::assignSoftKeys()
{
    if (Security::instance()->accessLevel() < TESKEnumHolder::EN54_KEY_IN)
        return;
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    AUK_90006 *bar = m_lozengeBar;
    const auto middle = [this, bar](int text, void (AUK_30002::*slot)()) {
        bar->setMiddleButtonTextById(text);
        bar->setMiddleButtonVisible(true);
        connect(bar, &AUK_90006::middleButtonClicked, this, slot, Qt::UniqueConnection);
    };
    const auto left = [this, bar](int text, void (AUK_30002::*slot)()) {
        bar->setLeftButtonTextById(text);
        bar->setLeftButtonVisible(true);
        connect(bar, &AUK_90006::leftButtonClicked, this, slot, Qt::UniqueConnection);
    };
    if (config->isEvacuateEnabled()) {
        middle(EvacuateKey, &AUK_30002::ConfirmEvacuation);
        if (config->isSoundersOnOffEnabled())
            left(SoundersOnOffKey, &AUK_30002::StartSoundersOnOff);
        else if (config->isAlarmAckEnabled())
            left(AlarmAckKey, &AUK_30002::StartAlarmAck);
    } else if (config->isSoundersOnOffEnabled()) {
        middle(SoundersOnOffKey, &AUK_30002::StartSoundersOnOff);
        if (config->isAlarmAckEnabled())
            left(AlarmAckKey, &AUK_30002::StartAlarmAck);
    } else if (config->isAlarmAckEnabled()) {
        middle(AlarmAckKey, &AUK_30002::StartAlarmAck);
    }
}

bool AUK_30002::assignEvacuateWithoutLoginKey()
{
    if (!TeskGlobalConfig::instance()->isEvacuateWithoutLogin())
        return false;
    disconnect(m_lozengeBar, &AUK_90006::middleButtonClicked, nullptr, nullptr);
    m_lozengeBar->setMiddleButtonTextById(EvacuateKey);
    m_lozengeBar->setMiddleButtonVisible(true);
    m_lozengeBar->setMiddleButtonEnabled(true);
    connect(m_lozengeBar, &AUK_90006::middleButtonClicked, this, &AUK_30002::ConfirmEvacuation);
    m_evacuateKeyTaken = true;
    return true;
}

void AUK_30002::evacuateWithoutLoginChanged()
{
    assignEvacuateWithoutLoginKey();
}

void AUK_30002::updateRightKey()
{
    if (state()->isEthernetConnected() && model::instance()->isLocalControlAllowed()) {
        m_lozengeBar->setRightButtonVisible(true);
        return;
    }
    m_lozengeBar->setRightButtonVisible(false);
    loggedOut();
}

void AUK_30002::loggedOut()
{
    Security::instance()->permissionsUpdate(LoggedOutUser, LoggedOutLevel);
    SyncClient::instance()->logout();
}

void AUK_30002::applyLogsButtonRule()
{
    m_logs->setVisible(state()->isConnected() && !state()->isE30Connected() && state()->guiMode() != 3);
}

void AUK_30002::layoutButtons()
{
    arrangeIconButtons(
        {m_panelTest, m_systemStatus, m_link1, m_dayNight, m_logs, m_link2, m_eventsSummary, m_fireTest, m_user2});
}

// A new home screen comes with every change of log-on, so the buttons are
// built once, for the log-on the screen is made for.
void AUK_30002::addCustomLinks()
{
    m_links = new CustomLinks(this);
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    m_link1 = m_links->createLinkButton(config->getCustomLink1());
    m_link2 = m_links->createLinkButton(config->getCustomLink2());
    for (QWidget *link : {m_link1, m_link2}) {
        if (link) {
            link->setParent(this);
            link->show();
        }
    }
}

void AUK_30002::setCounterLabels()
{
    m_eventsSummary->setMessage(0, tr("_FAULTS_INFOTEXT"), 1000);
    m_eventsSummary->setMessage(1, tr("_WARNINGS_INFOTEXT"), 1001);
    m_eventsSummary->setMessage(2, tr("_DISABLES_INFOTEXT"), 1001);
    m_eventsSummary->setMessage(3, tr("_WALK_TESTS_INFOTEXT"), 1001);
}

void AUK_30002::setServiceSettingsFace()
{
    m_dayNight->setTextById(ServiceSettingsButton);
    m_dayNight->setIcon(panelIcon("AUK_80072_serviceset_lrg_white.png"));
}

void AUK_30002::retranslateTexts()
{
    m_eventsSummary->setTitle(tr("_EVENTS_SUMMARY_INFOTITLE"));
    setCounterLabels();
    setTitleById(MainMenuTitle);
    m_systemStatus->setTextById(SystemStatusButton);
    m_logs->setTextById(m_useLogsMenu ? LogsMenuButton : EventLogButton);
    m_panelTest->setTextById(PanelTestButton);
    m_dayNight->setDayNightModeIcon(model::instance()->isDayMode());
    const int level = Security::instance()->accessLevel();
    if (!isRepeaterMode() && level >= TESKEnumHolder::EN54_LOGGED_IN) {
        m_panelTest->setTextById(TasksButton);
        setServiceSettingsFace();
    }
}

void AUK_30002::SetInfoCounters()
{
    int faults = 0;
    int disablements = 0;
    int walkTests = 0;
    if (state()->guiMode() != 3) {
        faults = PanelCounters::instance()->faults(SystemTotals);
        disablements = PanelCounters::instance()->disablements(SystemTotals);
        walkTests = WalkTestHandler::instance()->getNodesInWalkTest();
        setInformationText();
    }
    m_eventsSummary->setCounterNumber(0, faults);
    m_eventsSummary->setCounterNumber(2, disablements);
    m_eventsSummary->setCounterNumber(3, walkTests);
    const int warnings = updateWarningsCounter();
    // What the user sees, for whoever reads the engine's log.
    const QString shown = QStringLiteral("faults %1 warnings %2 disablements %3 walk tests %4")
                              .arg(faults)
                              .arg(warnings)
                              .arg(disablements)
                              .arg(walkTests);
    if (shown != m_countersShown) {
        m_countersShown = shown;
        qInfo().noquote() << "AUK_30002: counters" << shown;
    }
    if (m_outstandingModel->queryCount() == 0)
        m_outstandingModel->clearOutstandingEvents();
}

int AUK_30002::updateWarningsCounter()
{
    const int warnings = isRepeaterMode() ? 0 : int(m_warningsModel->queryCount());
    m_eventsSummary->setCounterNumber(1, warnings);
    return warnings;
}

void AUK_30002::setInformationText()
{
    QString text;
    if (state()->isEthernetConnected()) {
        text = m_outstandingModel->topEventText();
    } else if (state()->isRbusConnected()) {
        if (const RbusEvent *event = rbusEventLog::instance()->findEvent(true, RbusEvent::Warning))
            text = QStringLiteral("%1\n%2\n%3\n%4")
                       .arg(event->texts[4], event->texts[1], event->texts[2], event->texts[5]);
    } else if (state()->isE30Connected()) {
        text = tr("_PRIMARY_CPU_FAILURE_INFOTEXT");
    }
    m_eventsSummary->setText(text);
}

void AUK_30002::setMessage(int row, const char *key)
{
    m_eventsSummary->insertMessage(key ? tr(key) : QString(), row, true);
}

void AUK_30002::soundersUpdated(TC::SounderState)
{
    populateEventsSummaryMessages();
}

void AUK_30002::populateEventsSummaryMessages()
{
    if (isRepeaterMode()) {
        switch (rbusEventLog::instance()->sounderState) {
        case TC::SOUNDERS_OFF:
            setMessage(0, QT_TRANSLATE_NOOP("AUK_30002", "_SOUNDERS_OFF_INFOTEXT"));
            break;
        case TC::SOUNDERS_SILENCED:
            setMessage(0, QT_TRANSLATE_NOOP("AUK_30002", "_SOUNDERS_SILENCED_ABBREVIATED_INFOTEXT"));
            break;
        case TC::SOUNDERS_NORMAL:
        case TC::SOUNDERS_NOT_SHOWN:
            setMessage(0, nullptr);
            break;
        }
        m_eventsSummary->updateMessagesVisibility();
        return;
    }
    setMessage(0, isSet("sndrsslncd") ? QT_TRANSLATE_NOOP("AUK_30002", "_SOUNDERS_SILENCED_ABBREVIATED_INFOTEXT")
                  : isSet("sndrsoff") ? QT_TRANSLATE_NOOP("AUK_30002", "_SOUNDERS_OFF_INFOTEXT")
                                      : nullptr);
    if (model::instance()->templateId() == 1)
        showNetMasterMessage();
    else
        setMessage(1, isSet("protnoff") ? QT_TRANSLATE_NOOP("AUK_30002", "_PROTECTION_OFF_INFOTEXT") : nullptr);
    setMessage(2, isSet("sgnlngoff") ? QT_TRANSLATE_NOOP("AUK_30002", "_SIGNALLING_OFF_INFOTEXT") : nullptr);
    setMessage(3, isSet("keySfDrOpn") ? QT_TRANSLATE_NOOP("AUK_30002", "_KEYSAFE_DOOR_OPEN_INFOTEXT") : nullptr);
    setMessage(4, isSet("keySfDrAlrm") ? QT_TRANSLATE_NOOP("AUK_30002", "_KEYSAFE_ALARM_INFOTEXT") : nullptr);
    m_eventsSummary->updateMessagesVisibility();
}

void AUK_30002::showNetMasterMessage()
{
    const model *panels = model::instance();
    const auto twoDigits = [](int number) { return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')); };
    QString text;
    if (panels->networkRole() == 0) {
        const int master = panels->currentNetMaster();
        if (master == 255)
            text = tr("_NO_CURRENT_NET_MASTER_INFOTEXT") + twoDigits(panels->localPanel());
        else if (master >= 1 && master <= 254)
            text = tr("_MASTER_IS_PANEL_INFOTEXT") + twoDigits(master);
    } else if (panels->networkRole() == 2) {
        text = tr("_TEMP_MASTER_INFOTEXT");
    }
    m_eventsSummary->insertMessage(text, 1, true);
}

void AUK_30002::showDisconnectionFault(bool show)
{
    setMessage(0, show ? QT_TRANSLATE_NOOP("AUK_30002", "_DISCONNECTION_FAULT_INFOTEXT") : nullptr);
    setMessage(1, show ? QT_TRANSLATE_NOOP("AUK_30002", "_DISCONNECTION_FAULT_CONTINUE_INFOTEXT") : nullptr);
    m_eventsSummary->updateMessagesVisibility();
}

void AUK_30002::masterSlaveUpdate()
{
    assignSoftKeys();
    updateRightKey();
    if (model::instance()->templateId() == 1)
        showNetMasterMessage();
    updateRightKey();
}

void AUK_30002::updatePanelConnected()
{
    setInformationText();
    if (state()->guiMode() == 3)
        showDisconnectionFault(!state()->isRbusConnected());
    m_eventsSummary->panelConnected(state()->isEthernetOrRbusConnected(), state()->isE30Connected());
    applyLogsButtonRule();
    if (isRepeaterMode()) {
        layoutButtons();
        return;
    }
    updateRightKey();
    m_systemStatus->setVisible(state()->isEthernetConnected());
    // The access level's own button rules, not a blanket hide: a screen built
    // for a logged-on user keeps its buttons across a link change.
    const int level = requiredAccessLevel();
    const bool keyIn = level == TESKEnumHolder::EN54_KEY_IN;
    const bool loggedOn = level >= TESKEnumHolder::EN54_LOGGED_IN;
    m_dayNight->setVisible((keyIn && !model::instance()->isDayModeDisabled()) || (loggedOn && m_userLevel >= 4));
    if (keyIn || loggedOn) {
        showInputPointButton(m_fireTest, s_fireTestAvailable, s_fireTestPointName);
        showInputPointButton(m_user2, s_user2Available, s_user2PointName);
    }
    layoutButtons();
}

bool AUK_30002::isInputPointAvailable(quint8 point, QString *name)
{
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    const int busAddress = config->getRbusAddress();
    const quint8 address = busAddress >= 1 && busAddress <= 8 ? quint8(busAddress) : quint8(1);
    const quint8 panel = config->getPanelNumber();
    model *panels = model::instance();
    if (panels->pointDeviceType(panel, InputKind, InputNumber, address, point) == NoPoint)
        return false;
    *name = panels->pointName(panel, InputKind, InputNumber, address, point, config->getCurrentLang());
    return true;
}

void AUK_30002::isFireTestPointAvble()
{
    s_fireTestAvailable = isInputPointAvailable(FireTestPoint, &s_fireTestPointName);
}

void AUK_30002::isUser2PointAvble()
{
    s_user2Available = isInputPointAvailable(User2Point, &s_user2PointName);
}

void AUK_30002::languagePacketReceived()
{
    s_languagePacketPending = true;
}

void AUK_30002::updateLanguage()
{
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    int slot = config->getCurrentLang();
    if (s_languagePacketPending) {
        slot = config->getLangUsage() & 3;
        s_languagePacketPending = false;
    }
    const int other = config->getLanguage(slot == 1 ? 2 : 1);
    showLanguageKey(other);
    if (!m_evacuateKeyTaken && other > 0) {
        disconnect(m_lozengeBar, &AUK_90006::middleButtonClicked, nullptr, nullptr);
        connect(m_lozengeBar, &AUK_90006::middleButtonClicked, this, &AUK_30002::SwapLanguage, Qt::UniqueConnection);
    }
    config->setCurrentLang(slot);
    Translator::instance()->loadLanguages(config->getLanguage(slot), other);
    Translator::instance()->setLanguage(config->getLanguage(slot));
    if (isRepeaterMode())
        model::instance()->setLanguage(config->getLanguage(slot));
}

void AUK_30002::showLanguageKey(int languageId)
{
    if (languageId > 0 && !(TeskGlobalConfig::instance()->getLangUsage() & 0x80)) {
        m_lozengeBar->setMiddleButtonText(Translator::instance()->languageName(languageId));
        m_lozengeBar->setMiddleButtonVisible(true);
        m_lozengeBar->setMiddleButtonEnabled(true);
    } else if (!m_evacuateKeyTaken) {
        m_lozengeBar->setMiddleButtonVisible(false);
    }
}

void AUK_30002::SwapLanguage()
{
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    const int slot = config->getCurrentLang() == 1 ? 2 : 1;
    config->setCurrentLang(slot);
    Translator::instance()->setLanguage(config->getLanguage(slot));
}

void AUK_30002::languageChanged()
{
    retranslateTexts();
    SetInfoCounters();
    populateEventsSummaryMessages();
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    showLanguageKey(config->getLanguage(config->getCurrentLang() == 1 ? 2 : 1));
    updateTextAlignment();
    if (!isRepeaterMode()) {
        assignSoftKeys();
        updateRightKey();
        m_lozengeBar->setRightButtonTextById(requiredAccessLevel() >= TESKEnumHolder::EN54_LOGGED_IN ? LogoutKey
                                                                                                     : LoginKey);
    }
    setInformationText();
}

void AUK_30002::displayRequiredLogMenu()
{
    disconnect(m_logs, &BaseButton::clicked, this, nullptr);
    if (m_useLogsMenu)
        connect(m_logs, &BaseButton::clicked, this, &AUK_30002::showLogsMenu);
    else
        connect(m_logs, &BaseButton::clicked, this, &AUK_30002::showEventsLogMenu);
}

void AUK_30002::showDayNightMode()
{
    model *panels = model::instance();
    SyncClient::instance()->sendDayNightMode(!panels->isDayMode());
    m_dayNight->setDayNightModeIcon(panels->isDayMode());
}

void AUK_30002::StartSoundersOnOff()
{
    SyncClient::instance()->soundersOnOff();
}

void AUK_30002::StartAlarmAck()
{
    SyncClient::instance()->swissAlarmAcknowledge();
}

void AUK_30002::logout()
{
    loggedOut();
}

void AUK_30002::on_eventsSummary_clicked()
{
    if (!state()->isConnected() || state()->isE30Connected())
        return;
    PageStack *stack = PageStack::instance();
    switch (state()->guiMode()) {
    case 3:
        // Without the panel link the summary is the bus log's list.
        stack->push(
            new AUK_30073(QCoreApplication::translate("AUK_30002", "_EVENTS_SUMMARY_LOGTITLE"), 0, false, this));
        return;
    case 2:
        stack->push(EventsSummaryScreens::create(KeyDispatchEnvironment::GeneralSummary, 1, 0));
        return;
    default:
        const Security *security = Security::instance();
        stack->push(EventsSummaryScreens::create(KeyDispatchEnvironment::GeneralSummary, security->accessLevel(),
                                                 security->userLevel()));
    }
}

void AUK_30002::checkLogin()
{
    if (!state()->isEthernetConnected())
        return;
    if (model::instance()->isKeyswitchAccessEnabled())
        PageStack::instance()->push(new AUK_40025(nullptr));
    else
        showLogin();
}

void AUK_30002::showLogin()
{
    if (model::instance()->isMasterPanel() && !state()->isPanelReadyForAuthentication()) {
        m_lozengeBar->hide();
        m_systemStatus->hide();
        return;
    }
    if (model::instance()->isMasterPanel()) {
        m_lozengeBar->show();
        m_systemStatus->show();
    }
    pushLogOn();
}

void AUK_30002::setPanelReadyForAuthentication()
{
    state()->setPanelReadyForAuthentication(true);
    m_lozengeBar->show();
    m_systemStatus->show();
    if (Security::instance()->accessLevel() >= TESKEnumHolder::EN54_LOGGED_IN || !model::instance()->isMasterPanel())
        return;
    pushLogOn();
}

void AUK_30002::panelRestarting()
{
    state()->setPanelReadyForAuthentication(false);
    m_lozengeBar->hide();
    m_systemStatus->hide();
    loggedOut();
}

void AUK_30002::resetLoginHandlers()
{
    disconnect(Security::instance(), &Security::loginNotify, this, &AUK_30002::showPanelUpdateScreen);
}

// On the network master a log-on at start-up leads on to the panel update
// screen; elsewhere the log-on only changes the access level.
void AUK_30002::pushLogOn()
{
    if (model::instance()->isMasterPanel())
        connect(Security::instance(), &Security::loginNotify, this, &AUK_30002::showPanelUpdateScreen,
                Qt::UniqueConnection);
    AUK_40001::pushLogOn();
}

void AUK_30002::compatibilityUpdate(bool flag)
{
    if (flag) {
        PageStack::instance()->showMainScreen(false);
        if (flavour() != RED)
            setFixedFlavour(1, YELLOW);
    } else {
        setFixedFlavour(0, flavour());
    }
}

void AUK_30002::showPanelTest()
{
    auto *popup = new AUK_40003;
    if (PageStack::instance()->push(popup))
        popup->startTest();
}

void AUK_30002::showTasks()
{
    notBuilt("AUK_30003");
}

void AUK_30002::showSysStatus()
{
    notBuilt("AUK_30015");
}

void AUK_30002::showServiceSettings()
{
    notBuilt("AUK_30036");
}

void AUK_30002::showLogsMenu()
{
    if (!isRepeaterMode())
        PageStack::instance()->push(new AUK_30117(m_userLevel, nullptr));
}

void AUK_30002::showEventsLogMenu()
{
    PageStack::instance()->push(AUK_30117::eventLogScreen(m_userLevel, this));
}

void AUK_30002::startfireTest()
{
    PageStack::instance()->push(new AUK_40042(s_fireTestPointName, true));
    SyncClient::instance()->setFireTestMode();
}

void AUK_30002::user2ButtonPressed()
{
    PageStack::instance()->push(new AUK_40042(s_user2PointName, true));
    SyncClient::instance()->sendUser2ButtonPressed();
}

void AUK_30002::ConfirmEvacuation()
{
    PageStack::instance()->push(new AUK_40002);
}

void AUK_30002::showPanelUpdateScreen()
{
    notBuilt("AUK_30052");
}

bool AUK_30002::isRepeaterMode()
{
    return state()->guiMode() > 1;
}
