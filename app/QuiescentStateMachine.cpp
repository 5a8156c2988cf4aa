#include "app/QuiescentStateMachine.h"

#include "app/ConditionalSignalTransition.h"
#include "app/PageStack.h"
#include "app/QuiescentOffState.h"
#include "app/QuiescentState.h"
#include "app/QuiescentTimingState.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "core/BucketKeys.h"
#include "core/BucketMaster.h"
#include "core/SC_Timer.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "frontpanel/InputSignaller.h"
#include "frontpanel/USBController.h"
#include "frontpanel/rbusEventLog.h"
#include "link/SyncClient.h"
#include "pointmodels/WarningsModel.h"
#include "pointmodels/model.h"

namespace {

constexpr int EngineBucket = 0;
constexpr int StatusCountsBucket = 5;
constexpr int InformationTextBucket = 18;
constexpr quint8 SystemPanel = 254;
constexpr quint8 AllPanels = 255;

// The bucket-0 flags of conditions the operator must see, in reading order.
const char *const alarmFlagKeys[] = {BucketKeys::sndrsoff, BucketKeys::protnoff, BucketKeys::sgnlngoff,
                                     BucketKeys::extngshractv, BucketKeys::keySfDrAlrm};

SystemState *systemState()
{
    return SystemState::instance();
}

bool isOffLine()
{
    return systemState()->isDisconnected() || systemState()->isE30Connected();
}

} // namespace

QuiescentStateMachine::QuiescentStateMachine(QObject *parent)
    : QObject(parent)
    , m_timer(SC_Timer::create(this))
    , m_quiescent(new QuiescentState(m_timer, &m_machine))
    , m_timing(new QuiescentTimingState(m_timer, &m_machine))
    , m_off(new QuiescentOffState(m_timer, &m_machine))
{
    const int guiMode = systemState()->guiMode();
    watchPendingInformation(guiMode);
    m_timer->setInterval(InactivityMs);
    addTransitions(guiMode);
    connect(m_timer, &SC_Timer::timeout, PageStack::instance(), &PageStack::clear);
    connect(InputSignaller::instance(), &InputSignaller::userInputReceived, this, &QuiescentStateMachine::updateClock);
    m_machine.setInitialState(isQuiescentAllowed() ? static_cast<QState *>(m_quiescent) : m_off);
    m_machine.start();
}

void QuiescentStateMachine::watchPendingInformation(int guiMode)
{
    if (guiMode > 1) {
        // A repeater learns of the panel's activity from the front-panel bus.
        connect(rbusEventLog::instance(), &rbusEventLog::rbusLogUpdated, this,
                &QuiescentStateMachine::panelStatusCountsUpdated);
        return;
    }
    m_warningsModel = new WarningsModel(AllPanels, this);
    BucketMaster *store = BucketMaster::instance();
    store->connectBucketUpdated(InformationTextBucket, this, [this] { informationTextMessagesUpdated(); });
    store->connectBucketUpdated(EngineBucket, this, [this] { teskBucketUpdated(); });
    store->connectBucketUpdated(StatusCountsBucket, this, [this] { panelStatusCountsUpdated(); });
    m_warningsDelay.connectDelayed(EL_EventLogDBbase::instance(), SIGNAL(updatedWarnings()), this,
                                   SLOT(updateWarningsCounter()), DelaySignal::DefaultDelayMs);
    connect(SyncClient::instance(), &SyncClient::walkTestUpdatedReceived, this,
            &QuiescentStateMachine::panelStatusCountsUpdated);
}

void QuiescentStateMachine::addTransitions(int guiMode)
{
    using Condition = ConditionalSignalTransition::Condition;
    const Condition always;
    const Condition ifAllowed = [this] { return isQuiescentAllowed(); };
    const Condition ifAllowedNoKeyAccess = [this] {
        return isQuiescentAllowed() && !model::instance()->isKeyswitchAccessEnabled();
    };
    const Condition ifOffLine = isOffLine;

    const QObject *input = InputSignaller::instance();
    const QObject *usb = USBController::instance();
    const QObject *state = systemState();
    const QObject *link = SyncClient::instance();
    const QObject *security = Security::instance();
    QState *const Q = m_quiescent;
    QState *const T = m_timing;
    QState *const O = m_off;
    const auto on = [](auto signal) { return QMetaMethod::fromSignal(signal); };

    struct Row
    {
        QState *from;
        const QObject *sender;
        QMetaMethod signal;
        Condition condition;
        QState *to;
        bool linkModesOnly;
    };
    // Tried in this order within each state.
    const Row rows[] = {
        {Q, input, on(&InputSignaller::userInputReceived), always, T, false},
        {Q, this, on(&QuiescentStateMachine::systemSummaryActivated), always, O, false},
        {Q, usb, on(&USBController::quitQuiescentState), always, T, false},
        {Q, state, on(&SystemState::fireStarted), always, O, false},
        {Q, state, on(&SystemState::faultStarted), always, O, false},
        {Q, state, on(&SystemState::evacuationStarted), always, O, false},
        {Q, link, on(&SyncClient::reconnectedInStartup), always, O, true},
        {Q, security, on(&Security::keyIn), always, O, true},
        {Q, security, on(&Security::keyState), always, T, true},
        {Q, security, on(&Security::loginNotify), ifAllowedNoKeyAccess, T, true},
        {Q, state, on(&SystemState::stateChanged), ifOffLine, O, false},
        {T, m_timer, on(&SC_Timer::timeout), always, Q, false},
        {T, input, on(&InputSignaller::userInputReceived), always, T, false},
        {T, this, on(&QuiescentStateMachine::systemSummaryActivated), always, O, false},
        {T, state, on(&SystemState::fireStarted), always, O, false},
        {T, state, on(&SystemState::faultStarted), always, O, false},
        {T, state, on(&SystemState::evacuationStarted), always, O, false},
        {T, link, on(&SyncClient::reconnectedInStartup), always, O, true},
        {T, security, on(&Security::keyIn), always, O, true},
        {T, security, on(&Security::loginNotify), always, O, true},
        {T, security, on(&Security::tempLogoutBlock), always, O, true},
        {T, state, on(&SystemState::stateChanged), ifOffLine, O, false},
        {O, link, on(&SyncClient::reconnected), ifAllowed, T, true},
        {O, security, on(&Security::keyOut), ifAllowed, T, true},
        {O, security, on(&Security::logoutNotify), ifAllowedNoKeyAccess, T, true},
        {O, security, on(&Security::tempLogoutRestart), ifAllowed, T, true},
        {O, this, on(&QuiescentStateMachine::systemSummaryDeactivated), ifAllowed, T, true},
        {O, state, on(&SystemState::fireReset), ifAllowed, T, false},
        {O, state, on(&SystemState::faultReset), ifAllowed, T, false},
        {O, state, on(&SystemState::evacuationReset), ifAllowed, T, false},
        {O, state, on(&SystemState::stateChanged), ifAllowed, T, false},
    };
    for (const Row &row : rows) {
        if (row.linkModesOnly && guiMode > 1)
            continue;
        auto *transition = new ConditionalSignalTransition(row.sender, row.signal, row.condition, row.from);
        transition->setTargetState(row.to);
    }
}

bool QuiescentStateMachine::isQuiescentAllowed() const
{
    const SystemState *state = systemState();
    if (state->isEthernetConnected()) {
        return Security::instance()->accessLevel() < TESKEnumHolder::EN54_LOGGED_IN && !state->isFireActive()
               && !m_summaryActive;
    }
    if (state->isRbusConnected())
        return !state->isFireActive() && !state->isFaultActive();
    return false;
}

QString QuiescentStateMachine::currentState() const
{
    for (const QAbstractState *state :
         {static_cast<QAbstractState *>(m_quiescent), static_cast<QAbstractState *>(m_timing),
          static_cast<QAbstractState *>(m_off)}) {
        if (m_machine.configuration().contains(const_cast<QAbstractState *>(state)))
            return state->objectName();
    }
    return QString();
}

void QuiescentStateMachine::setInactivityInterval(int milliseconds)
{
    m_timer->setInterval(milliseconds);
}

void QuiescentStateMachine::updateClock()
{
    if (m_timer->isActive())
        m_timer->start();
}

void QuiescentStateMachine::informationTextMessagesUpdated()
{
    const int language = TeskGlobalConfig::instance()->getCurrentLang();
    m_informationText = !model::instance()->informationText(SystemPanel, 0, language).isEmpty();
    updateSummary();
}

void QuiescentStateMachine::teskBucketUpdated()
{
    const BucketMaster *store = BucketMaster::instance();
    m_alarmFlag = false;
    for (const char *key : alarmFlagKeys) {
        if (store->getValue(EngineBucket, QLatin1String(key)) == QLatin1String(BucketKeys::one)) {
            m_alarmFlag = true;
            break;
        }
    }
    updateSummary();
}

void QuiescentStateMachine::panelStatusCountsUpdated()
{
    m_panelActivity = model::instance()->hasPanelActivity(SystemPanel);
    updateSummary();
}

void QuiescentStateMachine::updateWarningsCounter()
{
    m_warnings = m_warningsModel->queryCount() != 0;
    updateSummary();
}

void QuiescentStateMachine::updateSummary()
{
    const bool pending = m_informationText || m_panelActivity || m_warnings || m_alarmFlag;
    if (pending && !m_summaryActive) {
        m_summaryActive = true;
        emit systemSummaryActivated();
    } else if (!pending && m_summaryActive) {
        m_summaryActive = false;
        emit systemSummaryDeactivated();
    }
}
