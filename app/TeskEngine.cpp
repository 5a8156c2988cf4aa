#include "app/TeskEngine.h"

#include "app/AUK_30001.h"
#include "app/BusSubscriptions.h"
#include "app/EngineDirectories.h"
#include "app/EngineLinkEffects.h"
#include "app/EnginePanelEnvironment.h"
#include "app/EngineReportEnvironment.h"
#include "app/FireTimer.h"
#include "app/FrontPanelKeys.h"
#include "app/ListScreenPagesWiring.h"
#include "app/PageHeaderSource.h"
#include "app/PageStack.h"
#include "app/PanelModelWiring.h"
#include "app/QVemoApplication.h"
#include "app/QuiescentStateMachine.h"
#include "app/SC_App.h"
#include "app/Security.h"
#include "app/SimulatorOptions.h"
#include "app/StartupTime.h"
#include "app/SystemState.h"
#include "app/TerminationSignals.h"
#include "app/Translator.h"
#include "app/WatchdogProdder.h"
#include "core/BannerStatus.h"
#include "core/BucketMaster.h"
#include "core/BuildStamp.h"
#include "core/GlobalConstants.h"
#include "core/Languages.h"
#include "core/SC_Timer.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/HistoricEventsSynchronizer.h"
#include "frontpanel/BacklightController.h"
#include "frontpanel/DB_RFIDinterface.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/InputSignaller.h"
#include "frontpanel/Rbus.h"
#include "frontpanel/USBController.h"
#include "frontpanel/simulator/FrontPanelAdaptor.h"
#include "frontpanel/simulator/MainWindow.h"
#include "link/SyncClient.h"
#include "link/sc_LkEventLog.h"
#include "pointmodels/LkNetworkStats.h"
#include "pointmodels/model.h"
#include "screens/status/AUK_30002.h"
#include "screens/status/AUK_30086.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDebug>
#include <QLockFile>
#include <QTextStream>

#include <memory>

namespace {

constexpr char productCode[] = "TESK-DESKSIM";

void printBanner()
{
    QTextStream out(stdout);
    out << "Fire panel front-panel engine, desktop simulator\n"
        << "TESK Engine: Application SKU=" << productCode << '\n'
        << "Build information: Version=" << GlobalConstants::engineVersion << ", Date=" << BuildStamp::date
        << ", Time=" << BuildStamp::time << '\n'
        << "Additional build information: Kernel SKU=" << productCode << '\n';
    out.flush();
    qRegisterMetaType<TC::BANNER_STATUS>("TC::BANNER_STATUS");
}

QDBusConnection openSessionBus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qWarning() << "teskengine_main"
                   << " No session bus (" << bus.lastError().message() << "), running without the host's services";
    }
    return bus;
}

// The engine from its application object to the end of its shut-down: what
// the main function creates and owns, and the steps of the start-up and
// shut-down in their order.
class Engine final
{
public:
    Engine(int &argc, char **argv)
        : m_application(std::make_unique<QVemoApplication>(argc, argv))
    {
    }

    int run()
    {
        m_terminationSignals = std::make_unique<TerminationSignals>();
        loadTranslations();
        EngineDirectories::enterDataDirectory(QVemoApplication::port());
        m_dataDirectoryLock = std::make_unique<QLockFile>(EngineDirectories::lockFileName());
        if (!EngineDirectories::holdDataDirectory(*m_dataDirectoryLock)) {
            release();
            return teskengine_dataDirectoryHeld;
        }
        // Read from the data directory, where the engine saves it.
        TeskGlobalConfig *config = TeskGlobalConfig::instance();
        const int guiMode = SystemState::instance()->guiMode();
        // On the front-panel bus the panel is reached through its driver.
        if (guiMode != 0)
            Rbus::instance()->start();
        if (guiMode == 3)
            config->fixLanguagesForRepeater();
        // The first language's country picks the form of printed addresses.
        model::instance()->setLanguage(config->getLanguage(1));
        setUpSecurity();
        Translator::instance()->setLanguage(Languages::EnglishId);

        m_sessionBus = std::make_unique<QDBusConnection>(openSessionBus());
        m_watchdog = std::make_unique<WatchdogProdder>(QStringLiteral("tesk"), 600000, 10000);

        USBController::instance()->setEnvironment(&m_panelEnvironment);
        InputSignaller::setEnvironment(&m_panelEnvironment);
        ReportEnvironment::install(&m_reportEnvironment);
        addBusSubscriptions();
        PageHeaderSource::install(DB_TESK_FP_Interface::instance());
        if (guiMode > 1) {
            // A repeater on the front-panel bus: no panel link, no simulator.
            m_subscriptions.subscribeBusSignals(*m_sessionBus, true, guiMode);
            FrontPanelKeys::connectFrontPanelKeys(DB_TESK_FP_Interface::instance(), InputSignaller::instance());
            createBacklight(false);
            QObject::connect(m_application.get(), &QVemoApplication::windowsMousePress, InputSignaller::instance(),
                             &InputSignaller::userInputReceived);
            showStartScreen();
            PageStack::instance()->show();
            StartupTime::reportWhenShown();
            const int result = m_terminationSignals->exec();
            SystemState::instance()->stopFlashing();
            m_subscriptions.subscribeBusSignals(*m_sessionBus, false, guiMode);
            PageStack::destroyInstance();
            release();
            return result;
        }

        SC_LinkEffects::install(&m_linkEffects);
        m_link = std::make_unique<SC_App>();
        SystemState::instance()->watchEthernetLink(SyncClient::instance());
        createStateStore();
        connectUserInput();
        createBacklight(true);
        m_subscriptions.subscribeBusSignals(*m_sessionBus, true, guiMode);
        connectNavigation();
        // Point names come again from the controller after it connects.
        model::instance()->resetTextRequests();
        PanelModelWiring::connectTextRequests(model::instance(), SyncClient::instance());
        PanelModelWiring::connectNetworkStats(LkNetworkStats::instance(), SystemState::instance());
        createSimulatorWindow();
        serveFrontPanel();
        showStartScreen();
        openEventLog();

        PageStack::instance()->show();
        m_window->setFixedSize(m_window->size());
        StartupTime::reportWhenShown();

        m_link->Start();
        const int result = m_terminationSignals->exec();
        shutDown();
        return result;
    }

private:
    void createStateStore()
    {
        BucketMaster *store = BucketMaster::instance();
        store->checkPersistenceFile();
        SyncClient::instance()->feedStateStore(store);
    }

    // The translations lie below the installation's base directory, which
    // stops being the working directory once the data directory is entered.
    static void loadTranslations()
    {
        Translator *translator = Translator::instance();
        translator->setBaseDirectory(EngineDirectories::baseDirectory());
        translator->loadLanguages(Languages::EnglishId, 0);
    }

    static void setUpSecurity()
    {
        Security *security = Security::instance();
        SyncClient *link = SyncClient::instance();
        security->inactivityTimer().setInterval(Security::OperatorLogoutMs);
        QObject::connect(InputSignaller::instance(), &InputSignaller::userInputReceived, security,
                         &Security::kickTimeoutClock);
        QObject::connect(link, &SyncClient::acknowledgementStatus, security, &Security::ackResponseReceived);
        QObject::connect(link, &SyncClient::loginRequestSent, security, &Security::setLoginRequestSent);
    }

    // Besides Security, the panel's switches, sockets and regional-board keys
    // reach the controller as changes of this panel's virtual inputs.
    void addBusSubscriptions()
    {
        const QString frontPanel = DB_TESK_FP_Interface::instance()->getServiceName();
        const QString frontPanelInterface = QStringLiteral("vemo.frontpanel");
        const QString swiss = QStringLiteral("svc.swiss");
        const QString swissInterface = QStringLiteral("vemo.swiss");
        SyncClient *client = SyncClient::instance();
        using Entry = BusSubscriptions::Entry;
        const Entry entries[] = {
            {frontPanel, frontPanelInterface, QStringLiteral("usbStickUpdate"), USBController::instance(),
             SLOT(usbStickUpdateSlot(bool)), BusSubscriptions::Always, false},
            {frontPanel, frontPanelInterface, QStringLiteral("keyswitchUpdate"), Security::instance(),
             SLOT(keyswitchUpdateSlot(bool)), BusSubscriptions::LinkModesOnly, true},
            {frontPanel, frontPanelInterface, QStringLiteral("keyswitchUpdate"), client,
             SLOT(keyswitchUpdateSlot(bool)), BusSubscriptions::LinkModesOnly, true},
            {frontPanel, frontPanelInterface, QStringLiteral("usbStickUpdate"), client, SLOT(usbStickUpdateSlot(bool)),
             BusSubscriptions::LinkModesOnly, false},
            {swiss, swissInterface, QStringLiteral("silentStatus"), client, SLOT(swissSilenceUpdateSlot(bool)),
             BusSubscriptions::LinkModesOnly, true},
            {swiss, swissInterface, QStringLiteral("rstnStatus"), client, SLOT(swissResetUpdateSlot(bool)),
             BusSubscriptions::LinkModesOnly, true},
            {swiss, swissInterface, QStringLiteral("keyswStatus"), client, SLOT(swissKeyswitchUpdateSlot(bool)),
             BusSubscriptions::LinkModesOnly, true},
            {QStringLiteral("svc.power"), QStringLiteral("vemo.power"), QStringLiteral("powerStatusUpdate"), client,
             SLOT(powerStatusUpdateSlot(uint)), BusSubscriptions::LinkModesOnly, false},
        };
        for (const Entry &entry : entries)
            m_subscriptions.add(entry);
    }

    // A press anywhere in the window is a touch of the screen, and a touch
    // is user input; so is a touch that the front panel reports. A press
    // thus counts twice, once directly and once through the front panel.
    void connectUserInput()
    {
        // A card held to the reader logs its user on, acknowledged by a beep.
        DB_RFIDinterface *rfid = DB_RFIDinterface::instance();
        rfid->setEnvironment(&m_panelEnvironment);
        QObject::connect(rfid, &DB_RFIDinterface::RFIDSendBlockData, rfid, &DB_RFIDinterface::RFIDReceiveBlockData);
        QObject::connect(rfid, &DB_RFIDinterface::beep, &SystemState::instance()->ledFlasher(),
                         qOverload<>(&flasher::inject_buzzer_beep));
        DB_TESK_FP_Interface *frontPanel = DB_TESK_FP_Interface::instance();
        InputSignaller *input = InputSignaller::instance();
        FrontPanelKeys::connectFrontPanelKeys(frontPanel, input);
        QObject::connect(m_application.get(), &QVemoApplication::windowsMousePress, input,
                         &InputSignaller::userInputReceived);
        QObject::connect(SyncClient::instance(), &SyncClient::permissionsUpdate, Security::instance(),
                         &Security::permissionsUpdate);
        QObject::connect(m_application.get(), &QVemoApplication::windowsMousePress, frontPanel,
                         &DB_TESK_FP_Interface::touchscreenPressed);
        QObject::connect(m_application.get(), &QVemoApplication::windowsMouseRelease, frontPanel,
                         &DB_TESK_FP_Interface::touchscreenReleased);
    }

    // The backlight follows user input in every mode; on the panel link also
    // the power-saving flag, the banner and the system counts.
    void createBacklight(bool onPanelLink)
    {
        m_backlight = std::make_unique<BacklightController>();
        BacklightController *backlight = m_backlight.get();
        QObject::connect(InputSignaller::instance(), &InputSignaller::userInputReceived, backlight,
                         &BacklightController::userActivateSlot);
        if (onPanelLink) {
            BucketMaster::instance()->connectBucketUpdated(0, backlight, [backlight] { backlight->powerChangeSlot(); });
            QObject::connect(SystemState::instance(), &SystemState::updateBannerStatus, backlight,
                             &BacklightController::updateBannerStatus);
            QObject::connect(model::instance(), &model::updatePanelStatusCounts, backlight,
                             &BacklightController::countsUpdated);
        }
        // A fire or fault already shown holds the backlight from the start.
        backlight->updateBannerStatus(SystemState::instance()->bannerStatus());
    }

    // Losing the link goes home and logs the user out; an access-level
    // change drops the screens the new level may not see.
    static void connectNavigation()
    {
        SyncClient *link = SyncClient::instance();
        PageStack *pageStack = PageStack::instance();
        Security *security = Security::instance();
        QObject::connect(link, &SyncClient::disconnected, pageStack, qOverload<>(&PageStack::showMainScreen));
        QObject::connect(security, &Security::permissionsChanged, pageStack, &PageStack::permissionChanged);
        QObject::connect(link, &SyncClient::updateEnetConnectedToPanel, security, &Security::updatePermission);
        BucketMaster::instance()->connectBucketUpdated(2, security, [security] { security->updateKeySwitch(); });
    }

    // The start screen is the base of the page stack; the home screen goes
    // over it unless the panel may show its idle view at once.
    static void showStartScreen()
    {
        QuiescentStateMachine *quiescent = QuiescentStateMachine::instance();
        FireTimer::instance();
        PageStack *pageStack = PageStack::instance();
        // The repeater modes have no panel link: their home screen is the reduced one.
        pageStack->setHomeScreenFactory([](int accessLevel, int userLevel) -> Page * {
            if (SystemState::instance()->guiMode() > 1)
                return new AUK_30002;
            return new AUK_30002(accessLevel, userLevel);
        });
        pageStack->setFireScreenFactory(
            [](int accessLevel, bool e30Connected) -> Page * { return new AUK_30086(accessLevel, e30Connected); });
        installListScreenPages();
        pageStack->push(new AUK_30001);
        if (!quiescent->isQuiescentAllowed())
            pageStack->showMainScreen(false);
    }

    void createSimulatorWindow()
    {
        PageStack *pageStack = PageStack::instance();
        m_exportObject = std::make_unique<QObject>();
        m_window = std::make_unique<MainWindow>();
        pageStack->setParent(m_window->centralWidget());
        pageStack->move(0, 0);
        m_window->show();

        const SimulatorOptions options = SimulatorOptions::scan(m_application->arguments());
        SystemState::instance()->setBrand(options.brand);
        m_window->setMyStyleSheet(options.backgroundStyleSheet());
    }

    // The engine serves the front-panel interface that it also calls as a
    // client. A name that another process holds (a real panel front, or a
    // stand-in playing one), or no bus at all, leaves the simulator's keys
    // dead and serves nothing, but must not stop the engine.
    void serveFrontPanel()
    {
        new FrontPanelAdaptor(m_window.get(), m_exportObject.get());
        m_frontPanelBus = std::make_unique<QDBusConnection>(QDBusConnection::sessionBus());
        const QString serviceName = DB_TESK_FP_Interface::instance()->getServiceName();
        if (!m_frontPanelBus->registerService(serviceName)) {
            qWarning() << "teskengine_main"
                       << " Cannot register the front-panel service " << serviceName << ": "
                       << m_frontPanelBus->lastError().message();
            return;
        }
        if (!m_frontPanelBus->registerObject(QStringLiteral("/"), m_exportObject.get(),
                                             QDBusConnection::ExportAdaptors)) {
            qWarning() << "teskengine_main"
                       << " Cannot export the front panel at / : " << m_frontPanelBus->lastError().message();
        }
    }

    // The event log's sequence numbers reach the other components on a later
    // pass of the main loop.
    void openEventLog()
    {
        EL_EventLogDBbase *eventLog = EL_EventLogDBbase::instance();
        qRegisterMetaType<EventLog::SeqNum_t>("EventLog::SeqNum_t");
        QObject::connect(eventLog, &EL_EventLogDBbase::updatedSeqNoByFireReset, FireTimer::instance(),
                         &FireTimer::newFireReset, Qt::QueuedConnection);
        QObject::connect(eventLog, &EL_EventLogDBbase::updatedSeqNoByFireReset, SystemState::instance(),
                         &SystemState::sendFireResetSignal, Qt::QueuedConnection);
        model *panelModel = model::instance();
        QObject::connect(eventLog, &EL_EventLogDBbase::updatedSeqNoByFireReset, panelModel,
                         &model::fireResetSeqNoUpdated, Qt::QueuedConnection);
        QObject::connect(eventLog, &EL_EventLogDBbase::updatedCurrResetOrOldestSeqNo, panelModel,
                         &model::currResetOrOldestSeqNoUpdated, Qt::QueuedConnection);
        QObject::connect(eventLog, &EL_EventLogDBbase::updatedlatestCurrSeqNo, panelModel,
                         &model::latestCurrSeqNoUpdated, Qt::QueuedConnection);
        // The historic synchroniser registers through the link's event-log
        // client; it must know it before the first event arrives.
        EventLog::HistoricEventsSynchronizer::setLinkClient(SyncClient::instance()->getEventLog());
    }

    // After the main loop of the full start, in order.
    void shutDown()
    {
        PageStack::instance()->clear();
        EventLog::HistoricEventsSynchronizer::instance()->stop();
        m_link->Stop();
        SystemState::instance()->stopFlashing();
        m_subscriptions.subscribeBusSignals(*m_sessionBus, false, SystemState::instance()->guiMode());
        EventLog::HistoricEventsSynchronizer::destroyInstance();
        EL_EventLogDBbase::instance()->close();
        BucketMaster::destroyInstance();
        m_link.reset();
        SC_LinkEffects::install(nullptr);
        release();
    }

    // What the main function owns goes, the application object last.
    void release()
    {
        USBController::instance()->setEnvironment(nullptr);
        InputSignaller::setEnvironment(nullptr);
        ReportEnvironment::install(nullptr);
        if (DB_RFIDinterface *rfid = DB_RFIDinterface::existingInstance())
            rfid->setEnvironment(nullptr);
        m_backlight.reset();
        m_frontPanelBus.reset();
        m_window.reset();
        m_exportObject.reset();
        m_watchdog.reset();
        m_terminationSignals.reset();
        m_application.reset();
    }

    // Held until the engine object goes, after everything that writes.
    std::unique_ptr<QLockFile> m_dataDirectoryLock;
    std::unique_ptr<QVemoApplication> m_application;
    std::unique_ptr<QDBusConnection> m_sessionBus;
    std::unique_ptr<QDBusConnection> m_frontPanelBus;
    std::unique_ptr<QObject> m_exportObject;
    std::unique_ptr<MainWindow> m_window;
    EngineLinkEffects m_linkEffects;
    EnginePanelEnvironment m_panelEnvironment;
    EngineReportEnvironment m_reportEnvironment;
    std::unique_ptr<BacklightController> m_backlight;
    std::unique_ptr<SC_App> m_link;
    std::unique_ptr<WatchdogProdder> m_watchdog;
    std::unique_ptr<TerminationSignals> m_terminationSignals;
    BusSubscriptions m_subscriptions;
};

} // namespace

int teskengine_main(int argc, char *argv[])
{
    printBanner();
    Engine engine(argc, argv);
    return engine.run();
}

const char *teskengine_exitMessage(int exitCode)
{
    switch (exitCode) {
    case 291:
        return "Application exit indicates Touchscreen Calibration requested\n";
    case 1110:
        return "Application exit indicates Firmware Upgrade requested\n";
    default:
        return nullptr;
    }
}
