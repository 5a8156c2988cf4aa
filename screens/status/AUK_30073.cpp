#include "screens/status/AUK_30073.h"

#include "app/DelaySignal.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "core/SC_Timer.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "frontpanel/rbusEventLog.h"
#include "link/SyncClient.h"
#include "link/sc_LkLogManagerServices.h"
#include "listscreens/JumpToCard.h"
#include "reports/PrintableModel.h"
#include "reports/SaveReport.h"
#include "screens/status/RbusModel.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90011.h"
#include "widgets/EventLogIcons.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSharedPointer>

#include <climits>

namespace {

constexpr int EventLogTitle = 8;
constexpr int SaveKey = 41;
constexpr int HideInformationRestriction = 256;
constexpr int SaltmarshBrand = 1;
constexpr int PrintDelayMs = 1;
constexpr int RelayDelayMs = 3000;

using Role = EventLogQueryModel::Role;

SystemState *state()
{
    return SystemState::instance();
}

bool isBusMode()
{
    return state()->guiMode() > 1;
}

} // namespace

AUK_30073::AUK_30073(const QString &title, Mode mode, QWidget *parent)
    : AUK_90001A(parent)
    , m_mode(mode)
    , m_delegate(nullptr, TeskGlobalConfig::instance()->isRestricted(HideInformationRestriction),
                 state()->isRbusConnected())
    , m_queryModel(nullptr, reportRoles())
    , m_logUpdatedRelay(new DelaySignal(this))
    , m_eventAcceptedRelay(new DelaySignal(this))
    , m_printTimer(SC_Timer::create(this))
{
    m_printTimer->setSingleShot(true);
    m_printTimer->setInterval(PrintDelayMs);
    connect(m_printTimer, &SC_Timer::timeout, this, &AUK_30073::print);
    buildForm(title);
}

AUK_30073::AUK_30073(const QString &title, const QDateTime &from, const QDateTime &to, QWidget *parent)
    : AUK_30073(title, ByDate, parent)
{
    m_from = from;
    m_to = to;
    connectSources();
}

AUK_30073::AUK_30073(const QString &title, quint16 categoryMask, bool unrestoredOnly, quint8 panel, QWidget *parent)
    : AUK_30073(title, ByStatus, parent)
{
    m_categoryMask = categoryMask;
    m_unrestoredOnly = unrestoredOnly;
    m_panel = panel;
    connectSources();
}

AUK_30073::AUK_30073(const QString &title, quint16 categoryMask, bool unrestoredOnly, QWidget *parent)
    : AUK_30073(title, ByCategory, parent)
{
    m_categoryMask = categoryMask;
    m_unrestoredOnly = unrestoredOnly;
    connectSources();
}

AUK_30073::~AUK_30073() = default;

QList<int> AUK_30073::reportRoles()
{
    return {Role::DateTimeRole, Role::ZoneTextRole,  Role::AddressRole,      Role::LocationRole,
            Role::DeviceRole,   Role::EventTextRole, Role::AcceptStatusRole, Role::InformationRole};
}

void AUK_30073::buildForm(const QString &title)
{
    setObjectName(QStringLiteral("AUK_30073"));
    resize(640, 480);
    setTitleById(EventLogTitle);
    setEventLogIcons(this);
    m_lozengeBar = new AUK_90006(this);
    m_lozengeBar->setObjectName(QStringLiteral("lozengeBar"));
    m_lozengeBar->setGeometry(0, 379, 640, 71);
    m_lozengeBar->setLeftButtonVisible(false);
    m_lozengeBar->setMiddleButtonVisible(false);
    m_lozengeBar->setRightButtonText(QString());
    m_cards = new AUK_90011(this);
    m_cards->setObjectName(QStringLiteral("aUK_90011"));
    m_cards->setGeometry(7, 39, 626, 346);
    m_queryModel.updateAddressMode();
    connect(m_lozengeBar, &AUK_90006::rightButtonClicked, this, &AUK_30073::showWaitPopupAndPrint);
    m_lozengeBar->setRightButtonTextById(SaveKey);
    m_lozengeBar->setRightButtonVisible(Security::instance()->accessLevel() > TESKEnumHolder::EN54_KEY_IN);
    m_cards->setTitle(title);
}

void AUK_30073::connectSources()
{
    if (isBusMode()) {
        m_rbusModel = RbusModel::create(this);
        if (!m_rbusModel)
            return;
        connect(rbusEventLog::instance(), &rbusEventLog::rbusLogUpdated, this, &AUK_30073::fillRbusModel);
        m_cards->setModel(m_rbusModel, &m_delegate);
        fillRbusModel();
        m_cards->setFixedCounter(false);
    } else {
        connect(m_cards, &AUK_90011::refreshModel, this, &AUK_30073::updateELWithOffset);
        m_logUpdatedRelay->connectDelayed(EL_EventLogDBbase::instance(), SIGNAL(eventLogUpdated()), this,
                                          SLOT(updateEventLogModel()), RelayDelayMs);
        if (sc_LkLogManagerServices *services = SyncClient::instance()->getLogManagerServices())
            m_eventAcceptedRelay->connectDelayed(services, SIGNAL(logEventAccepted()), this,
                                                 SLOT(updateEventLogModel()), RelayDelayMs);
        m_cards->setFixedCounter(true);
    }
    m_jumpToCard = std::make_unique<JumpToCard>(m_cards);
    updateEventLogModel();
    connect(m_cards, &AUK_90011::listScrolled, this, &AUK_30073::updateELPointCard);
}

unsigned AUK_30073::countEvents() const
{
    if (m_mode == ByDate)
        return m_queryModel.countEventsByDate(m_from, m_to);
    return m_queryModel.countEventsByCategory(m_categoryMask, m_unrestoredOnly, m_panel);
}

void AUK_30073::loadEvents(EventLogQueryModel &model, int queryOffset) const
{
    if (m_mode == ByDate)
        model.loadEventsByDate(m_from, m_to, queryOffset);
    else
        model.loadEventsByCategory(m_categoryMask, queryOffset, m_unrestoredOnly, m_panel);
}

void AUK_30073::updateEventLogModel()
{
    if (m_rbusModel) {
        m_cards->setTotalCount(m_rbusModel->rowCount());
        showCounter();
        return;
    }
    if (isBusMode())
        return;
    const int total = int(qMin(countEvents(), unsigned(INT_MAX)));
    m_cards->setTotalCount(total);
    // The log may have shrunk under the current card (trimmed, cleared,
    // resynchronised), or a number past the end may have been asked for:
    // the window stays inside the result, at its last card.
    if (m_offset >= total)
        m_offset = total - 1;
    if (m_offset < 0)
        m_offset = 0;
    const int queryOffset = m_offset <= 1 ? 0 : m_offset - 1;
    loadEvents(m_queryModel, queryOffset);
    m_cards->setModel(&m_queryModel, &m_delegate);
    if (m_queryModel.rowCount() < 2)
        m_offset = 0;
    else
        m_cards->scrollToItem(m_offset <= 0 ? 0 : 1);
    showCounter();
}

void AUK_30073::showCounter()
{
    m_cards->setCurrentIndex(m_offset);
    m_cards->updateCounter();
}

void AUK_30073::updateELPointCard(int from, int to)
{
    if (from == to)
        return;
    m_offset += to - from;
    updateEventLogModel();
}

void AUK_30073::updateELWithOffset(int value)
{
    m_offset = value - 1;
    updateEventLogModel();
}

void AUK_30073::fillRbusModel()
{
    if (!m_rbusModel)
        return;
    m_rbusModel->fillAll();
    m_cards->setTotalCount(m_rbusModel->rowCount());
    showCounter();
}

void AUK_30073::showWaitPopupAndPrint()
{
    // The wait popup comes with later work; the report still waits for the
    // screen to be drawn.
    qDebug() << "AUK_30073::showWaitPopupAndPrint: the wait popup AUK_40007 is not built yet";
    m_printTimer->start();
}

void AUK_30073::print()
{
    QList<int> roles = reportRoles();
    const bool busBrand = state()->brand() == SaltmarshBrand && state()->isRbusConnected();
    if (TeskGlobalConfig::instance()->isRestricted(HideInformationRestriction) || busBrand)
        roles.removeAll(Role::InformationRole);
    auto *events = new EventLogQueryModel(nullptr, roles);
    events->updateAddressMode();
    loadEvents(*events, -1);
    auto printable = QSharedPointer<PrintableModel>::create(QSharedPointer<QAbstractItemModel>(events), true);
    printable->setRoles(roles);
    const QString header = QStringLiteral("%1\r\n%2 %3")
                               .arg(QCoreApplication::translate("AUK_90001", "_EVENT_LOG_HDR"),
                                    QCoreApplication::translate("QObject", "_SAVING_PANEL_25_CHAR"),
                                    QString::number(TeskGlobalConfig::instance()->getPanelNumber()));
    auto *save = new SaveReport(QStringLiteral("EL"), header, printable, SaveReport::HeaderFields(), this, false);
    save->start();
}
