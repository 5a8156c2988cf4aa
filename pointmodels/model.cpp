#include "pointmodels/model.h"

#include "app/SystemState.h"
#include "core/BucketKeys.h"
#include "core/BucketMaster.h"
#include "core/Languages.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/DataMapPages.h"
#include "paneldata/LoopDriverConfiguration.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PanelCounters.h"
#include "paneldata/PanelsFromLkNetConfiguration.h"
#include "paneldata/PointAddressing.h"
#include "paneldata/PointCoreConfiguration.h"
#include "paneldata/PointDataMapsConfiguration.h"
#include "paneldata/PointTextCache.h"
#include "paneldata/PrintableAddress.h"
#include "paneldata/SWVersions.h"
#include "paneldata/WalkTestHandler.h"
#include "pointmodels/PanelStatusCountsRecord.h"

#include <QDebug>

namespace {

// Buckets are the sync pages that fill them; 0 holds link-level statuses.
constexpr int EngineBucket = 0;
constexpr int LogicalAddressingBucket = 2;
constexpr int StatusCountsBucket = 5;
constexpr int ZoneNamesBucket = 6;
constexpr int LogicalZonesBucket = 9;
constexpr int DeviceTagsBucket = 11;
constexpr int DeviceDescriptionsBucket = 12;
constexpr int InformationTextsBucket = 18;
constexpr int EventNamesBucket = 19;
constexpr int CommissioningBucket = 27;
constexpr int RegionNamesBucket = 28;
constexpr int DeviceUsesBucket = 38;
constexpr int GlobalConfigBucket = 41;
constexpr int LoopStatusBucket = 148;

constexpr int ResponseMapPage = 134;
constexpr int PointMap32Page = 32;

constexpr TC::panel_t SystemTotals = 254;
constexpr int NoMasterKnown = 255;
constexpr int LastNetworkPanel = 99;
constexpr int LastLoop = 32;
constexpr int LoopKind = 12;
constexpr int DefaultShutdownBits = 255;
constexpr quint8 UnknownBattery = 255;
constexpr quint8 NoChannelNumber = 254;
constexpr int TextsOnRequest = 2;

// Loop addresses of a panel in state 1 by how many loops it drives (rows:
// up to 3, 4 or 5, 6 or 7) and the loop (columns: loops 1 to 8).
constexpr int LoopRangeColumns = 8;
constexpr quint8 LoopRangeTable[3][LoopRangeColumns] = {
    {250, 250, 250, 250, 0, 0, 0, 0},
    {250, 250, 125, 125, 125, 125, 0, 0},
    {125, 125, 125, 125, 125, 125, 125, 125},
};
constexpr int MaxTabledLoopCount = 7;
constexpr quint8 LastLoopAddress = 250;
constexpr model::AddressRange EmptyRange{1, 0};
constexpr model::AddressRange NoRange{0, 0};
constexpr model::AddressRange WholeLoop{1, LastLoopAddress};

// Numerical channel 18 names channel kind 15, address 0; read with channel
// number 1 its map on page 134 marks the panels that do not answer.
constexpr quint8 PanelMapKind = 15;
constexpr quint8 PanelMapNumber = 1;
constexpr quint8 PanelMapAddress = 0;

constexpr quint16 AsConfiguredUseA = 2048;
constexpr quint16 AsConfiguredUseB = 2049;
constexpr int DeviceUseCategoryField = 0;
constexpr int DeviceUseTypeField = 1;
constexpr int DeviceUseTextField = 2;
constexpr int LogicalZoneField = 2;

QString value(int bucketId, const QString &key)
{
    return BucketMaster::instance()->getValue(bucketId, key);
}

QString value(int bucketId, const char *key)
{
    return value(bucketId, QLatin1String(key));
}

QString panelValue(int bucketId, TC::panel_t panel, const char *item)
{
    return value(bucketId, BucketKeys::panelKey(panel, item));
}

int panelCount(TC::panel_t panel, const char *item)
{
    return int(BucketValues::toCount(panelValue(StatusCountsBucket, panel, item)));
}

// The panel's flag; without one, the system totals' when asked for.
bool panelFlag(TC::panel_t panel, const char *item, bool useSystem)
{
    const QString flag = panelValue(StatusCountsBucket, panel, item);
    if (!flag.isEmpty())
        return BucketValues::isFlagSet(flag);
    if (!useSystem)
        return false;
    return BucketValues::isFlagSet(panelValue(StatusCountsBucket, SystemTotals, item));
}

bool globalFlag(const char *item)
{
    return BucketValues::isFlagSet(value(GlobalConfigBucket, item));
}

int stateGuiMode()
{
    const SystemState *state = SystemState::existingInstance();
    return state ? state->guiMode() : 0;
}

bool isRepeater()
{
    return stateGuiMode() > 1;
}

// The '|'-separated field, or nothing when the value has too few.
QString field(const QString &composed, int index)
{
    const QVector<QStringRef> fields = composed.splitRef(QLatin1Char(BucketKeys::separator));
    return index < fields.size() ? fields.at(index).toString() : QString();
}

ChannelAddress channelOf(quint8 kind, quint8 number, quint8 address)
{
    return ChannelAddress(kind, address, number);
}

const PointAddressKey *findPoint(TC::panel_t panel, quint8 kind, quint8 number, quint8 address, quint8 point)
{
    return PointCoreConfiguration::instance()->findPoint(panel, channelOf(kind, number, address), point);
}

TC::eLanguageSelection selectionOf(int language)
{
    return language == TC::eFirstLanguage ? TC::eFirstLanguage : TC::eSecondLanguage;
}

} // namespace

model::model(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<TC::panel_t>("TC::panel_t");
    qRegisterMetaType<TC::zone_t>("TC::zone_t");
    qRegisterMetaType<TC::eLanguageSelection>("TC::eLanguageSelection");
    qRegisterMetaType<EventLog::SeqNum_t>("EventLog::SeqNum_t");

    BucketMaster *store = BucketMaster::instance();
    store->connectBucketUpdated(StatusCountsBucket, this, [this] { handlePanelStatusCountsChange(); });
    store->connectBucketUpdated(GlobalConfigBucket, this, [this] { globalConfig(); });
    store->connectBucketUpdated(EngineBucket, this, [this] { globalConfig(); });
    store->connectBucketUpdated(CommissioningBucket, this, [this] { commissioningMode(); });
    store->connectBucketUpdated(LogicalAddressingBucket, this, [this] { updateLogicalZoneOrAddressing(); });
}

model::~model() = default;

int model::alarmWarningsCount(TC::panel_t panel) const
{
    return panelCount(panel, BucketKeys::alarmWrngs);
}

int model::fireAlarmsCount(TC::panel_t panel) const
{
    return panelCount(panel, BucketKeys::fireAlrms);
}

int model::panelEnteredAlarmCount(TC::panel_t panel) const
{
    return panelCount(panel, BucketKeys::pnlEntrdAlrm);
}

int model::pointsOnTestCount(TC::panel_t panel) const
{
    return panelCount(panel, BucketKeys::pntsOnTst);
}

quint8 model::batteryStatus(TC::panel_t panel) const
{
    bool ok = false;
    const uint status = panelValue(StatusCountsBucket, panel, BucketKeys::btryStat).toUInt(&ok, 10);
    return ok ? quint8(status) : UnknownBattery;
}

bool model::isDownloadInhibited(TC::panel_t panel, bool useSystem) const
{
    return panelFlag(panel, BucketKeys::dwnInhib, useSystem);
}

bool model::isTestEquipmentActive(TC::panel_t panel, bool useSystem) const
{
    return panelFlag(panel, BucketKeys::tstEqp, useSystem);
}

bool model::isDayModeDisabled() const
{
    return panelFlag(localPanel(), BucketKeys::dayDisbld, true);
}

bool model::isMasterPanel() const
{
    return !isRepeater() && value(EngineBucket, BucketKeys::mstrstat).toInt() == 1;
}

bool model::isDayMode() const
{
    return BucketValues::isOne(value(EngineBucket, BucketKeys::daymode));
}

bool model::isPowerSaving() const
{
    return !isRepeater() && BucketValues::isOne(value(EngineBucket, BucketKeys::pwrsav));
}

bool model::areSoundersActive() const
{
    return BucketValues::isOne(value(EngineBucket, BucketKeys::sndrsact));
}

bool model::areSoundersSilenced() const
{
    return BucketValues::isOne(value(EngineBucket, BucketKeys::sndrsslncd));
}

int model::loopDisplayFormat() const
{
    return int(BucketValues::toCount(value(GlobalConfigBucket, BucketKeys::loopDspFmt)));
}

bool model::isIpLastPassTestDateSupported() const
{
    return globalFlag(BucketKeys::ipLstPassTstDateSpt);
}

bool model::isSounderRsmFaultEnabled() const
{
    return globalFlag(BucketKeys::sndrRsmFltEnbld);
}

bool model::isManualConfigSupportedLk6() const
{
    return globalFlag(BucketKeys::mnlCfgSupLk6);
}

bool model::isOutputSelfTestSupported() const
{
    return globalFlag(BucketKeys::OtptSelfTstSpt);
}

bool model::isEn54Part13Supported() const
{
    return globalFlag(BucketKeys::en54part13Spt);
}

uint model::loopStatusFirstField(TC::panel_t panel, quint8 loop) const
{
    return BucketValues::toCount(field(value(LoopStatusBucket, BucketKeys::loopStatusKey(panel, loop)), 0));
}

uint model::loopStatusSecondField(TC::panel_t panel, quint8 loop) const
{
    return BucketValues::toCount(field(value(LoopStatusBucket, BucketKeys::loopStatusKey(panel, loop)), 1));
}

QString model::bucketValueForPanel(int bucketId, TC::panel_t panel) const
{
    return value(bucketId, QString::number(panel));
}

quint8 model::localPanel() const
{
    return TeskGlobalConfig::instance()->getPanelNumber();
}

bool model::isKeyswitchAccessEnabled() const
{
    return !isRepeater() && TeskGlobalConfig::instance()->isKeyswitchEnabled();
}

bool model::hasPanelActivity(TC::panel_t panel) const
{
    const PanelCounters *counters = PanelCounters::instance();
    return counters->faults(panel) != 0 || counters->disablements(panel) != 0 || alarmWarningsCount(panel) != 0
           || WalkTestHandler::instance()->isWalkTestActive();
}

int model::guiMode() const
{
    return stateGuiMode();
}

bool model::isFaultAcceptanceEnabled() const
{
    return TeskGlobalConfig::instance()->isAlarmAckEnabled();
}

bool model::isLocalControlAllowed() const
{
    if (!isTemplate1() || m_networkRole == 1 || m_networkRole == 2 || !m_restrictedLogon)
        return true;
    return m_currentNetMaster == NoMasterKnown;
}

int model::networkRoleOf(TC::panel_t panel) const
{
    if (panel == 0)
        return 1;
    if (m_currentNetMaster == NoMasterKnown)
        return 2;
    if (m_currentNetMaster == m_localPanel && m_localPanel != m_masterNodeId)
        return 2;
    const bool networkPanel = panel >= 1 && panel <= LastNetworkPanel;
    return networkPanel && panel == m_currentNetMaster && panel == m_masterNodeId ? 1 : 0;
}

void model::setTemplate(int templateId)
{
    m_template = templateId;
    PrintableAddress::instance()->setAddressFormat(templateId);
}

void model::setLanguage(int languageId)
{
    const auto &languages = Languages::table();
    if (languageId < 0 || languageId >= int(languages.size())) {
        qWarning() << "model::setLanguage"
                   << " no such language" << languageId;
        setTemplate(0);
        return;
    }
    switch (languages[size_t(languageId)].country) {
    case QLocale::Austria:
        setTemplate(1);
        break;
    case QLocale::Denmark:
        setTemplate(2);
        break;
    default:
        setTemplate(0);
        break;
    }
}

void model::globalConfig()
{
    setTemplate(int(BucketValues::toTemplateId(value(GlobalConfigBucket, BucketKeys::tmplateID))));
    if (isTemplate1()) {
        const int master = int(BucketValues::toCount(value(GlobalConfigBucket, BucketKeys::mstrNodeID)));
        const int local = TeskGlobalConfig::instance()->getPanelNumber();
        const int current = int(BucketValues::toCount(value(EngineBucket, BucketKeys::currNetMstr)));
        const bool inputsChanged = master != m_masterNodeId || local != m_localPanel || current != m_currentNetMaster;
        m_masterNodeId = master;
        m_localPanel = local;
        m_currentNetMaster = current;
        const bool restricted = BucketValues::isFlagSet(value(GlobalConfigBucket, BucketKeys::retrctLgin));
        const bool restrictionChanged = restricted != m_restrictedLogon;
        m_restrictedLogon = restricted;
        if (restrictionChanged || inputsChanged) {
            m_networkRole = networkRoleOf(TC::panel_t(m_localPanel));
            emit masterSlaveUpdate();
        }
    }
    PrintableAddress::instance()->setLoopFormat(loopDisplayFormat());
}

void model::commissioningMode()
{
    m_commissioningMode = BucketValues::toBool(
        value(CommissioningBucket, BucketKeys::commissioningFlagKey(localPanel(), BucketKeys::CommLvlUserLggedIn)));
}

void model::updateLogicalZoneOrAddressing()
{
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    PrintableAddress::instance()->setLogicalModes(config->getLogicalAddr(), config->getLogicalZones());
}

void model::bucketUpdated(uint bucketId, QString key, QString)
{
    if (bucketId != StatusCountsBucket)
        return;
    bool ok = false;
    const uint panel = key.section(QLatin1Char(BucketKeys::separator), 0, 0).toUInt(&ok, 10);
    // A number past a byte is no panel, not one that wraps round to 254.
    if (ok && panel <= 0xFF)
        checkStatusCounts(TC::panel_t(panel));
}

void model::handlePanelStatusCountsChange()
{
    checkStatusCounts(SystemTotals);
}

// Only the system totals are followed; the first check reports everything.
void model::checkStatusCounts(TC::panel_t panel)
{
    if (panel != SystemTotals)
        return;
    if (!m_systemTotals) {
        m_systemTotals = std::make_unique<PanelStatusCountsRecord>(this, SystemTotals);
        emit updatePanelStatusCounts(SystemTotals, PanelStatusCountsRecord::AllChanged);
        return;
    }
    const uint changes = m_systemTotals->refresh();
    if (changes != 0)
        emit updatePanelStatusCounts(SystemTotals, changes);
}

void model::fireResetSeqNoUpdated(EventLog::SeqNum_t seqNo)
{
    m_fireResetSeqNo = seqNo;
}

void model::currResetOrOldestSeqNoUpdated(EventLog::SeqNum_t seqNo)
{
    m_currResetOrOldestSeqNo = seqNo;
}

void model::latestCurrSeqNoUpdated(EventLog::SeqNum_t seqNo)
{
    m_latestCurrSeqNo = seqNo;
}

int model::pointMap32Count() const
{
    return PointDataMapsConfiguration::instance()->pointCount(PointMap32Page);
}

void model::pointMapCounts(int &out0, int &out1, int &out2, int &out3, bool withFirst, bool withSecond)
{
    const PointDataMapsConfiguration *maps = PointDataMapsConfiguration::instance();
    out0 = out1 = out2 = out3 = 0;
    if (withFirst) {
        out0 += maps->pointCount(DataMapPages::ForcedInputsSelectionA);
        out1 += maps->pointCount(DataMapPages::ForcedInputsAll);
        out2 += maps->pointCount(DataMapPages::ForcedInputsSelectionB);
        out3 += maps->pointCount(DataMapPages::ForcedInputsSelectionC);
    }
    if (withSecond) {
        out0 += maps->pointCount(DataMapPages::Forced);
        out1 += maps->pointCount(DataMapPages::ForcedOutputs);
    }
}

int model::panelEquipmentType(TC::panel_t panel) const
{
    return SWVersions::instance()->panelEquipmentType(panel);
}

void model::printerSelection(quint8 &node, quint8 &printer) const
{
    const PanelConfiguration *configuration = PanelConfiguration::instance();
    if (configuration->reportDestinationKind() == PanelConfiguration::PanelPrinter) {
        node = configuration->printerPanel();
        printer = configuration->printerNumber();
    } else {
        node = 253;
        printer = 255;
    }
}

bool model::isPanelOptionSet(int bit) const
{
    // A panel's option to print a report means nothing while the user sends
    // reports to a file: the report key must then save, not print.
    if (PanelConfiguration::instance()->reportDestinationKind() != PanelConfiguration::PanelPrinter)
        return false;
    const QBitArray &options = PanelConfiguration::instance()->panelOptions();
    return bit >= 0 && bit < options.size() && options.testBit(bit);
}

QHash<int, quint8> model::configuredLoops(TC::panel_t panel) const
{
    const LoopDriverConfiguration *drivers = LoopDriverConfiguration::instance();
    const QBitArray bits = drivers->panelLoopBits(panel);
    QHash<int, quint8> loops;
    for (int loop = 1; loop <= LastLoop && loop < bits.size(); ++loop) {
        if (!bits.testBit(loop))
            continue;
        const quint8 driver = drivers->loopDriverType(panel, quint8(loop));
        const quint8 pairing = drivers->loopPairing(panel, quint8(loop));
        const bool odd = loop % 2 == 1;
        // The second loop of a pair that one driver splits is no loop of its own.
        if (odd && pairing == 1 && driver == 0)
            continue;
        if (!odd && pairing == 2 && driver == LastLoopAddress)
            continue;
        loops.insert(loop, driver);
    }
    return loops;
}

model::AddressRange model::loopAddressRange(TC::panel_t panel, quint8 loop) const
{
    switch (PanelsFromLkNetConfiguration::instance()->panelState(panel)) {
    case 6:
        if (LoopDriverConfiguration::instance()->pairedLoop(panel, loop) != 0)
            return pairedLoopAddressRange(panel, loop);
        return WholeLoop;
    case 1: {
        const int loops = configuredLoops(panel).size();
        if (loops > MaxTabledLoopCount)
            return NoRange;
        if (loop < 1 || loop > LoopRangeColumns)
            return EmptyRange;
        const int row = loops <= 3 ? 0 : (loops <= 5 ? 1 : 2);
        return {1, LoopRangeTable[row][loop - 1]};
    }
    case 0:
    case 5:
        return WholeLoop;
    default:
        return NoRange;
    }
}

model::AddressRange model::pairedLoopAddressRange(TC::panel_t panel, quint8 loop) const
{
    if (loop == 0)
        return NoRange;
    const LoopDriverConfiguration *drivers = LoopDriverConfiguration::instance();
    const quint8 split = drivers->loopDriverType(panel, loop);
    switch (drivers->loopPairing(panel, loop)) {
    case 1:
        return {1, split};
    case 2:
        // A split at 250 or above leaves the second loop nothing.
        return split < LastLoopAddress ? AddressRange{quint8(split + 1), LastLoopAddress} : EmptyRange;
    default:
        return NoRange;
    }
}

QList<model::PanelEntry> model::panelList() const
{
    const QBitArray silent = PointDataMapsConfiguration::instance()->channelPoints(
        ResponseMapPage, localPanel(), PanelMapKind, PanelMapNumber, PanelMapAddress);
    QList<PanelEntry> panels;
    for (const quint8 panel : PanelConfiguration::instance()->panels()) {
        const bool excluded = panel != 0 && panel < silent.size() && silent.testBit(panel);
        panels.append({panel, quint8(excluded ? 1 : 0)});
    }
    return panels;
}

QBitArray model::loopShutdownBits(TC::panel_t panel) const
{
    const QString bits = panelValue(CommissioningBucket, panel, BucketKeys::loopShtDwn);
    return bits.isEmpty() ? QBitArray(DefaultShutdownBits) : bitStringToBitArray(bits);
}

int model::loopShutdownBit(int loop, const QBitArray &bits)
{
    if (loop >= 0 && loop < bits.size() && bits.testBit(loop))
        return 1;
    return loop < 1 || loop > LastLoop ? -1 : 0;
}

int model::isLoopShutDown(TC::panel_t panel, int loop) const
{
    return loopShutdownBit(loop, loopShutdownBits(panel));
}

// The point queries look a point up without the configuration's shared
// iterator, so a list that asks them while a facade walks stays whole.
quint8 model::pointZone(TC::panel_t panel, quint8 kind, quint8 number, quint8 address, quint8 point) const
{
    const PointAddressKey *record = findPoint(panel, kind, number, address, point);
    return record ? record->zone : PointAddressKey::NoZone;
}

quint8 model::pointDeviceType(TC::panel_t panel, quint8 kind, quint8 number, quint8 address, quint8 point) const
{
    const PointAddressKey *record = findPoint(panel, kind, number, address, point);
    return record ? record->deviceType : PointAddressKey::NoDevice;
}

bool model::pointAttributes(TC::panel_t panel, quint8 kind, quint8 number, quint8 address, quint8 point,
                            quint8 &attributes)
{
    const PointAddressKey *record = findPoint(panel, kind, number, address, point);
    attributes = record ? record->attributes : 0;
    return record != nullptr;
}

quint8 model::logicalPointNumber(TC::panel_t panel, quint8 kind, quint8 number, quint8 address, quint8 point) const
{
    if (!TeskGlobalConfig::instance()->getLogicalAddr())
        return PointAddressKey::NoLogicalPointNumber;
    const PointAddressKey *record = findPoint(panel, kind, number, address, point);
    return record ? record->logicalPointNumber : PointAddressKey::NoLogicalPointNumber;
}

bool model::testPointMap134(TC::panel_t panel, quint8 kind, quint8 address, quint8 number, quint8 point) const
{
    return PointDataMapsConfiguration::instance()->testPointAddress(ResponseMapPage, panel, kind, number, address,
                                                                    point);
}

bool model::canAskForRemoteTexts(TC::panel_t panel) const
{
    return globalFlag(BucketKeys::mnlTxtRtrlSpt)
           && PanelsFromLkNetConfiguration::instance()->panelState(panel) == TextsOnRequest;
}

QString model::defaultPointName(TC::panel_t panel, quint8 kind, quint8 number, quint8 address, quint8 point,
                                int language) const
{
    if (number == NoChannelNumber || pointDeviceType(panel, kind, number, address, point) != PointAddressKey::NoDevice)
        return {};
    return PointTextCache::instance()->defaultText(language);
}

QString model::pointName(TC::panel_t panel, quint8 kind, quint8 number, quint8 address, quint8 point, int language)
{
    const QString text =
        PointTextCache::instance()->pointText(panel, channelOf(kind, number, address), point, language);
    if (!text.isEmpty())
        return text;
    if (panel != localPanel())
        return remoteOrDefaultPointName(panel, kind, number, address, point, language);
    const QString byDefault = defaultPointName(panel, kind, number, address, point, language);
    return byDefault.isEmpty() ? tr("_EMPTY_POINT_NAME_LOCAL_INFOTEXT") : byDefault;
}

QString model::remoteOrDefaultPointName(TC::panel_t panel, quint8 kind, quint8 number, quint8 address, quint8 point,
                                        int language)
{
    if (canAskForRemoteTexts(panel)) {
        const quint32 key = packChannelPointAddress(panel, channelOf(kind, number, address), point);
        if (!m_requestedPointTexts.contains(key)) {
            m_requestedPointTexts.insert(key);
            emit sendPointTextRequest(key, selectionOf(language));
        }
    } else {
        const QString byDefault = defaultPointName(panel, kind, number, address, point, language);
        if (!byDefault.isEmpty())
            return byDefault;
    }
    return tr("_EMPTY_POINT_NAME_REMOTE_INFOTEXT");
}

QString model::zoneName(TC::panel_t panel, TC::zone_t zone, int language)
{
    const QString name = value(ZoneNamesBucket, QStringLiteral("%1|%2|%3").arg(panel).arg(zone).arg(language));
    if (!name.isEmpty())
        return name;
    if (panel == localPanel())
        return tr("_EMPTY_ZONE_NAME_LOCAL_INFOTEXT");
    const quint16 key = quint16(panel << 8 | zone);
    if (canAskForRemoteTexts(panel) && !m_requestedZoneTexts.contains(key)) {
        m_requestedZoneTexts.insert(key);
        emit sendZoneTextRequest(panel, zone, selectionOf(language));
    }
    return tr("_EMPTY_ZONE_NAME_REMOTE_INFOTEXT");
}

QString model::regionName(TC::panel_t panel, int kind, int channel, bool fallback) const
{
    const QString name = value(RegionNamesBucket, QStringLiteral("%1|%2|%3|%4")
                                                      .arg(panel)
                                                      .arg(kind)
                                                      .arg(channel)
                                                      .arg(TeskGlobalConfig::instance()->getCurrentLang()));
    if (!name.isEmpty() || !fallback)
        return name;
    return tr("_UNKNOWN_POINT_REGION_NAME_LISTITEM");
}

QString model::loopName(TC::panel_t panel, quint8 loop) const
{
    return regionName(panel, LoopKind, loop, true);
}

QString model::deviceUseText(quint16 use) const
{
    if (use == AsConfiguredUseA || use == AsConfiguredUseB)
        return tr("_AS_CONFIGURED_SELTEXT");
    return field(value(DeviceUsesBucket, QString::number(use)), DeviceUseTextField);
}

int model::deviceUseCategory(quint16 use) const
{
    return int(BucketValues::toCount(field(value(DeviceUsesBucket, QString::number(use)), DeviceUseCategoryField)));
}

quint8 model::deviceUseDeviceType(quint16 use) const
{
    const QString type = field(value(DeviceUsesBucket, QString::number(use)), DeviceUseTypeField);
    return type.isEmpty() ? PointAddressKey::NoDevice : quint8(BucketValues::toCount(type));
}

QString model::deviceTag(quint8 deviceType) const
{
    return value(DeviceTagsBucket, QString::number(deviceType));
}

QString model::deviceDescription(quint8 deviceType, int language) const
{
    return value(DeviceDescriptionsBucket, QStringLiteral("%1|%2").arg(deviceType).arg(language));
}

QString model::informationText(quint8 panel, quint8 message, int language) const
{
    return value(InformationTextsBucket, QStringLiteral("%1|%2|%3").arg(panel).arg(message).arg(language));
}

QString model::eventName(int event, int language) const
{
    return value(EventNamesBucket, QStringLiteral("%1|%2").arg(event).arg(language));
}

QString model::measureUnitType(int unit) const
{
    return value(GlobalConfigBucket,
                 BucketKeys::measureUnitKey(uint(unit), uint(TeskGlobalConfig::instance()->getCurrentLang())));
}

quint16 model::logicalZoneNumber(TC::panel_t panel, TC::zone_t zone) const
{
    const QStringList keys = BucketMaster::instance()->GetBucketKeyListWithPrefix(
        LogicalZonesBucket, QStringLiteral("%1|%2|").arg(panel).arg(zone), QString());
    return keys.isEmpty() ? 0 : quint16(BucketValues::toCount(field(keys.first(), LogicalZoneField)));
}

void model::resetTextRequests()
{
    m_requestedPointTexts.clear();
    m_requestedZoneTexts.clear();
    PointTextCache::instance()->clearPanel(TC::cAllPanels);
}
