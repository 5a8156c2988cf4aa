#include "screens/status/AUK_30085.h"

#include "app/PageStack.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/InputSignaller.h"
#include "listscreens/DisableActionRule.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "pointmodels/model.h"
#include "screens/control/AUK_30092.h"
#include "screens/control/HelpImages.h"
#include "screens/popups/AUK_40001.h"
#include "screens/popups/AUK_40009.h"
#include "screens/popups/AUK_40025.h"
#include "screens/popups/AUK_40061.h"
#include "screens/status/RbusModel.h"
#include "screens/status/ViewFiresModel.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90028.h"
#include "widgets/AUK_90029.h"

#include <QDebug>
#include <QDir>

namespace {

constexpr int FireCategory = 8;
constexpr int DisablementMapPage = 14;
constexpr int LoopPointKind = 12;
constexpr quint8 LastZone = 240;
constexpr int HideInformationRestriction = 256;
constexpr int SaltmarshBrand = 1;

enum TextId : int { DisableKey = 15, EnableKey = 19, FiresInZoneKey = 22, LoginKey = 29, ZonesInFireKey = 60 };
constexpr int ViewFiresTitle = 67;
constexpr int PointSelectionType = 0;
constexpr int ZoneSelectionType = 2;

enum Role : int {
    NodeRole = EventLogQueryModel::PanelNumberRole,
    ZoneRole = EventLogQueryModel::ZoneNumberRole,
    PointRole = EventLogQueryModel::PointNumberRole,
    ChannelAddressRole = EventLogQueryModel::ChannelAddrRole,
    ChannelNumberRole = EventLogQueryModel::PointCatRole,
    AddressRole = EventLogQueryModel::AddressRole,
    ChannelKindRole = EventLogQueryModel::ChannelRole,
};

const char ZoneMapsFolder[] = "../resources/zonemaps/";

void notBuilt(const char *className)
{
    qDebug() << "AUK_30085:" << className << "is not built yet";
}

SystemState *state()
{
    return SystemState::instance();
}

quint8 byteOf(const QModelIndex &index, int role)
{
    return quint8(index.data(role).toUInt());
}

bool busActionsAllowed()
{
    return state()->guiMode() <= 1 && state()->rbusMode() == 1;
}

QList<QFileInfo> zoneMaps(const QString &folder)
{
    QList<QFileInfo> images;
    HelpImages::appendHelpImages(folder, images);
    return images;
}

} // namespace

AUK_30085::AUK_30085(int accessLevel, int userLevel, bool ethernet, int initialCard, quint8 zone, quint8 node,
                     QWidget *parent)
    : AUK_90001A(parent)
    , m_zone(zone)
    , m_node(node)
    , m_fireCardDelegate(new AUK_90028(nullptr, TeskGlobalConfig::instance()->isRestricted(HideInformationRestriction),
                                       state()->isRbusConnected(), TeskGlobalConfig::instance()->getLogicalZones(),
                                       state()->brand() == SaltmarshBrand))
    , m_firesModel(new ViewFiresModel)
    , m_ethernet(ethernet)
    , m_zoneFilteringOn(TeskGlobalConfig::instance()->getZoneFiltering())
{
    Q_UNUSED(userLevel)
    buildForm();
    connectKeys(accessLevel);
    showView(m_zoneFilteringOn && m_zone == AllZones ? ZonesView : ListView);
    if (initialCard != 0)
        m_cards->goToPosition(initialCard);
    setLozengeButtonVisibility();
}

AUK_30085::~AUK_30085()
{
    delete m_firesModel;
    delete m_fireCardDelegate;
}

void AUK_30085::buildForm()
{
    setObjectName(QStringLiteral("AUK_30085"));
    setHomeIcons();
    m_lozengeBar = new AUK_90006(this);
    m_lozengeBar->setObjectName(QStringLiteral("lozengeBar"));
    m_lozengeBar->setGeometry(0, 379, 640, 71);
    m_lozengeBar->setLeftButtonText(QString());
    m_cards = new AUK_90029(this);
    m_cards->setObjectName(QStringLiteral("aUK_90029"));
    m_cards->setGeometry(7, 39, 626, 346);
    setTitleById(ViewFiresTitle);
    m_lozengeBar->setLeftButtonTextById(DisableKey);
    m_lozengeBar->setRightButtonTextById(LoginKey);
    m_lozengeBar->setMiddleButtonTextById(ZonesInFireKey);
}

void AUK_30085::connectKeys(int accessLevel)
{
    DB_TESK_FP_Interface *frontPanel = DB_TESK_FP_Interface::instance();
    connect(m_lozengeBar, &AUK_90006::middleButtonClicked, this, &AUK_30085::switchViewMode);
    connect(frontPanel, &DB_TESK_FP_Interface::helpPressed, this, &AUK_30085::helpPressed);
    if (m_ethernet) {
        setRequiredAccessLevel(accessLevel);
        connect(m_cards, &AUK_90011::itemChanged, this, &AUK_30085::updateDisableButton);
        connect(frontPanel, &DB_TESK_FP_Interface::scandinavianPressed, this, &AUK_30085::scandinavianPressed);
        connect(m_lozengeBar, &AUK_90006::leftButtonClicked, this, &AUK_30085::disableOrEnableFires);
        connect(m_lozengeBar, &AUK_90006::rightButtonClicked, this, &AUK_30085::checkLogin);
        Security *security = Security::instance();
        connect(security, &Security::loginNotify, this, &AUK_30085::setLozengeButtonVisibility);
        connect(security, &Security::logoutNotify, this, &AUK_30085::setLozengeButtonVisibility);
        return;
    }
    if (busActionsAllowed())
        connect(m_lozengeBar, &AUK_90006::leftButtonClicked, this, &AUK_30085::disableOrEnableFires);
    m_lozengeBar->setLeftButtonVisible(busActionsAllowed());
    m_lozengeBar->setRightButtonVisible(false);
}

// Going to the zones view remembers the fire on the centre card, going to
// the list remembers the zone: back and forth returns to the same card.
void AUK_30085::showView(ViewMode mode)
{
    m_viewMode = mode;
    m_fireCardDelegate->zoneView = mode == ZonesView;
    m_lozengeBar->setMiddleButtonTextById(mode == ZonesView ? FiresInZoneKey : ZonesInFireKey);
    if (mode == ZonesView)
        rememberAddress();
    else
        rememberZone();
    reload();
    if (mode == ZonesView)
        scrollToRememberedZone();
    else
        scrollToRememberedAddress();
}

void AUK_30085::switchViewMode()
{
    showView(m_viewMode == ZonesView ? ListView : ZonesView);
}

QAbstractItemModel *AUK_30085::shownModel() const
{
    if (m_ethernet)
        return m_firesModel;
    return m_rbusModel;
}

QModelIndex AUK_30085::centreIndex() const
{
    const QAbstractItemModel *model = shownModel();
    const int row = m_cards->centreItemRow();
    if (!model || row < 0 || row >= model->rowCount())
        return QModelIndex();
    return model->index(row, 0);
}

void AUK_30085::rememberZone()
{
    const QModelIndex centre = centreIndex();
    m_selZone = centre.isValid() ? byteOf(centre, ZoneRole) : m_zone;
    m_selNode = centre.isValid() ? byteOf(centre, NodeRole) : m_node;
    m_zoneRemembered = true;
}

void AUK_30085::rememberAddress()
{
    const QModelIndex centre = centreIndex();
    m_selAddress = centre.isValid() ? centre.data(AddressRole).toString() : QString();
}

void AUK_30085::reload()
{
    if (m_ethernet)
        reloadFromEventLog();
    else
        reloadFromBus();
}

QString AUK_30085::firesQuery() const
{
    if (m_viewMode == ZonesView) {
        return QStringLiteral("SELECT *, COUNT(*) AS firesInZone, MIN(timeAndDate) AS minTimeAndDate FROM EventLog "
                              "WHERE ( (eventCat & 15) = %1 ) AND ( seqNo > %2 %3 seqNo <= %4 ) GROUP BY zone, node "
                              "ORDER BY minTimeAndDate DESC, seqNo DESC")
            .arg(FireCategory)
            .arg(m_lowerSeqNo)
            .arg(m_rangeOperator)
            .arg(m_upperSeqNo);
    }
    if (m_zoneFilteringOn) {
        return QStringLiteral("SELECT * FROM EventLog WHERE ( (eventCat & 15) = %1 ) AND ( zone = %2 ) AND ( node = %3 "
                              ") AND ( seqNo > %4 %5 seqNo <= %6 ) ORDER BY timeAndDate, seqNo")
            .arg(FireCategory)
            .arg(m_selZone)
            .arg(m_selNode)
            .arg(m_lowerSeqNo)
            .arg(m_rangeOperator)
            .arg(m_upperSeqNo);
    }
    return QStringLiteral("SELECT * FROM EventLog WHERE ( (eventCat & 15) = %1 ) AND ( seqNo > %2 %3 seqNo <= %4 ) "
                          "ORDER BY timeAndDate, seqNo")
        .arg(FireCategory)
        .arg(m_lowerSeqNo)
        .arg(m_rangeOperator)
        .arg(m_upperSeqNo);
}

void AUK_30085::reloadFromEventLog()
{
    const EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    m_lowerSeqNo = log->currResetOrOldestSeqNo();
    m_upperSeqNo = log->latestCurrSeqNo();
    m_rangeOperator = seqNoRangeOperator();
    m_firesModel->load(firesQuery());
    m_cards->setModel(m_firesModel, m_fireCardDelegate);
    setLozengeButtonVisibility();
    setDisableKeyText();
}

void AUK_30085::reloadFromBus()
{
    m_rbusModel = RbusModel::create(this);
    m_cards->setModel(m_rbusModel, m_fireCardDelegate);
    if (m_viewMode == ZonesView)
        m_rbusModel->fillDevices();
    else if (m_zoneFilteringOn)
        m_rbusModel->fillFiresInZone(m_selZone, m_selNode);
    else
        m_rbusModel->fillFires();
}

void AUK_30085::scrollToRememberedAddress()
{
    const QAbstractItemModel *model = shownModel();
    int found = 0;
    for (int row = 0; model && row < model->rowCount(); ++row) {
        if (model->index(row, 0).data(AddressRole).toString() == m_selAddress) {
            found = row;
            break;
        }
    }
    m_cards->scrollToItem(found);
}

void AUK_30085::scrollToRememberedZone()
{
    const QAbstractItemModel *model = shownModel();
    int found = 0;
    for (int row = 0; m_zoneRemembered && model && row < model->rowCount(); ++row) {
        const QModelIndex card = model->index(row, 0);
        if (byteOf(card, NodeRole) == m_selNode && byteOf(card, ZoneRole) == m_selZone) {
            found = row;
            break;
        }
    }
    m_cards->scrollToItem(found);
}

bool AUK_30085::isCentrePointDisabled() const
{
    const int row = m_cards->centreItemRow();
    if (row < 0 || row >= m_firesModel->rowCount())
        return false;
    const QModelIndex card = m_firesModel->index(row, 0);
    return PointDataMapsConfiguration::instance()->testPointAddress(
        DisablementMapPage, byteOf(card, NodeRole), byteOf(card, ChannelKindRole), byteOf(card, ChannelNumberRole),
        byteOf(card, ChannelAddressRole), byteOf(card, PointRole));
}

void AUK_30085::setDisableKeyText()
{
    m_lozengeBar->setLeftButtonTextById(m_ethernet && isCentrePointDisabled() ? EnableKey : DisableKey);
}

void AUK_30085::setLozengeButtonVisibility()
{
    if (!m_ethernet)
        return;
    const bool hasRows = m_firesModel->rowCount() > 0;
    const QModelIndex centre = centreIndex();
    if (m_viewMode == ZonesView) {
        const quint8 zone = byteOf(centre, ZoneRole);
        const bool zoneCard = hasRows && zone >= 1 && zone <= LastZone;
        const bool allowed = isDisableActionAllowed(true);
        m_lozengeBar->setLeftButtonVisible(zoneCard && allowed);
        m_lozengeBar->setRightButtonVisible(zoneCard && !allowed);
        return;
    }
    const bool loopPoint = centre.isValid() && centre.data(ChannelKindRole).toInt() == LoopPointKind;
    const bool allowed = isDisableActionAllowed(loopPoint);
    m_lozengeBar->setLeftButtonVisible(allowed && hasRows);
    m_lozengeBar->setRightButtonVisible(!allowed);
}

void AUK_30085::updateDisableButton()
{
    setLozengeButtonVisibility();
    setDisableKeyText();
}

void AUK_30085::disableOrEnableFires()
{
    if (!centreIndex().isValid())
        return;
    if (m_ethernet) {
        // The popup acts itself on the fires or zones shown: 0 enables the
        // fire's point, 2 the zone; one more disables.
        const int type =
            (m_viewMode == ZonesView ? ZoneSelectionType : PointSelectionType) + (isCentrePointDisabled() ? 0 : 1);
        PageStack::instance()->push(
            new AUK_40009(type, QPersistentModelIndex(centreIndex()), true, -1, TC::eAllFaults, nullptr));
        return;
    }
    if (busActionsAllowed())
        PageStack::instance()->push(new AUK_40061(0, nullptr));
}

void AUK_30085::checkLogin()
{
    if (model::instance()->isKeyswitchAccessEnabled() && requiredAccessLevel() <= TESKEnumHolder::EN54_NOT_LOGGED_IN)
        PageStack::instance()->push(new AUK_40025(nullptr));
    else
        AUK_40001::pushLogOn();
}

// The front-panel keys reach this screen directly: they act only while the
// keys are enabled (no standby countdown) and this screen is the one shown.
bool AUK_30085::keysAct() const
{
    return InputSignaller::keysEnabled() && PageStack::instance()->isTop(this);
}

void AUK_30085::scandinavianPressed()
{
    if (!InputSignaller::keysEnabled())
        return;
    PageStack::instance()->popNonMatching(QStringLiteral("AUK_30085"));
    if (m_viewMode == ListView) {
        showView(ZonesView);
        return;
    }
    const int row = m_cards->centreItemRow();
    m_cards->goToPosition(row + 1 < m_cards->itemCount() ? row + 2 : 1);
}

void AUK_30085::helpPressed()
{
    if (!keysAct())
        return;
    quint8 zone = m_zone;
    quint8 node = m_node;
    if (zone == AllZones || zone == AllFires) {
        const QModelIndex centre = centreIndex();
        if (!centre.isValid())
            return;
        zone = byteOf(centre, ZoneRole);
        node = byteOf(centre, NodeRole);
    } else if (zone > LastZone) {
        return;
    }
    const QString folder = QLatin1String(ZoneMapsFolder);
    QList<QFileInfo> images =
        zoneMaps(folder + QStringLiteral("panel%1").arg(node) + QDir::separator() + QStringLiteral("zone%1").arg(zone));
    if (images.isEmpty() && m_ethernet && node == model::instance()->localPanel())
        images = zoneMaps(folder + QStringLiteral("zone%1").arg(zone));
    if (images.isEmpty()) {
        notBuilt("AUK_40031");
        return;
    }
    PageStack::instance()->push(new AUK_30092(node, zone, m_ethernet, images, nullptr));
}
