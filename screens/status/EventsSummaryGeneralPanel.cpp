#include "screens/status/EventsSummaryGeneralPanel.h"

#include "app/PageStack.h"
#include "app/SystemState.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/EventLogQueries.h"
#include "frontpanel/rbusEventLog.h"
#include "link/SyncClient.h"
#include "link/sc_LkLogManagerServices.h"
#include "listscreens/DisableActionRule.h"
#include "paneldata/PanelCounters.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/WalkTestHandler.h"
#include "pointmodels/DisablementsAndStatusModel.h"
#include "pointmodels/WalkTestPointsModel.h"
#include "pointmodels/WalkTestSummaryModel.h"
#include "pointmodels/WarningsModel.h"
#include "pointmodels/model.h"
#include "reports/PrintableModel.h"
#include "reports/SaveReport.h"
#include "screens/popups/AUK_40049.h"
#include "screens/popups/AUK_40062.h"
#include "screens/popups/AUK_40064.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90022.h"
#include "widgets/AUK_90033.h"

#include <QCoreApplication>
#include <QListView>
#include <QVBoxLayout>

namespace {

constexpr int DelayMs = 3000;
constexpr int EngineerAccess = 3;
constexpr quint8 SystemTotals = 254;
constexpr int DisabledZonesBucket = 20;
constexpr int RestrictedInformation = 256;
constexpr int Direction = 3;

// Soft-key texts.
constexpr int AcceptKey = 1;
constexpr int DisableKey = 13;
constexpr int EnableKey = 17;
constexpr int PrintKey = 37;
constexpr int SaveKey = 41;
constexpr int StopWalkTestKey = 52;
constexpr int SummaryViewKey = 53;
constexpr int UntestedFailedKey = 55;

// Bus log kinds of the three repeater lists.
constexpr int BusWarnings = 1;
constexpr int BusDisablements = 3;
constexpr int BusFaults = 4;

// Panel options that send a list to the panel's printer, with the user
// level each needs.
constexpr int PrintDisablementsOption = 1;
constexpr int PrintTestsOption = 3;
constexpr int PrintFaultsOption = 7;
constexpr int PrintFaultsLevel = 4;
constexpr int PrintListsLevel = 5;
constexpr int StopWalkTestLevel = 8;

// The node last handled by any summary of the process.
quint8 s_lastTestNode = 253;

using R = EventLogQueryModel;

} // namespace

EventsSummaryGeneralPanel::EventsSummaryGeneralPanel(int accessLevel, int userLevel, int headerId,
                                                     const QString &counterTitle, quint8 panel, QWidget *parent)
    : EventsSummaryCommon(false, accessLevel, userLevel, AllFunctions, parent, true)
    , m_warningsViewer(tr("_WARNINGS_COUNTBTN"), &m_buttonGroup, this)
    , m_faultsViewer(QCoreApplication::translate("AUK_90033", "_FAULTS_COUNTBTN"), &m_buttonGroup, this)
    , m_disablementsViewer(QCoreApplication::translate("AUK_90033", "_DISABLE_COUNTBTN"), &m_buttonGroup, this)
    , m_testsViewer(tr("_WALK_TEST_COUNTBTN"), &m_buttonGroup, this)
    , m_warningsDelegate(TeskGlobalConfig::instance()->isRestricted(RestrictedInformation),
                         SystemState::instance()->isRbusConnected())
    , m_faultsDelegate(TeskGlobalConfig::instance()->isRestricted(RestrictedInformation),
                       SystemState::instance()->isRbusConnected())
    , m_panel(panel)
    , m_warningsModel(new WarningsModel(panel, nullptr))
    , m_faultsModel(nullptr, {})
    , m_disablementsModel(new DisablementsAndStatusModel(nullptr))
    , m_testPointsModel(new WalkTestPointsModel(WalkTestPointsModel::UnfinishedOrFailedPoints, nullptr))
    , m_testSortProxy(this)
    , m_testSummaryModel(new WalkTestSummaryModel(nullptr))
    , m_userLevelCopy(userLevel)
{
    setObjectName(QStringLiteral("EventsSummaryGeneralPanel"));
    m_disablementsModel->setFunctionFilterOn(false);

    setTitleById(headerId);
    setIconBlueFlavour(QPixmap(QStringLiteral("../resources/icons/AUK_80209_event_summary_smll_blue.png")));
    setIconYellowFlavour(QPixmap(QStringLiteral("../resources/icons/AUK_80208_event_summary_smll_yellow.png")));
    setIconRedFlavour(QPixmap(QStringLiteral("../resources/icons/AUK_80207_event_summary_smll_red.png")));
    setCounterTitle(counterTitle);

    const bool linked = !isRepeater();
    addViewer(&m_warningsViewer);
    addViewer(&m_faultsViewer);
    addViewer(&m_disablementsViewer);
    if (linked)
        addViewer(&m_testsViewer);

    AUK_90006 *bar = lozengeBar();
    if (m_accessLevel >= EngineerAccess) {
        bar->show();
        bar->setRightButtonVisible(true);
        bar->setRightButtonTextById(SaveKey);
    }
    bar->setLeftButtonVisible(false);
    disconnect(bar, &AUK_90006::leftButtonClicked, nullptr, nullptr);
    m_buttonLayout->activate();

    using Self = EventsSummaryGeneralPanel;
    connect(&m_warningsViewer, &StatusViewer::activated, this, &Self::fireWarningsActivated);
    connect(&m_faultsViewer, &StatusViewer::activated, this, &Self::faultsActivated);
    connect(&m_disablementsViewer, &StatusViewer::activated, this, &Self::disablementsActivated);
    if (linked)
        connect(&m_testsViewer, &StatusViewer::activated, this, &Self::testsActivated);
    connect(&m_warningsViewer, &FireWarningsViewer::filterChanged, this, &Self::warningFilterChanged);
    connect(&m_faultsViewer, &FaultsViewer::filterChanged, this, &Self::updateFaults);
    connect(&m_testsViewer, &TestSummaryViewer::filterChanged, this, &Self::testsFilterChanged);
    connect(&m_disablementsViewer, &DisablementsViewer::filterChanged, this, &Self::setDisablementsFilter);
    connect(&m_faultsViewer, &FaultsViewer::listScrolled, this, &Self::updateFaultPointCard);
    connect(&m_faultsViewer, &FaultsViewer::refreshModel, this, &Self::updateFaultsWithOffset);

    if (linked) {
        EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
        m_warningsDelay.connectDelayed(log, SIGNAL(updatedWarnings()), this, SLOT(updateFireWarnings()), DelayMs);
        m_warningsDelay.connectReady(this, SLOT(getPanelStatusWarningCount()));
        m_faultsDelay.connectDelayed(log, SIGNAL(updatedFaults()), this, SLOT(updateFaults()), DelayMs);
        if (sc_LkLogManagerServices *services = SyncClient::instance()->getLogManagerServices())
            m_acceptedDelay.connectDelayed(services, SIGNAL(logEventAccepted()), this, SLOT(updateAllEventLogModels()),
                                           DelayMs);
        PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
        m_disabledPointsDelay.connectReady(this, SLOT(updateDisablementsPoints()));
        for (int page : {14, 15})
            maps->connectMapUpdated(page, &m_disabledPointsDelay, [this] { m_disabledPointsDelay.signalReceived(); });
        m_disabledZonesDelay.connectReady(this, SLOT(updateDisablementsZones()));
        BucketMaster::instance()->connectBucketUpdated(DisabledZonesBucket, &m_disabledZonesDelay,
                                                       [this] { m_disabledZonesDelay.signalReceived(); });
        m_testPointsDelay.connectReady(this, SLOT(updateTestPoints()));
        for (int page : {23, 24, 25})
            maps->connectMapUpdated(page, &m_testPointsDelay, [this] { m_testPointsDelay.signalReceived(); });
        connect(WalkTestHandler::instance(), &WalkTestHandler::walkTestSummaryChanged, this, &Self::updateTestSummary);
        connect(WalkTestHandler::instance(), &WalkTestHandler::walkTestSummaryChanged, this,
                &Self::getPanelStatusCounts);
        connect(PanelCounters::instance(), &PanelCounters::counterUpdated, this, &Self::getPanelStatusCounts);

        m_warningsViewer.setModel(m_warningsModel.data(), &m_warningsDelegate, true);
        m_faultsViewer.setModel(&m_faultsModel, &m_faultsDelegate, true);
        m_disablementsViewer.setModel(m_disablementsModel.data(), &m_disabledPointsDelegate, true);
        m_testsViewer.setModel(m_testPointsModel.data(), &m_testPointsDelegate, true);
        m_warningsViewer.activate();
        getPanelStatusWarningCount();
        getPanelStatusCounts();

        if (AUK_90022 *view = cardViewOf(&m_disablementsViewer))
            connect(view, &AUK_90022::itemChangedSettlePeriodExpired, m_disablementsModel.data(),
                    &DisablementsAndStatusModel::uiItemChangedUpdate);
        connect(PointCoreConfiguration::instance(), &PointCoreConfiguration::pointCoreUpdated, this,
                &Self::updateDisablementsPoints);
        for (EventsSummaryViewer *viewer : {static_cast<EventsSummaryViewer *>(&m_warningsViewer),
                                            static_cast<EventsSummaryViewer *>(&m_faultsViewer),
                                            static_cast<EventsSummaryViewer *>(&m_disablementsViewer)})
            connect(viewer, &EventsSummaryViewer::listScrolled, this, &Self::setLeftButtonVisibility);
    } else {
        m_warningsViewer.setModel(&m_busWarnings, &m_warningsDelegate, true);
        m_faultsViewer.setModel(&m_busFaults, &m_faultsDelegate, true);
        m_disablementsViewer.setModel(&m_busDisablements, &m_faultsDelegate, true);
        fillRbusModel();
        m_warningsViewer.activate();
        connect(rbusEventLog::instance(), &rbusEventLog::rbusLogUpdated, this, &Self::fillRbusModel);
        connect(PanelCounters::instance(), &PanelCounters::counterUpdated, this, &Self::getPanelStatusCounts);
    }
}

EventsSummaryGeneralPanel::~EventsSummaryGeneralPanel() = default;

bool EventsSummaryGeneralPanel::isRepeater() const
{
    return SystemState::instance()->guiMode() > 1;
}

void EventsSummaryGeneralPanel::getPanelStatusCounts()
{
    const quint8 key = m_panel == TC::cAllPanels ? SystemTotals : m_panel;
    const PanelCounters *counters = PanelCounters::instance();
    m_faultsViewer.button()->setButtonValue(QString::number(counters->faults(key)));
    m_disablementsViewer.button()->setButtonValue(QString::number(counters->disablements(key)));
    m_testsViewer.button()->setButtonValue(QString::number(WalkTestHandler::instance()->getNodesInWalkTest()));
    checkAndUpdateFlavor();
}

void EventsSummaryGeneralPanel::getPanelStatusWarningCount()
{
    const unsigned count = isRepeater() ? unsigned(m_busWarnings.rowCount()) : m_warningsModel->queryCount();
    m_warningsViewer.button()->setButtonValue(QString::number(count));
}

void EventsSummaryGeneralPanel::checkAndUpdateFlavor()
{
    const StatusViewer *viewer = currentViewer();
    const PanelCounters *counters = PanelCounters::instance();
    if (viewer == &m_warningsViewer)
        setActiveConditions(false);
    else if (viewer == &m_faultsViewer)
        setActiveConditions(counters->faults(SystemTotals) != 0);
    else if (viewer == &m_disablementsViewer)
        setActiveConditions(counters->disablements(SystemTotals) != 0);
    else if (viewer == &m_testsViewer)
        setActiveConditions(WalkTestHandler::instance()->isWalkTestActive());
    updatePageStatus();
}

void EventsSummaryGeneralPanel::beginListSwitch()
{
    AUK_90006 *bar = lozengeBar();
    disconnect(bar, &AUK_90006::leftButtonClicked, nullptr, nullptr);
    if (m_accessLevel < EngineerAccess)
        bar->hide();
}

void EventsSummaryGeneralPanel::rerunWarnings()
{
    if (isRepeater())
        return;
    m_warningsModel->runQuery();
    if (AUK_90022 *view = cardViewOf(&m_warningsViewer))
        view->modelSizeChanged();
}

void EventsSummaryGeneralPanel::stopPreviousRefreshTimer()
{
    if (AUK_90022 *view = cardViewOf(currentViewer()))
        view->stopInformationRefreshTimer();
    if (AUK_90022 *tests = cardViewOf(&m_testsViewer))
        disconnect(tests, &AUK_90022::itemChanged, this, &EventsSummaryGeneralPanel::testViewerChanged);
}

void EventsSummaryGeneralPanel::fireWarningsActivated()
{
    beginListSwitch();
    AUK_90006 *bar = lozengeBar();
    if (currentViewer() != &m_warningsViewer) {
        setCurrentViewer(&m_warningsViewer);
        rerunWarnings();
        setActiveConditions(false);
        updatePageStatus();
    }
    bar->setMiddleButtonVisible(false);
    disconnect(bar, &AUK_90006::middleButtonClicked, nullptr, nullptr);
    bar->setRightButtonTextById(SaveKey);
    connect(bar, &AUK_90006::leftButtonClicked, this, &EventsSummaryGeneralPanel::disableFireWarnings);
    if (AUK_90022 *tests = cardViewOf(&m_testsViewer))
        disconnect(tests, &AUK_90022::itemChanged, this, &EventsSummaryGeneralPanel::testViewerChanged);
    setLeftButtonVisibility();
}

void EventsSummaryGeneralPanel::faultsActivated()
{
    beginListSwitch();
    AUK_90006 *bar = lozengeBar();
    if (AUK_90022 *view = cardViewOf(&m_faultsViewer))
        view->startInformationRefreshTimer();
    if (currentViewer() != &m_faultsViewer) {
        setCurrentViewer(&m_faultsViewer);
        updateFaults();
    }
    const bool printer = model::instance()->isPanelOptionSet(PrintFaultsOption) && m_userLevel >= PrintFaultsLevel;
    bar->setRightButtonTextById(printer ? PrintKey : SaveKey);
    connect(bar, &AUK_90006::leftButtonClicked, this, &EventsSummaryGeneralPanel::disableFaults);
    if (AUK_90022 *tests = cardViewOf(&m_testsViewer))
        disconnect(tests, &AUK_90022::itemChanged, this, &EventsSummaryGeneralPanel::testViewerChanged);
    checkAndUpdateFlavor();
    setLeftButtonVisibility();
}

void EventsSummaryGeneralPanel::disablementsActivated()
{
    beginListSwitch();
    AUK_90006 *bar = lozengeBar();
    if (currentViewer() != &m_disablementsViewer) {
        stopPreviousRefreshTimer();
        setCurrentViewer(&m_disablementsViewer);
        if (AUK_90022 *view = cardViewOf(&m_disablementsViewer))
            view->startInformationRefreshTimer();
        if (m_disablementsViewer.pointsSelected())
            updateDisablementsPoints();
        else if (m_disablementsViewer.zonesSelected())
            updateDisablementsZones();
        else
            fillRbusModel();
    }
    bar->setMiddleButtonVisible(false);
    disconnect(bar, &AUK_90006::middleButtonClicked, nullptr, nullptr);
    const bool printer = model::instance()->isPanelOptionSet(PrintDisablementsOption) && m_userLevel >= PrintListsLevel;
    bar->setRightButtonTextById(printer ? PrintKey : SaveKey);
    connect(bar, &AUK_90006::leftButtonClicked, this, &EventsSummaryGeneralPanel::enableDisablements);
    if (AUK_90022 *tests = cardViewOf(&m_testsViewer))
        disconnect(tests, &AUK_90022::itemChanged, this, &EventsSummaryGeneralPanel::testViewerChanged);
    checkAndUpdateFlavor();
    setLeftButtonVisibility();
}

void EventsSummaryGeneralPanel::testsActivated()
{
    AUK_90006 *bar = lozengeBar();
    disconnect(bar, &AUK_90006::leftButtonClicked, nullptr, nullptr);
    disconnect(bar, &AUK_90006::middleButtonClicked, nullptr, nullptr);
    bar->show();
    if (m_accessLevel < EngineerAccess) {
        bar->setLeftButtonVisible(false);
        bar->setRightButtonVisible(false);
    } else {
        updateStopWalkTestButton(selectedTestNode());
        const bool printer = model::instance()->isPanelOptionSet(PrintTestsOption) && m_userLevel >= PrintListsLevel;
        bar->setRightButtonTextById(printer ? PrintKey : SaveKey);
    }
    bar->setMiddleButtonTextById(m_summaryMode ? UntestedFailedKey : SummaryViewKey);
    bar->setMiddleButtonEnabled(true);
    bar->setMiddleButtonVisible(true);
    connect(bar, &AUK_90006::middleButtonClicked, this, &EventsSummaryGeneralPanel::toggleSummaryUntestedFailed);
    if (currentViewer() != &m_testsViewer) {
        stopPreviousRefreshTimer();
        setCurrentViewer(&m_testsViewer);
        if (AUK_90022 *tests = cardViewOf(&m_testsViewer))
            connect(tests, &AUK_90022::itemChanged, this, &EventsSummaryGeneralPanel::testViewerChanged);
        refreshTestsView();
    }
    checkAndUpdateFlavor();
}

void EventsSummaryGeneralPanel::setLeftButtonVisibility()
{
    AUK_90006 *bar = lozengeBar();
    if (isRepeater()) {
        bar->setLeftButtonVisible(false);
        return;
    }
    const StatusViewer *viewer = currentViewer();
    const QAbstractItemModel *list = nullptr;
    if (viewer == &m_warningsViewer)
        list = m_warningsModel.data();
    else if (viewer == &m_faultsViewer)
        list = &m_faultsModel;
    else if (viewer == &m_disablementsViewer)
        list = m_disablementsModel.data();
    else if (viewer == &m_testsViewer)
        return;
    if (!list) {
        bar->setLeftButtonVisible(false);
        return;
    }
    bar->setLeftButtonTextById(viewer == &m_disablementsViewer ? EnableKey : DisableKey);
    const QModelIndex card = centreCard(viewer);
    bar->setLeftButtonVisible(isDisableActionAllowed(isLoopPoint(card)) && list->rowCount() > 0
                              && !isOnShutDownLoop(card));
}

void EventsSummaryGeneralPanel::updateFaults()
{
    if (isRepeater())
        return;
    const bool faultsShown = currentViewer() == &m_faultsViewer;
    const bool acceptable =
        m_faultsViewer.faultsLevel() == TC::eUnacceptedFaults && model::instance()->isFaultAcceptanceEnabled();
    AUK_90006 *bar = lozengeBar();
    if (faultsShown)
        bar->setMiddleButtonVisible(acceptable);
    m_faultsWindow.reload(m_faultsModel, cardViewOf(&m_faultsViewer), m_faultsViewer.faultsLevel(), false,
                          EventLogQueries::AllPanels);
    // Another list's middle key is that list's own.
    if (!faultsShown)
        return;
    if (acceptable) {
        bar->setMiddleButtonTextById(AcceptKey);
        disconnect(bar, &AUK_90006::middleButtonClicked, nullptr, nullptr);
        connect(bar, &AUK_90006::middleButtonClicked, this, &EventsSummaryGeneralPanel::sendAcceptEvent);
        bar->setMiddleButtonVisible(true);
    } else {
        bar->setMiddleButtonVisible(false);
    }
}

void EventsSummaryGeneralPanel::updateFaultPointCard(int from, int to)
{
    if (m_faultsWindow.scrolled(from, to))
        updateFaults();
}

void EventsSummaryGeneralPanel::updateFaultsWithOffset(int offset)
{
    m_faultsWindow.setOffset(offset - 1);
    updateFaults();
}

void EventsSummaryGeneralPanel::updateFireWarnings()
{
    if (currentViewer() == &m_warningsViewer)
        rerunWarnings();
}

void EventsSummaryGeneralPanel::updateAllEventLogModels()
{
    if (currentViewer() == &m_faultsViewer)
        updateFaults();
    else
        updateFireWarnings();
}

void EventsSummaryGeneralPanel::warningFilterChanged()
{
    // Selector 1 keeps the pre-alarms only.
    m_warningsModel->setCategorySelector(m_warningsViewer.allSelected() ? 0 : 1);
    updateFireWarnings();
}

void EventsSummaryGeneralPanel::setDisablementsFilter()
{
    if (m_disablementsViewer.zonesSelected()) {
        m_disablementsViewer.setModel(m_disablementsModel.data(), &m_disabledZonesDelegate, true);
        updateDisablementsZones();
    } else if (m_disablementsViewer.pointsSelected()) {
        m_disablementsViewer.setModel(m_disablementsModel.data(), &m_disabledPointsDelegate, true);
        updateDisablementsPoints();
    }
    // The other list may be empty, or on another loop.
    if (currentViewer() == &m_disablementsViewer)
        setLeftButtonVisibility();
}

void EventsSummaryGeneralPanel::updateDisablementsPoints()
{
    if (currentViewer() == &m_disablementsViewer && m_disablementsViewer.pointsSelected()) {
        m_disablementsViewer.disconnectModel(m_disablementsModel.data());
        m_disablementsModel->fillDisabledPoints(m_panel, 255);
        m_disablementsViewer.setModel(m_disablementsModel.data(), &m_disabledPointsDelegate, true);
        if (AUK_90022 *view = cardViewOf(&m_disablementsViewer))
            view->modelSizeChanged();
    }
    checkAndUpdateFlavor();
    m_enableNeedsWork = true;
    emit disablementsRefreshed();
}

void EventsSummaryGeneralPanel::updateDisablementsZones()
{
    if (currentViewer() == &m_disablementsViewer && m_disablementsViewer.zonesSelected()) {
        m_disablementsViewer.disconnectModel(m_disablementsModel.data());
        m_disablementsModel->fillDisabledZones(m_panel);
        m_disablementsViewer.setModel(m_disablementsModel.data(), &m_disabledZonesDelegate, true);
        if (AUK_90022 *view = cardViewOf(&m_disablementsViewer))
            view->modelSizeChanged();
    }
    checkAndUpdateFlavor();
}

void EventsSummaryGeneralPanel::fillRbusModel()
{
    m_busWarnings.fillByKind(BusWarnings);
    m_busFaults.fillByKind(BusFaults);
    m_busDisablements.fillByKind(BusDisablements);
    getPanelStatusWarningCount();
    getPanelStatusCounts();
    const StatusViewer *viewer = currentViewer();
    if (viewer == &m_disablementsViewer) {
        m_disablementsViewer.disconnectModel(&m_busDisablements);
        m_disablementsViewer.setModel(&m_busDisablements, &m_faultsDelegate, true);
    } else if (viewer == &m_faultsViewer) {
        m_faultsViewer.disconnectModel(&m_busFaults);
        m_faultsViewer.setModel(&m_busFaults, &m_faultsDelegate, true);
    }
    if (AUK_90022 *view = cardViewOf(viewer))
        view->modelSizeChanged();
    checkAndUpdateFlavor();
}

// Walk test.

std::optional<quint8> EventsSummaryGeneralPanel::testNodeOf(const QModelIndex &walkTest)
{
    if (!walkTest.isValid())
        return std::nullopt;
    return quint8(walkTest.data(WalkTestSummaryModel::NodeRole).toUInt());
}

std::optional<quint8> EventsSummaryGeneralPanel::selectedTest() const
{
    return testNodeOf(m_summaryMode ? centreCard(&m_testsViewer) : m_testSummaryModel->index(m_selectedTestRow, 0));
}

quint8 EventsSummaryGeneralPanel::selectedTestNode() const
{
    return selectedTest().value_or(0);
}

quint8 EventsSummaryGeneralPanel::centreTestNode() const
{
    return testNodeOf(centreCard(&m_testsViewer)).value_or(0);
}

void EventsSummaryGeneralPanel::refreshTestsView()
{
    m_testSummaryModel->fillPanels(m_testsViewer.allSelected());
    m_testsViewer.setSummaryModel(m_testSummaryModel.data());
    if (m_summaryMode) {
        m_testPointsModel->clearModel();
        m_testsViewer.showSummary(true);
    } else {
        reloadTestPoints();
        m_testsViewer.showSummary(false);
    }
    if (currentViewer() == &m_testsViewer)
        updateStopWalkTestButton(selectedTestNode());
    checkAndUpdateFlavor();
}

void EventsSummaryGeneralPanel::reloadTestPoints()
{
    m_testPointsModel->updateForWalkTest(selectedTestNode());
    m_testSortProxy.setSourceModel(m_testPointsModel.data());
    m_testSortProxy.sort(0, Qt::AscendingOrder);
    m_testsViewer.rememberModel(&m_testSortProxy);
}

void EventsSummaryGeneralPanel::emptyTestPoints()
{
    m_testPointsModel->clearModel();
    m_testsViewer.rememberModel(m_testPointsModel.data());
}

void EventsSummaryGeneralPanel::showStopKey(bool shown)
{
    AUK_90006 *bar = lozengeBar();
    disconnect(bar, &AUK_90006::leftButtonClicked, nullptr, nullptr);
    if (!shown) {
        bar->setLeftButtonVisible(false);
        return;
    }
    bar->setLeftButtonTextById(StopWalkTestKey);
    bar->setLeftButtonEnabled(true);
    bar->setLeftButtonVisible(true);
    connect(bar, &AUK_90006::leftButtonClicked, this, &EventsSummaryGeneralPanel::stopWalkTest);
}

void EventsSummaryGeneralPanel::updateStopWalkTestButton(quint8 node)
{
    const WalkTestHandler *handler = WalkTestHandler::instance();
    showStopKey(handler->summary(node).canStop() && node == handler->getCurrentNode() && m_accessLevel >= EngineerAccess
                && m_userLevel >= StopWalkTestLevel);
}

void EventsSummaryGeneralPanel::updateTestSummary()
{
    if (currentViewer() != &m_testsViewer)
        return;
    refreshTestsView();
    const quint8 node = centreTestNode();
    const WalkTestSummary &summary = WalkTestHandler::instance()->summary(node);
    if (summary.canStop())
        showStopKey(m_accessLevel >= EngineerAccess && m_userLevel >= StopWalkTestLevel);
    else
        showStopKey(false);
    if (!summary.isActive())
        emptyTestPoints();
    checkAndUpdateFlavor();
}

void EventsSummaryGeneralPanel::testsFilterChanged()
{
    updateTestSummary();
}

void EventsSummaryGeneralPanel::updateTestPoints()
{
    if (currentViewer() != &m_testsViewer)
        return;
    const int status = WalkTestHandler::instance()->summary(selectedTestNode()).getStatus();
    if (status >= 2 && status <= 5)
        reloadTestPoints();
    else
        emptyTestPoints();
    checkAndUpdateFlavor();
}

void EventsSummaryGeneralPanel::toggleSummaryUntestedFailed()
{
    AUK_90006 *bar = lozengeBar();
    if (m_summaryMode) {
        const QModelIndex card = centreCard(&m_testsViewer);
        m_selectedTestRow = card.isValid() ? card.row() : 0;
        bar->setMiddleButtonTextById(SummaryViewKey);
        m_summaryMode = false;
        updateTestPoints();
        m_testsViewer.showSummary(false);
    } else {
        bar->setMiddleButtonTextById(UntestedFailedKey);
        m_summaryMode = true;
        m_testsViewer.showSummary(true);
    }
    bar->setMiddleButtonVisible(true);
}

void EventsSummaryGeneralPanel::testViewerChanged()
{
    if (!m_summaryMode)
        return;
    const quint8 node = centreTestNode();
    if (node == s_lastTestNode)
        return;
    s_lastTestNode = node;
    updateStopWalkTestButton(node);
    lozengeBar()->setMiddleButtonVisible(WalkTestHandler::instance()->summary(node).isRunning());
}

void EventsSummaryGeneralPanel::stopWalkTest()
{
    // Without a card there is no walk test to name; a stop for panel 0
    // would stop one nobody chose.
    if (const std::optional<quint8> node = testNodeOf(centreCard(&m_testsViewer)))
        SyncClient::instance()->sendStopWalktest(0, *node);
}

// Disabling and enabling.

void EventsSummaryGeneralPanel::disableFireWarnings()
{
    const QModelIndex card = centreCard(&m_warningsViewer);
    if (card.isValid())
        showDisableSelection(4, card, true, -1, 0);
}

void EventsSummaryGeneralPanel::disableFaults()
{
    const QModelIndex card = centreCard(&m_faultsViewer);
    if (!card.isValid())
        return;
    const AUK_90022 *view = cardViewOf(&m_faultsViewer);
    showDisableSelection(5, card, false, view ? view->itemCount() : 0, m_faultsViewer.faultsLevel());
}

void EventsSummaryGeneralPanel::enableDisablements()
{
    const QModelIndex card = centreCard(&m_disablementsViewer);
    if (!card.isValid())
        return;
    if (!m_disablementsViewer.pointsSelected()) {
        showDisableSelection(7, card, true, -1, 0);
        return;
    }
    // The warning is pushed only for a point that needs it; until then it
    // goes with the general disables popup.
    auto *warning = new AUK_40064(nullptr, false);
    connect(warning, &BasePopup::leftButtonClicked, this, &EventsSummaryGeneralPanel::confirm40064);
    connect(warning, &BasePopup::rightButtonClicked, this, &EventsSummaryGeneralPanel::cancel40064);
    auto *popup = new AUK_40049(card, this, warning, nullptr, nullptr);
    warning->setParent(popup);
    warning->hide();
    m_enableNeedsWork = false;
    m_enableIndex = card;
    PageStack::instance()->push(popup);
}

void EventsSummaryGeneralPanel::confirm40064()
{
    if (!m_enableIndex.isValid())
        return;
    const QVariant address = m_enableIndex.data(R::IndividualAddressRole);
    if (!address.canConvert<PointIndividualAddress>())
        return;
    const quint8 panel = quint8(m_enableIndex.data(R::PanelNumberRole).toUInt());
    auto *popup = new AUK_40062(DISABLEMENT_ENABLE, false, this, nullptr);
    PageStack::instance()->push(popup);
    // The replaced list goes with its entry: the popup keeps its own copy.
    SC_PointsIndividual list;
    list.appendPoint(address.value<PointIndividualAddress>());
    list.setPanel(panel);
    m_enableLists.insert(panel, list);
    popup->sendPoints(Direction, m_enableLists.value(panel));
}

void EventsSummaryGeneralPanel::cancel40064()
{
    PageStack::instance()->pop(1);
}

// Printing.

void EventsSummaryGeneralPanel::print()
{
    const StatusViewer *viewer = currentViewer();
    const model *site = model::instance();
    if (viewer == &m_warningsViewer) {
        saveListReport(m_warningsModel, EventsKind, false);
    } else if (viewer == &m_faultsViewer) {
        if (site->isPanelOptionSet(PrintFaultsOption) && m_userLevel >= PrintFaultsLevel) {
            const int level = m_faultsViewer.faultsLevel();
            const quint8 filter = level == TC::eAllFaults ? 0 : level == TC::eAcceptedFaults ? 2 : 1;
            SyncClient::instance()->sendPrintReportActiveFaults(site->localPanel(), filter);
        } else {
            saveEventLogLater();
        }
    } else if (viewer == &m_disablementsViewer) {
        if (site->isPanelOptionSet(PrintDisablementsOption) && m_userLevel >= PrintListsLevel)
            SyncClient::instance()->sendPrintReportPointDisabled(255, 3);
        else
            saveListReport(m_disablementsModel, ZonesKind, m_disablementsViewer.value() == ZonesKind);
    } else if (viewer == &m_testsViewer) {
        if (site->isPanelOptionSet(PrintTestsOption) && m_userLevel >= PrintListsLevel) {
            // Without a walk test in view there is no panel to name: a
            // request for panel 0 would print a list nobody chose.
            if (const std::optional<quint8> node = selectedTest())
                SyncClient::instance()->sendPrintReportPointsUntestedFailed(*node);
        } else {
            printTests();
        }
    }
}

void EventsSummaryGeneralPanel::saveEventLog()
{
    saveFaultsReport(m_faultsViewer.faultsLevel());
}

void EventsSummaryGeneralPanel::printTests()
{
    const QString header =
        QStringLiteral("%1\r\n%2 %3")
            .arg(tr("_WALKTEST_80_CHAR"), QCoreApplication::translate("QObject", "_SAVING_PANEL_25_CHAR"),
                 QString::number(TeskGlobalConfig::instance()->getPanelNumber()));
    auto *report = new SaveReport(QStringLiteral("WT"), header, {}, nullptr, false);
    if (m_summaryMode) {
        QSharedPointer<PrintableModel> summary(new PrintableModel(m_testSummaryModel, true));
        summary->title = QCoreApplication::translate("QObject", "_WALKTEST_SUMMARY_80_CHAR");
        QList<int> roles{WalkTestSummaryModel::PanelRole, WalkTestSummaryModel::ModeRole};
        if (m_testsViewer.allSelected())
            roles.append(WalkTestSummaryModel::PreviousModeRole);
        for (int role = WalkTestSummaryModel::LocationRole; role <= WalkTestSummaryModel::CurrentlyActiveRole; ++role)
            roles.append(role);
        summary->setRoles(roles);
        report->addModel(summary);
        for (int row = 0; row < m_testSummaryModel->rowCount(); ++row)
            addWalkTestSections(report, row);
        report->start();
        return;
    }
    if (m_selectedTestRow >= 0 && m_selectedTestRow < m_testSummaryModel->rowCount()) {
        addWalkTestSections(report, m_selectedTestRow);
        report->start();
        return;
    }
    delete report;
}

void EventsSummaryGeneralPanel::addWalkTestSections(SaveReport *report, int row)
{
    const QModelIndex summaryRow = m_testSummaryModel->index(row, 0);
    const quint8 node = quint8(summaryRow.data(WalkTestSummaryModel::NodeRole).toUInt());
    const QString panelText = summaryRow.data(WalkTestSummaryModel::PanelRole).toString();
    for (int kind : {WalkTestPointsModel::SuccessfulPoints, WalkTestPointsModel::UnfinishedOrFailedPoints}) {
        QSharedPointer<WalkTestPointsModel> points(new WalkTestPointsModel(kind, nullptr));
        points->updateForWalkTest(node);
        QSharedPointer<PrintableModel> section(new PrintableModel(points, true));
        section->title = QStringLiteral("%1 %2").arg(panelText, points->resultTitle());
        report->addModel(section);
    }
}
