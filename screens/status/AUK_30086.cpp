#include "screens/status/AUK_30086.h"

#include "app/PageStack.h"
#include "app/Security.h"
#include "app/SystemState.h"
#include "core/BucketMaster.h"
#include "core/SC_Timer.h"
#include "core/TeskGlobalConfig.h"
#include "eventlog/EL_EventLogDBbase.h"
#include "frontpanel/rbusEventLog.h"
#include "link/SyncClient.h"
#include "paneldata/CachedModifiedPoints.h"
#include "paneldata/PrintableAddress.h"
#include "pointmodels/model.h"
#include "screens/popups/AUK_40001.h"
#include "screens/popups/AUK_40002.h"
#include "screens/popups/AUK_40013.h"
#include "screens/popups/AUK_40025.h"
#include "screens/status/AUK_30085.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90025.h"
#include "widgets/AUK_90026.h"
#include "widgets/AUK_90050.h"
#include "widgets/PanelIcon.h"
#include "widgets/ShownTextLog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSqlRecord>

namespace {

constexpr int FireCategory = 8;
constexpr int EngineBucket = 0;
constexpr quint8 NoZone = 254;
constexpr int LoggedOutUser = 255;
constexpr int LoggedOutLevel = 1;

enum TextId : int { EvacuateKey = 21, LoginKey = 29, LogoutKey = 30, MainMenuKey = 31, SoundersOnOffKey = 49 };
constexpr int ViewFiresTitle = 67;

SystemState *state()
{
    return SystemState::instance();
}

quint8 byteOf(const QSqlRecord &record, const char *column)
{
    return quint8(record.value(QLatin1String(column)).toUInt());
}

// Address, zone name and point name of the event row, one a line.
QString fireText(const QSqlRecord &row)
{
    quint8 node = byteOf(row, "node");
    quint8 channel = byteOf(row, "channel");
    quint8 pointCat = byteOf(row, "pointCat");
    quint8 channelAddr = byteOf(row, "channelAddr");
    quint8 pointNum = byteOf(row, "pointNum");
    const quint8 zone = byteOf(row, "zone");
    const int language = TeskGlobalConfig::instance()->getCurrentLang();
    const QString address = PrintableAddress::instance()->addressText(
        node, channel, pointCat, channelAddr, pointNum, zone, false, PrintableAddress::FollowSetting,
        PrintableAddress::FollowSetting, false, byteOf(row, "logicalPointNum"), false, false, -1, false);
    model *panels = model::instance();
    return QStringLiteral("%1\n%2\n%3")
        .arg(address, panels->zoneName(node, zone, language),
             panels->pointName(node, channel, pointCat, channelAddr, pointNum, language));
}

// A query on the event-log database, opening it first when nothing has yet.
QSqlQuery eventLogQuery()
{
    EL_EventLogDBbase::instance();
    return QSqlQuery();
}

QString busFireText(const RbusEvent &event)
{
    return QStringLiteral("%1\n%2\n%3").arg(event.texts[4], event.texts[1], event.texts[2]);
}

} // namespace

AUK_30086::AUK_30086(int accessLevel, bool e30Mode, QWidget *parent)
    : AUK_90001A(parent)
    , m_firesQuery(eventLogQuery())
    , m_refreshDelay(SC_Timer::create(this))
    , m_e30Mode(e30Mode)
{
    buildForm();
    setTitleById(ViewFiresTitle);
    m_lozengeBar->setLeftButtonTextById(MainMenuKey);
    setRequiredAccessLevel(accessLevel);
    m_delayPanel->setDelayButtonEnabled(false);
    connect(m_delayPanel, &AUK_90050::on_delayBtn_clicked, this, &AUK_30086::startInvestigateDelay);
    const bool busSource = !usesEventLog();
    if (!busSource) {
        BucketMaster::instance()->connectBucketUpdated(EngineBucket, this, [this] { soundersTextUpdated(); });
    } else {
        connect(rbusEventLog::instance(), &rbusEventLog::rbusSoundersEvent, this,
                qOverload<TC::SounderState>(&AUK_30086::soundersTextUpdated));
        m_delayPanel->setCountdownVisible(false);
    }
    InvestigateDelayTimer *delay = InvestigateDelayTimer::instance();
    connect(delay, &InvestigateDelayTimer::investigateDelayTimeTick, this, &AUK_30086::alarmDelayTick);
    connect(delay, &InvestigateDelayTimer::investigateDelayTimeoutEvent, this, &AUK_30086::investigateDelayFinished);
    connect(m_firstFire, &BaseButton::clicked, this, &AUK_30086::firstFire);
    connect(m_lastFire, &BaseButton::clicked, this, &AUK_30086::lastFire);
    connect(m_zonesInFire, &BaseButton::clicked, this, &AUK_30086::zonesInFire);
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    m_zonesInFire->setButtonLabel(config->getZoneFiltering() ? tr("_ZONES_IN_FIRE_FIREBTN") : tr("_FIRES_FIREBTN"));
    m_lastFire->setButtonLabel(config->getFirstSecondFire() ? tr("_SECOND_FIRE_FIREBTN") : tr("_LAST_FIRE_FIREBTN"));
    connect(m_lozengeBar, &AUK_90006::leftButtonClicked, this, &AUK_30086::showMainMenu);
    setUpSoftKeys(accessLevel);
    connect(rbusEventLog::instance(), &rbusEventLog::rbusLogUpdated, this, &AUK_30086::updateFireButtonsLabel);
    updateFireButtonsLabel();
    const bool soundersHidden = m_e30Mode || state()->guiMode() == 3;
    if (soundersHidden)
        m_delayPanel->setSounderInfoVisible(false);
    else if (!busSource)
        soundersTextUpdated();
    else
        soundersTextUpdated(rbusEventLog::instance()->sounderState);
}

// The log lives in memory and this screen is rebuilt every half minute of a
// fire: it does not compact the database when it closes.
AUK_30086::~AUK_30086()
{
    m_refreshDelay->stop();
    m_firesQuery.finish();
}

void AUK_30086::buildForm()
{
    setObjectName(QStringLiteral("AUK_30086"));
    setHomeIcons();
    m_lozengeBar = new AUK_90006(this);
    m_lozengeBar->setObjectName(QStringLiteral("lozengeBar"));
    m_lozengeBar->setGeometry(0, 379, 640, 71);
    m_lozengeBar->setMiddleButtonText(QString());
    m_firstFire = new AUK_90025(this);
    m_firstFire->setObjectName(QStringLiteral("firstFireFilterButton"));
    m_firstFire->setGeometry(0, 43, 432, 120);
    m_firstFire->setButtonLabel(tr("_FIRST_FIRE_FIREBTN"));
    // The log says which fire the user sees first, and when it was drawn.
    new ShownTextLog(m_firstFire->valueLabel(), QStringLiteral("AUK_30086: first fire"));
    m_lastFire = new AUK_90025(this);
    m_lastFire->setObjectName(QStringLiteral("lastFireFilterButton"));
    m_lastFire->setGeometry(0, 172, 432, 120);
    m_zonesInFire = new AUK_90026(this);
    m_zonesInFire->setObjectName(QStringLiteral("zonesInFireFilterButton"));
    m_zonesInFire->setGeometry(0, 301, 432, 80);
    m_delayPanel = new AUK_90050(this);
    m_delayPanel->setObjectName(QStringLiteral("aUK_90050"));
    m_delayPanel->setGeometry(429, 43, 210, 338);
    auto *delayIcon = new QLabel(this);
    delayIcon->setObjectName(QStringLiteral("investigateDelayIcon"));
    delayIcon->setGeometry(604, 3, 30, 31);
    delayIcon->setPixmap(panelIcon("AUK_80001_investigate_delay_status.png"));
    // The header shows the countdown at the same place while a delay runs.
    delayIcon->hide();
    // The fires list these buttons open is built later; they stay enabled all
    // the same, since a disabled button greys the fire it shows.
    m_refreshDelay->setSingleShot(true);
    m_refreshDelay->setInterval(RefreshSettleMs);
    connect(m_refreshDelay, &SC_Timer::timeout, this, &AUK_30086::updateFireButtonsLabel);
}

void AUK_30086::setUpSoftKeys(int accessLevel)
{
    if (!state()->isEthernetConnected()) {
        m_lozengeBar->setMiddleButtonVisible(false);
        m_lozengeBar->setRightButtonVisible(false);
        return;
    }
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    if (config->isEvacuateEnabled()) {
        m_lozengeBar->setMiddleButtonTextById(EvacuateKey);
        connect(m_lozengeBar, &AUK_90006::middleButtonClicked, this, &AUK_30086::confirmEvacuation);
    } else if (accessLevel >= 2 && config->isSoundersOnOffEnabled()) {
        m_lozengeBar->setMiddleButtonTextById(SoundersOnOffKey);
        connect(m_lozengeBar, &AUK_90006::middleButtonClicked, this, &AUK_30086::startSoundersOnOff);
    } else {
        m_lozengeBar->setMiddleButtonVisible(false);
    }
    if (accessLevel >= 3) {
        m_lozengeBar->setRightButtonTextById(LogoutKey);
        connect(m_lozengeBar, &AUK_90006::rightButtonClicked, this, &AUK_30086::logout);
    } else {
        m_lozengeBar->setRightButtonTextById(LoginKey);
        m_lozengeBar->setRightButtonEnabled(false);
        connect(m_lozengeBar, &AUK_90006::rightButtonClicked, this, &AUK_30086::checkLogin);
        m_lozengeBar->setRightButtonVisible(model::instance()->isLocalControlAllowed() && !m_e30Mode);
    }
    connect(EL_EventLogDBbase::instance(), &EL_EventLogDBbase::updatedFires, m_refreshDelay,
            qOverload<>(&SC_Timer::start));
}

bool AUK_30086::usesEventLog() const
{
    return state()->guiMode() <= 1 && !m_e30Mode;
}

void AUK_30086::updateFireButtonsLabel()
{
    if (usesEventLog())
        refreshFromEventLog();
    else
        refreshFromBus();
}

QString AUK_30086::countText() const
{
    return QStringLiteral("%1 %2").arg(m_fireCount).arg(tr("_FIRES_FIREINFO"));
}

void AUK_30086::refreshFromEventLog()
{
    m_firesQuery.finish();
    EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    // The fires lie after the lower bound when it is the fire reset. A window
    // that any other live event opened starts with that event: the first
    // live event after a start may be the fire itself, and must be shown.
    const quint16 oldest = log->currResetOrOldestSeqNo();
    const quint16 lower = oldest == log->fireResetSeqNo() ? oldest : quint16(oldest - 1);
    const quint16 upper = log->latestCurrSeqNo();
    const bool wrapped = lower > upper;
    const QString range = wrapped ? QStringLiteral(" OR ") : QStringLiteral(" AND ");
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    const bool zoneFiltering = config->getZoneFiltering();
    const QString count =
        zoneFiltering ? QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT zone, node FROM EventLog WHERE ( "
                                       "(eventCat & 15) = %1 ) AND ( seqNo > %2 %3 seqNo <= %4 ) )")
                      : QStringLiteral("SELECT COUNT(zone) FROM EventLog WHERE (eventCat & 15) = %1 AND ( seqNo > "
                                       "%2 %3 seqNo <= %4 ) ");
    if (m_firesQuery.exec(count.arg(FireCategory).arg(lower).arg(range).arg(upper)) && m_firesQuery.next()) {
        m_fireCount = quint16(m_firesQuery.value(0).toUInt());
        m_zonesInFire->setButtonValue(countText());
    }
    m_firesQuery.finish();
    if (m_fireCount != 0) {
        if (wrapped)
            buildWrappedTable(lower, upper);
        const EventLog::FireZoneMarks::Mark &first = log->firstFireZone();
        if (first.set)
            showZoneFire(m_firstFire, first.zone(), first.panel(), wrapped, lower, upper);
    }
    if (m_fireCount > 1) {
        const bool secondFire = config->getFirstSecondFire();
        const EventLog::FireZoneMarks::Mark &mark = secondFire ? log->secondFireZone() : log->lastNewFireZone();
        const quint8 zone = mark.set ? mark.zone() : NoZone;
        const quint8 node = mark.set ? mark.panel() : NoZone;
        // With first and second fire shown, the button shows the second fire
        // itself, with zone filtering or without.
        if (zoneFiltering || secondFire) {
            showZoneFire(m_lastFire, zone, node, wrapped, lower, upper);
        } else if (wrapped) {
            showRow(m_lastFire, QStringLiteral("SELECT ROWID, * FROM tempFiresTable ORDER BY ROWID DESC LIMIT 1"),
                    true);
        } else {
            showRow(m_lastFire,
                    QStringLiteral("SELECT * FROM EventLog WHERE (eventCat & 15) = %1 AND ( seqNo > %2 AND seqNo <= "
                                   "%3 ) ORDER BY SeqNo ASC")
                        .arg(FireCategory)
                        .arg(lower)
                        .arg(upper),
                    false);
        }
    }
    m_firesQuery.exec(QStringLiteral("DELETE FROM tempFiresTable"));
    m_firesQuery.exec(QStringLiteral("DROP TABLE tempFiresTable"));
    m_firesQuery.finish();
}

bool AUK_30086::buildWrappedTable(quint16 lower, quint16 upper)
{
    const QString older =
        QStringLiteral("SELECT * FROM EventLog WHERE (eventCat & 15) = %1 AND ( seqNo > %2 ) ORDER BY SeqNo ASC")
            .arg(FireCategory)
            .arg(lower);
    if (!m_firesQuery.exec(QStringLiteral("CREATE TEMP TABLE tempFiresTable AS %1").arg(older)))
        m_firesQuery.exec(QStringLiteral("INSERT INTO tempFiresTable %1").arg(older));
    m_firesQuery.finish();
    const QString newer =
        QStringLiteral("SELECT * FROM EventLog WHERE (eventCat & 15) = %1 AND ( seqNo <= %2 ) ORDER BY SeqNo ASC")
            .arg(FireCategory)
            .arg(upper);
    const bool ok = m_firesQuery.exec(QStringLiteral("INSERT INTO tempFiresTable %1").arg(newer));
    m_firesQuery.finish();
    return ok;
}

bool AUK_30086::showZoneFire(AUK_90025 *button, quint8 zone, quint8 node, bool wrapped, quint16 lower, quint16 upper)
{
    const QString statement =
        wrapped ? QStringLiteral("SELECT ROWID, * FROM tempFiresTable WHERE zone = %1 AND node = %2 ORDER BY ROWID "
                                 "ASC LIMIT 1")
                      .arg(zone)
                      .arg(node)
                : QStringLiteral("SELECT * FROM EventLog WHERE ( (eventCat & 15) = %1 ) AND ( zone = %2 AND node = %3 "
                                 ") AND ( seqNo > %4 AND seqNo <= %5 ) ORDER BY seqNo ASC LIMIT 1")
                      .arg(FireCategory)
                      .arg(zone)
                      .arg(node)
                      .arg(lower)
                      .arg(upper);
    return showRow(button, statement, true);
}

bool AUK_30086::showRow(AUK_90025 *button, const QString &statement, bool firstOnly)
{
    bool found = false;
    QSqlRecord row;
    if (m_firesQuery.exec(statement)) {
        while (m_firesQuery.next()) {
            row = m_firesQuery.record();
            found = true;
            if (firstOnly)
                break;
        }
    }
    if (found)
        button->setButtonValue(fireText(row));
    m_firesQuery.finish();
    return found;
}

void AUK_30086::refreshFromBus()
{
    const rbusEventLog *bus = rbusEventLog::instance();
    const bool zoneFiltering = TeskGlobalConfig::instance()->getZoneFiltering();
    m_fireCount = zoneFiltering ? bus->getFireZoneCount() : bus->getFireCount();
    if (m_fireCount == 0)
        return;
    m_zonesInFire->setButtonValue(countText());
    if (bus->fireZones.isEmpty()) {
        m_firstFire->setButtonValue(tr("_FIRES_FIREINFO"));
        m_zonesInFire->setButtonValue(tr("_FIRES_FIREINFO"));
        return;
    }
    m_firstFire->setButtonValue(busFireText(bus->firstFire));
    if (m_fireCount > 1) {
        const bool several = zoneFiltering ? bus->fireZones.size() > 1 : bus->getFireCount() > 1;
        m_lastFire->setButtonValue(several ? busFireText(bus->latestFire) : QString());
    }
}

void AUK_30086::showSounderText(const char *key)
{
    m_delayPanel->setSounderInfoText(key ? QCoreApplication::translate("AUK_30002", key) : QString());
    m_delayPanel->setSounderInfoVisible(key != nullptr);
}

void AUK_30086::soundersTextUpdated()
{
    BucketMaster *store = BucketMaster::instance();
    const QString silenced = store->getValue(EngineBucket, QStringLiteral("sndrsslncd"));
    if (!silenced.isEmpty()) {
        const bool on = silenced == QLatin1String("1");
        showSounderText(on ? QT_TRANSLATE_NOOP("AUK_30002", "_SOUNDERS_SILENCED_ABBREVIATED_INFOTEXT") : nullptr);
        if (on)
            return;
    }
    const QString off = store->getValue(EngineBucket, QStringLiteral("sndrsoff"));
    if (!off.isEmpty())
        showSounderText(off == QLatin1String("1") ? QT_TRANSLATE_NOOP("AUK_30002", "_SOUNDERS_OFF_INFOTEXT") : nullptr);
}

void AUK_30086::soundersTextUpdated(TC::SounderState soundersState)
{
    if (m_e30Mode || state()->guiMode() == 3) {
        m_delayPanel->setSounderInfoVisible(false);
        return;
    }
    switch (soundersState) {
    case TC::SOUNDERS_OFF:
        showSounderText(QT_TRANSLATE_NOOP("AUK_30002", "_SOUNDERS_OFF_INFOTEXT"));
        break;
    case TC::SOUNDERS_SILENCED:
        showSounderText(QT_TRANSLATE_NOOP("AUK_30002", "_SOUNDERS_SILENCED_ABBREVIATED_INFOTEXT"));
        break;
    case TC::SOUNDERS_NORMAL:
    case TC::SOUNDERS_NOT_SHOWN:
        m_delayPanel->setSounderInfoVisible(false);
        break;
    }
}

void AUK_30086::alarmDelayTick(int minutes, int seconds, eDlyContext context)
{
    m_delayPanel->setTimeLeft(minutes, seconds);
    m_delayPanel->setDelayButtonEnabled(int(context) == 1);
}

void AUK_30086::investigateDelayFinished()
{
    m_delayPanel->setTimeLeft(0, 0);
    m_delayPanel->setDelayButtonEnabled(false);
}

void AUK_30086::startInvestigateDelay()
{
    auto *popup = new AUK_40013;
    connect(popup, &BasePopup::rightButtonClicked, this, &AUK_30086::cancelPopup);
    connect(popup, &BasePopup::leftButtonClicked, this, &AUK_30086::investigateDelayConfirmed);
    PageStack::instance()->push(popup);
}

void AUK_30086::investigateDelayConfirmed()
{
    InvestigateDelayTimer *delay = InvestigateDelayTimer::instance();
    if (delay->isCounting())
        m_delayPanel->setTimeLeft(delay->remainingMinutes(), delay->remainingSeconds());
    SyncClient::instance()->setInvestigateDelay();
    PageStack::instance()->pop(1);
}

void AUK_30086::showMainMenu()
{
    PageStack::instance()->popNonMatching(QStringLiteral("AUK_30002"));
}

void AUK_30086::showLoginHelp()
{
    PageStack::instance()->push(new AUK_40025(nullptr));
}

void AUK_30086::showLogin()
{
    AUK_40001::pushLogOn();
}

void AUK_30086::checkLogin()
{
    if (model::instance()->isKeyswitchAccessEnabled() && requiredAccessLevel() <= 1)
        showLoginHelp();
    else
        showLogin();
}

void AUK_30086::logout()
{
    Security::instance()->permissionsUpdate(LoggedOutUser, LoggedOutLevel);
    SyncClient::instance()->logout();
    CachedModifiedPoints::instance()->clearCachedList();
}

void AUK_30086::cancelPopup()
{
    PageStack::instance()->pop(1);
}

void AUK_30086::confirmEvacuation()
{
    PageStack::instance()->push(new AUK_40002);
}

void AUK_30086::startSoundersOnOff()
{
    SyncClient::instance()->soundersOnOff();
}

void AUK_30086::openFires(int initialCard, quint8 zone, quint8 node)
{
    const Security *security = Security::instance();
    PageStack::instance()->push(new AUK_30085(security->accessLevel(), security->userLevel(),
                                              state()->isEthernetConnected(), initialCard, zone, node, nullptr));
}

// The fires list opens on the zone of the fire the button shows: under zone
// filtering the log's mark of that fire, or all zones without one.
void AUK_30086::openZoneOf(int initialCard, const EventLog::FireZoneMarks::Mark &mark, const RbusEvent &busFire,
                           bool busZoneKnown)
{
    if (!TeskGlobalConfig::instance()->getZoneFiltering()) {
        openFires(initialCard, AUK_30085::AllFires, 0);
    } else if (state()->isEthernetConnected()) {
        openFires(initialCard, mark.set ? mark.zone() : AUK_30085::AllZones, mark.set ? mark.panel() : 0);
    } else {
        openFires(initialCard, busZoneKnown ? quint8(busFire.secondNumber.toUInt()) : AUK_30085::AllZones,
                  busZoneKnown ? quint8(busFire.firstNumber.toInt()) : 0);
    }
}

void AUK_30086::firstFire()
{
    const rbusEventLog *bus = rbusEventLog::instance();
    openZoneOf(1, EL_EventLogDBbase::instance()->firstFireZone(), bus->firstFire, !bus->fireZones.isEmpty());
}

void AUK_30086::lastFire()
{
    if (m_fireCount <= 1)
        return;
    const EL_EventLogDBbase *log = EL_EventLogDBbase::instance();
    const bool secondFire = TeskGlobalConfig::instance()->getFirstSecondFire();
    const rbusEventLog *bus = rbusEventLog::instance();
    openZoneOf(TeskGlobalConfig::instance()->getZoneFiltering() ? 1 : -1,
               secondFire ? log->secondFireZone() : log->lastNewFireZone(), bus->latestFire, bus->fireZones.size() > 1);
}

void AUK_30086::zonesInFire()
{
    if (m_fireCount == 0)
        return;
    const bool zoneFiltering = TeskGlobalConfig::instance()->getZoneFiltering();
    openFires(zoneFiltering ? 0 : 1, zoneFiltering ? AUK_30085::AllZones : AUK_30085::AllFires, 0);
}
