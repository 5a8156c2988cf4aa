#include "screens/status/EventsSummaryByFunction.h"

#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "eventlog/EventLogQueries.h"
#include "link/SC_PointsIndividual.h"
#include "link/SyncClient.h"
#include "link/sc_LkLogManagerServices.h"
#include "listscreens/DisableActionRule.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PointCoreIterator.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "pointmodels/DevAttrCfgFilter.h"
#include "pointmodels/DisablePointFilter.h"
#include "pointmodels/DisablementsModel.h"
#include "pointmodels/EventLogQueryModel.h"
#include "pointmodels/FunctionStatusQueryModel.h"
#include "pointmodels/MultiModelFilterFacade.h"
#include "pointmodels/PointCfgFilter.h"
#include "pointmodels/PointDataMapFilter.h"
#include "pointmodels/SummaryFunctionFilter.h"
#include "pointmodels/ZoneCfgFilter.h"
#include "pointmodels/model.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90022.h"
#include "widgets/AUK_90033.h"

#include <QCoreApplication>
#include <QVBoxLayout>

namespace {

// Point-data map pages: active points, the two disablement pages, forced
// outputs.
constexpr int ActivePage = 135;
constexpr int DisabledPage1 = 14;
constexpr int DisabledPage2 = 15;
constexpr int ForcedPage = 137;
constexpr int ForcibleAttribute = 4;
constexpr int FaultsStateMode = 2;
constexpr int DelayMs = 3000;
constexpr int EngineerAccess = 3;

// Soft-key texts.
constexpr int AcceptKey = 1;
constexpr int DisableKey = 13;
constexpr int EnableKey = 17;
constexpr int ForceKey = 23;
constexpr int SaveKey = 41;
constexpr int UnforceKey = 54;

enum List { AllList = 0, ActiveList = 1, FaultsList = 2, IsolatedList = 3 };

using R = EventLogQueryModel;

quint8 byteOf(const QModelIndex &card, int role)
{
    return quint8(card.data(role).toUInt());
}

} // namespace

EventsSummaryByFunction::EventsSummaryByFunction(int accessLevel, int userLevel, int functionMask, int headerId,
                                                 const QString &counterTitle, QWidget *parent)
    : EventsSummaryCommon(false, accessLevel, userLevel, functionMask, parent, true)
    , m_allViewer(QCoreApplication::translate("AUK_90033", "_ALL_COUNTBTN"), &m_buttonGroup, this, PointsKind)
    , m_activeListViewer(tr("_ACTIVE_COUNTBTN"), &m_buttonGroup, this, PointsKind)
    , m_faultsViewer(QCoreApplication::translate("AUK_90033", "_FAULTS_COUNTBTN"), &m_buttonGroup, this)
    , m_isolatedViewer(QCoreApplication::translate("AUK_90033", "_DISABLE_COUNTBTN"), &m_buttonGroup, this, PointsKind)
    , m_faultsDelegate(TeskGlobalConfig::instance()->isRestricted(256),
                       SystemState::instance()->brand() == 1 && SystemState::instance()->isRbusConnected())
    , m_allModel(new DisablementsModel(nullptr))
    , m_activeModel(new DisablementsModel(nullptr))
    , m_faultsModel(new FunctionStatusQueryModel(functionMask, FaultsStateMode, nullptr))
    , m_isolatesModel(new DisablementsModel(nullptr))
{
    setObjectName(QStringLiteral("EventsSummaryByFunction"));
    setTitleById(headerId);
    setIconBlueFlavour(QPixmap(QStringLiteral("../resources/icons/AUK_80209_event_summary_smll_blue.png")));
    setIconYellowFlavour(QPixmap(QStringLiteral("../resources/icons/AUK_80208_event_summary_smll_yellow.png")));
    setIconRedFlavour(QPixmap(QStringLiteral("../resources/icons/AUK_80207_event_summary_smll_red.png")));

    addViewer(&m_allViewer);
    addViewer(&m_activeListViewer);
    addViewer(&m_faultsViewer);
    addViewer(&m_isolatedViewer);
    m_activeModel->setFunctionMask(m_functionMask);
    m_isolatesModel->setFunctionMask(m_functionMask);
    m_allViewer.setModel(m_allModel.data(), &m_pointsDelegate, true);
    m_activeListViewer.setModel(m_activeModel.data(), &m_pointsDelegate, true);
    m_isolatedViewer.setModel(m_isolatesModel.data(), &m_pointsDelegate, true);
    m_faultsViewer.setModel(m_faultsModel.data(), &m_faultsDelegate, true);
    setCounterTitle(counterTitle);

    AUK_90006 *bar = lozengeBar();
    if (m_accessLevel >= EngineerAccess) {
        bar->show();
        bar->setRightButtonVisible(true);
        bar->setRightButtonTextById(SaveKey);
    }
    bar->setLeftButtonVisible(false);
    disconnect(bar, &AUK_90006::leftButtonClicked, nullptr, nullptr);
    m_buttonLayout->activate();

    connect(m_allViewer.button(), &QAbstractButton::clicked, this, &EventsSummaryByFunction::allClicked);
    connect(m_activeListViewer.button(), &QAbstractButton::clicked, this, &EventsSummaryByFunction::activeClicked);
    connect(m_faultsViewer.button(), &QAbstractButton::clicked, this, &EventsSummaryByFunction::faultsClicked);
    connect(m_isolatedViewer.button(), &QAbstractButton::clicked, this, &EventsSummaryByFunction::isolatesClicked);

    m_faultsUpdateDelay.connectDelayed(EL_EventLogDBbase::instance(), SIGNAL(updatedFaults()), this,
                                       SLOT(updateFaults()), DelayMs);
    if (sc_LkLogManagerServices *services = SyncClient::instance()->getLogManagerServices())
        m_acceptedDelay.connectDelayed(services, SIGNAL(logEventAccepted()), this, SLOT(updateFaults()), DelayMs);
    PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    for (int page : {ActivePage, DisabledPage1, DisabledPage2})
        maps->connectMapUpdated(page, this, [this] { buildModels(); });

    connect(&m_faultsViewer, &FaultsViewer::filterChanged, this, &EventsSummaryByFunction::updateFaults);
    connect(&m_faultsViewer, &FaultsViewer::listScrolled, this, &EventsSummaryByFunction::updateFaultPointCard);
    connect(&m_faultsViewer, &FaultsViewer::refreshModel, this, &EventsSummaryByFunction::updateFaultsWithOffset);
    for (EventsSummaryViewer *viewer :
         {&m_allViewer, &m_activeListViewer, static_cast<EventsSummaryViewer *>(&m_faultsViewer), &m_isolatedViewer})
        connect(viewer, &EventsSummaryViewer::listScrolled, this, &EventsSummaryByFunction::setLeftButtonVisibility);

    m_allViewer.activate();
    buildModels();
    updateFaults();
    allClicked();
}

EventsSummaryByFunction::~EventsSummaryByFunction() = default;

int EventsSummaryByFunction::isolatesTaskMode() const
{
    return m_functionMask == Sounders || m_functionMask == Controls ? 2 : 3;
}

void EventsSummaryByFunction::buildModels()
{
    m_allViewer.disconnectModel(m_allModel.data());
    m_activeListViewer.disconnectModel(m_activeModel.data());
    m_isolatedViewer.disconnectModel(m_isolatesModel.data());
    m_allModel->clearModel();
    m_activeModel->clearModel();
    m_isolatesModel->clearModel();

    const QList<ModelFilterPair> pairs{
        {m_activeModel.data(), QSharedPointer<SimplePointFilter>(new PointDataMapFilter(ActivePage, false))},
        {m_isolatesModel.data(),
         QSharedPointer<SimplePointFilter>(new DisablePointFilter(isolatesTaskMode(), DisablePointFilter::Enable))},
    };
    {
        MultiModelFilterFacade facade(m_allModel.data(), pairs, TC::cAllPanels);
        facade.setFilter(QSharedPointer<SimplePointFilter>(new SummaryFunctionFilter(m_functionMask)));
        facade.run();
    }

    m_allViewer.setModel(m_allModel.data(), &m_pointsDelegate, true);
    m_activeListViewer.setModel(m_activeModel.data(), &m_pointsDelegate, true);
    m_isolatedViewer.setModel(m_isolatesModel.data(), &m_pointsDelegate, true);
    m_activeListViewer.button()->setButtonValue(QString::number(m_activeModel->rowCount()));
    m_isolatedViewer.button()->setButtonValue(QString::number(m_isolatesModel->rowCount()));
    m_allViewer.button()->setButtonValue(QString::number(m_allModel->rowCount()));
    checkAndUpdateFlavor();
}

void EventsSummaryByFunction::resetLozengeKeys()
{
    AUK_90006 *bar = lozengeBar();
    bar->setMiddleButtonEnabled(true);
    bar->setMiddleButtonVisible(false);
    disconnect(bar, &AUK_90006::middleButtonClicked, nullptr, nullptr);
    disconnect(bar, &AUK_90006::leftButtonClicked, nullptr, nullptr);
    if (AUK_90022 *view = cardViewOf(&m_allViewer)) {
        view->stopInformationRefreshTimer();
        disconnect(view, &AUK_90022::itemChangedSettlePeriodExpired, nullptr, nullptr);
    }
}

void EventsSummaryByFunction::selectList(void (EventsSummaryByFunction::*leftSlot)())
{
    checkAndUpdateFlavor();
    setLeftButtonVisibility();
    connect(lozengeBar(), &AUK_90006::leftButtonClicked, this, leftSlot);
}

void EventsSummaryByFunction::allClicked()
{
    resetLozengeKeys();
    setCurrentViewer(&m_allViewer);
    AUK_90006 *bar = lozengeBar();
    if (model::instance()->isTemplate1()) {
        bar->setMiddleButtonEnabled(false);
        connect(bar, &AUK_90006::middleButtonClicked, this, &EventsSummaryByFunction::sendForceActionCommand);
        updateForceStatus();
    }
    if (m_allModel->rowCount() > 0 && m_functionMask == Controls) {
        if (AUK_90022 *view = cardViewOf(&m_allViewer)) {
            view->startInformationRefreshTimer();
            connect(view, &AUK_90022::itemChangedSettlePeriodExpired, this,
                    &EventsSummaryByFunction::updateForceStatus);
        }
    }
    selectList(&EventsSummaryByFunction::disableAll);
}

void EventsSummaryByFunction::activeClicked()
{
    resetLozengeKeys();
    setCurrentViewer(&m_activeListViewer);
    selectList(&EventsSummaryByFunction::disableActive);
}

void EventsSummaryByFunction::faultsClicked()
{
    resetLozengeKeys();
    setCurrentViewer(&m_faultsViewer);
    AUK_90006 *bar = lozengeBar();
    bar->setMiddleButtonTextById(AcceptKey);
    connect(bar, &AUK_90006::middleButtonClicked, this, &EventsSummaryByFunction::sendAcceptEvent);
    checkAndUpdateFlavor();
    updateFaults();
    setLeftButtonVisibility();
    connect(bar, &AUK_90006::leftButtonClicked, this, &EventsSummaryByFunction::disableFaults);
}

void EventsSummaryByFunction::isolatesClicked()
{
    resetLozengeKeys();
    setCurrentViewer(&m_isolatedViewer);
    selectList(&EventsSummaryByFunction::enableIsolates);
}

QAbstractItemModel *EventsSummaryByFunction::listModel(const StatusViewer *viewer) const
{
    if (viewer == &m_allViewer)
        return m_allModel.data();
    if (viewer == &m_activeListViewer)
        return m_activeModel.data();
    if (viewer == &m_faultsViewer)
        return m_faultsModel.data();
    if (viewer == &m_isolatedViewer)
        return m_isolatesModel.data();
    return nullptr;
}

void EventsSummaryByFunction::setLeftButtonVisibility()
{
    AUK_90006 *bar = lozengeBar();
    const StatusViewer *viewer = currentViewer();
    const QAbstractItemModel *list = listModel(viewer);
    if (!list) {
        bar->setLeftButtonVisible(false);
        return;
    }
    bar->setLeftButtonTextById(viewer == &m_isolatedViewer ? EnableKey : DisableKey);
    bar->setLeftButtonVisible(isDisableActionAllowed(true) && list->rowCount() > 0
                              && !isOnShutDownLoop(centreCard(viewer)));
}

void EventsSummaryByFunction::checkAndUpdateFlavor()
{
    const StatusViewer *viewer = currentViewer();
    if (viewer == &m_allViewer || viewer == &m_activeListViewer)
        setActiveConditions(false);
    else if (viewer == &m_faultsViewer)
        setActiveConditions(m_faultsModel->rowCount() > 0);
    else if (viewer == &m_isolatedViewer)
        setActiveConditions(m_isolatesModel->rowCount() > 0);
    updatePageStatus();
}

void EventsSummaryByFunction::prepareFaultsQuery()
{
    m_faultsModel->fillPointTable();
}

void EventsSummaryByFunction::updateFaults()
{
    m_faultsModel->refresh();
    const bool faultsShown = currentViewer() == &m_faultsViewer;
    AUK_90006 *bar = lozengeBar();
    if (faultsShown)
        bar->setMiddleButtonVisible(false);
    const int total = m_faultsWindow.reload(*m_faultsModel, cardViewOf(&m_faultsViewer), m_faultsViewer.faultsLevel(),
                                            m_functionMask != AllFunctions, EventLogQueries::AllPanels);
    m_faultsViewer.button()->setButtonValue(QString::number(total));
    if (faultsShown && m_faultsViewer.faultsLevel() == TC::eUnacceptedFaults
        && model::instance()->isFaultAcceptanceEnabled()) {
        bar->setMiddleButtonTextById(AcceptKey);
        disconnect(bar, &AUK_90006::middleButtonClicked, nullptr, nullptr);
        connect(bar, &AUK_90006::middleButtonClicked, this, &EventsSummaryByFunction::sendAcceptEvent);
        bar->setMiddleButtonVisible(true);
    } else if (faultsShown) {
        bar->setMiddleButtonVisible(false);
    }
    checkAndUpdateFlavor();
}

void EventsSummaryByFunction::updateFaultPointCard(int from, int to)
{
    if (m_faultsWindow.scrolled(from, to))
        updateFaults();
}

void EventsSummaryByFunction::updateFaultsWithOffset(int offset)
{
    m_faultsWindow.setOffset(offset - 1);
    updateFaults();
}

int EventsSummaryByFunction::selectionKind(int list) const
{
    int step = 0;
    if (m_functionMask == AlarmSignalling || m_functionMask == FaultSignalling)
        step = 4;
    else if (m_functionMask == Protection)
        step = 8;
    else if (m_functionMask == Controls)
        step = 12;
    return 13 + list + step;
}

void EventsSummaryByFunction::disableFrom(StatusViewer *viewer, int list, int count, int level)
{
    const QModelIndex card = centreCard(viewer);
    if (!card.isValid())
        return;
    showDisableSelection(selectionKind(list), card, m_functionMask != FaultSignalling, count, level);
}

void EventsSummaryByFunction::disableAll()
{
    disableFrom(&m_allViewer, AllList, -1, 0);
}

void EventsSummaryByFunction::disableActive()
{
    disableFrom(&m_activeListViewer, ActiveList, -1, 0);
}

void EventsSummaryByFunction::disableFaults()
{
    const AUK_90022 *view = cardViewOf(&m_faultsViewer);
    disableFrom(&m_faultsViewer, FaultsList, view ? view->itemCount() : 0, m_faultsViewer.faultsLevel());
}

void EventsSummaryByFunction::enableIsolates()
{
    disableFrom(&m_isolatedViewer, IsolatedList, -1, 0);
}

int EventsSummaryByFunction::updateForceStatus()
{
    if (currentViewer() != &m_allViewer || m_functionMask != Controls)
        return 1;
    AUK_90006 *bar = lozengeBar();
    const QModelIndex card = centreCard(&m_allViewer);
    if (!card.isValid()) {
        bar->setMiddleButtonEnabled(false);
        return 1;
    }
    const ChannelAddress channel(byteOf(card, R::ChannelRole), byteOf(card, R::ChannelAddrRole),
                                 byteOf(card, R::PointCatRole));
    const bool forced = PointDataMapsConfiguration::instance()->testPoint(ForcedPage, byteOf(card, R::PanelNumberRole),
                                                                          channel, byteOf(card, R::PointNumberRole));
    bar->setMiddleButtonTextById(forced ? UnforceKey : ForceKey);
    bar->setMiddleButtonEnabled(true);
    bar->setMiddleButtonVisible(true);
    return forced ? 0 : 1;
}

void EventsSummaryByFunction::sendForceActionCommand()
{
    const int action = updateForceStatus();
    const QModelIndex card = centreCard(currentViewer());
    if (card.isValid()) {
        const quint8 node = byteOf(card, R::PanelNumberRole);
        const quint8 kind = byteOf(card, R::ChannelRole);
        const quint8 address = byteOf(card, R::ChannelAddrRole);
        const quint8 number = byteOf(card, R::PointCatRole);
        const quint8 point = byteOf(card, R::PointNumberRole);
        const quint8 zone = byteOf(card, R::ZoneNumberRole);
        SC_PointsIndividual list;
        list.setPanel(node);
        list.addPoint(kind, address, number, point);

        // Only a configured output that may be forced, in that zone.
        auto chain = QSharedPointer<SimplePointFilter>(new PointCfgFilter(kind, number, point));
        auto attribute = QSharedPointer<SimplePointFilter>(new DevAttrCfgFilter(ForcibleAttribute));
        attribute->setNext(QSharedPointer<SimplePointFilter>(new ZoneCfgFilter({zone})));
        chain->setNext(attribute);
        PointCoreIterator *points = PointCoreConfiguration::instance()->pointIterator(node);
        while (points && points->next()) {
            const ChannelAddress found = points->currentChannelKey();
            if (chain->acceptsAll(node, &found, points->currentRecord())) {
                SyncClient::instance()->sendForcePointsAction(quint8(action), list);
                break;
            }
        }
    }
    lozengeBar()->setMiddleButtonEnabled(false);
}

void EventsSummaryByFunction::print()
{
    const StatusViewer *viewer = currentViewer();
    if (viewer == &m_faultsViewer) {
        saveEventLogLater();
        return;
    }
    QSharedPointer<DisablementsModel> list = viewer == &m_allViewer          ? m_allModel
                                             : viewer == &m_activeListViewer ? m_activeModel
                                                                             : m_isolatesModel;
    saveListReport(list, viewer ? viewer->value() : PointsKind, true);
}

void EventsSummaryByFunction::saveEventLog()
{
    saveFaultsReport(m_faultsViewer.faultsLevel());
}
