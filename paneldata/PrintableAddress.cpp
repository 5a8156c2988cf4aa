#include "paneldata/PrintableAddress.h"

#include "app/SystemState.h"
#include "core/BucketMaster.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PanelConfiguration.h"
#include "pointmodels/model.h"

#include <cstdio>

namespace {

constexpr int ShortForms = 1;
constexpr int GlobalConfigurationBucket = 2;
constexpr quint8 LoopKind = 12;
constexpr quint8 BusKind = 15;
constexpr quint8 LastZone = 240;
constexpr quint8 NoZone = 254;
constexpr quint8 NoChannelNumber = 254;
constexpr quint8 OutputsChannelNumber = 5;
constexpr quint8 PanelChannelNumber = 255;
constexpr quint8 WholeChannelPoint = 255;
constexpr quint8 LastLoopPoint = 240;

QString digits(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

bool isLoopPoint(const SimplePointInfo &point)
{
    return point.channelKind == LoopKind && point.channelNumber == 0 && point.point >= 1
           && point.point <= LastLoopPoint;
}

bool has(int parts, int bits)
{
    return (parts & bits) == bits;
}

// Without a zone the point part goes too, unless the point is to show its
// loop or is to keep its zone part.
void dropPointPartWithoutZone(int &parts)
{
    using P = PrintableAddress;
    if (!has(parts, P::PointPart | P::LoopOnly) && !has(parts, P::PointPart | P::ZonePart | P::KeepZonePart))
        parts &= ~P::PointPart;
}

} // namespace

PrintableAddress::PrintableAddress()
{
    BucketMaster::instance()->connectBucketUpdated(GlobalConfigurationBucket, this, [this] { updateConfigSettings(); });
    if (SystemState *state = SystemState::existingInstance())
        connect(state, &SystemState::stateChanged, this, &PrintableAddress::updateStatuses);
    TeskGlobalConfig::setZoneTextCacheClearer([this] { clearZoneTextCache(); });
}

PrintableAddress::~PrintableAddress()
{
    TeskGlobalConfig::setZoneTextCacheClearer(nullptr);
}

void PrintableAddress::setAddressFormat(int mode)
{
    m_displayMode = mode;
    m_builder.setDisplayMode(mode);
    m_cache.setDisplayMode(mode);
}

void PrintableAddress::setLoopFormat(int loopDisplayFormat)
{
    m_builder.setSeparatorLetter(loopDisplayFormat != 0 ? QChar(QLatin1Char('-')) : QChar());
}

void PrintableAddress::setLogicalModes(bool logicalAddressing, bool logicalZones)
{
    m_cache.setModes(logicalAddressing, logicalZones);
    m_logicalAddressing = logicalAddressing;
    m_logicalZones = logicalZones;
}

void PrintableAddress::clearZoneTextCache()
{
    m_cache.clear();
}

void PrintableAddress::updateConfigSettings()
{
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    m_logicalZones = config->getLogicalZones();
    m_logicalAddressing = config->getLogicalAddr();
}

void PrintableAddress::updateStatuses()
{
    const SystemState *state = SystemState::existingInstance();
    m_numericLoopMode = state && state->isE30Connected();
    m_builder.setNumericLoopMode(m_numericLoopMode);
    if (m_numericLoopMode) {
        std::fputs("PrintableAddress: Force the Numeric Loop in E30 mode\n", stdout);
        std::fflush(stdout);
        m_builder.setSeparatorLetter(QLatin1Char('-'));
    }
    m_cache.clear();
}

QString PrintableAddress::noZoneMark() const
{
    return tr("_NO_ZONE_1_CHAR");
}

QString PrintableAddress::roleMarker(quint8 panel) const
{
    if (m_numericLoopMode)
        return tr("_UNKNOWN_PANEL_1_CHAR");
    return model::instance()->networkRoleOf(panel) != 0 ? tr("_MASTER_PANEL_2_CHAR") : tr("_SLAVE_PANEL_2_CHAR");
}

int PrintableAddress::addressParts(const SimplePointInfo &point, quint8 zone, bool pointOnly) const
{
    const quint8 kind = point.channelKind;
    if (pointOnly)
        return PointPart;
    if (model::instance()->isTemplate1() && kind == LoopKind && point.channelNumber == 1 && zone == 0)
        return PointPart | ZonePart | KeepZonePart | LoopOnly;
    switch (point.channelNumber) {
    case 1:
        if (zone != NoZone)
            break;
        if (kind == LoopKind)
            return PointPart | ZonePart | KeepZonePart | LoopOnly;
        return kind == BusKind ? PointPart | ZonePart | KeepZonePart : PointPart | ZonePart;
    case NoChannelNumber:
        return zone == LookUpZone || point.point == 0 ? ZonePart | KeepZonePart : NotPrintable;
    case OutputsChannelNumber:
        if (zone != NoZone && zone != LookUpZone)
            return zone > LastZone ? NotPrintable : ZonePart | HighZoneNumbers;
        return point.point == 242 || point.point == 243 ? ZonePart | KeepZonePart : NotPrintable;
    case PanelChannelNumber:
        if (point.point != WholeChannelPoint)
            return NotPrintable;
        if (kind == 2 || kind == 3 || kind == 4)
            return PointPart | ZonePart | KeepZonePart;
        if (kind == 7 && point.channelAddress == 255)
            return ZonePart | KeepZonePart;
        return PointPart | ZonePart;
    default:
        break;
    }
    if (point.point == WholeChannelPoint && kind == LoopKind && zone <= LastZone)
        return ZonePart | HighZoneNumbers;
    return PointPart | ZonePart;
}

int PrintableAddress::logicalZoneOf(const SimplePointInfo &point, quint8 zone, int logicalZoneNumber) const
{
    return logicalZoneNumber >= 0 ? logicalZoneNumber : model::instance()->logicalZoneNumber(point.panel, zone);
}

QString PrintableAddress::panelZonePart(const SimplePointInfo &point, quint8 zone, int &parts, int logicalZone,
                                        bool logicalZones) const
{
    if (zone > LastZone && !has(parts, ZonePart | HighZoneNumbers)) {
        dropPointPartWithoutZone(parts);
        if (!has(parts, ZonePart | KeepZonePart))
            parts &= ~ZonePart;
        return noZoneMark();
    }
    const QString label = tr("_ZONE_4_CHAR") + QLatin1Char(' ');
    if (logicalZones) {
        const QString number = digits(logicalZoneOf(point, zone, logicalZone), 5);
        return m_displayMode == ShortForms && !isLoopPoint(point) ? number : label + number;
    }
    const QString number = digits(zone, 3);
    if (m_displayMode == ShortForms)
        return isLoopPoint(point) ? label + number : number;
    return label + number + QStringLiteral("   ");
}

QString PrintableAddress::otherPanelZonePart(const SimplePointInfo &point, quint8 zone, int &parts, int logicalZone,
                                             bool logicalZones, QString &role) const
{
    const QString panelText = tr("_PANEL_8_CHAR") + QLatin1Char(' ') + digits(point.panel, 2);
    if (zone > LastZone && !has(parts, ZonePart | HighZoneNumbers)) {
        if (has(parts, ZonePart | KeepZonePart))
            return panelText;
        dropPointPartWithoutZone(parts);
        if (point.channelNumber == 0)
            return panelText;
        parts &= ~ZonePart;
        return noZoneMark();
    }
    const QString label = tr("_ZONE_4_CHAR") + QLatin1Char(' ');
    if (m_displayMode != ShortForms) {
        role.clear();
        if (logicalZones)
            return label + digits(logicalZoneOf(point, zone, logicalZone), 5);
        return label + QStringLiteral("%1%2%3").arg(digits(point.panel, 2), QStringLiteral("."), digits(zone, 3));
    }
    const QString number = logicalZones ? digits(logicalZoneOf(point, zone, logicalZone), 5) : digits(zone, 3);
    const QString text = role + QStringLiteral("%1%2%3").arg(digits(point.panel, 2), QStringLiteral("/"), number);
    return isLoopPoint(point) ? label + text : text;
}

QString PrintableAddress::addressText(quint8 &panel, quint8 &channelKind, quint8 &channelNumber, quint8 &channelAddress,
                                      quint8 &point, quint8 zone, bool pointOnly, int logicalAddressing,
                                      int logicalZones, bool suppressLogicalAddressing, quint8 logicalPointNumber,
                                      bool zoneOnly, bool noCache, int logicalZoneNumber, bool suppressLogicalZones)
{
    const SimplePointInfo info{panel, channelKind, channelNumber, channelAddress, point};
    int parts = addressParts(info, zone, pointOnly);
    if (parts == NotPrintable)
        return QStringLiteral("-");

    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    const bool logicalAddressingOn =
        !suppressLogicalAddressing
        && (logicalAddressing == On || (logicalAddressing == FollowSetting && config->getLogicalAddr()));
    const bool logicalZonesOn =
        !suppressLogicalZones && (logicalZones == On || (logicalZones == FollowSetting && config->getLogicalZones()));
    m_cache.setModes(logicalAddressingOn, logicalZonesOn);
    QString role = roleMarker(panel);
    const QString noZone = noZoneMark();

    if (!zoneOnly && !noCache) {
        const QString cached = panel != 0 && model::instance()->isTemplate1()
                                   ? m_cache.roleCheckedLookup(info, parts, role, noZone)
                                   : m_cache.lookup(info, parts, noZone);
        if (!cached.isEmpty())
            return cached;
    }

    QString zoneText;
    if (parts & ZonePart) {
        if (zone == LookUpZone && !has(parts, ZonePart | KeepZonePart))
            zone = model::instance()->pointZone(panel, channelKind, channelNumber, channelAddress, point);
        zoneText = panel == 0 ? panelZonePart(info, zone, parts, logicalZoneNumber, logicalZonesOn)
                              : otherPanelZonePart(info, zone, parts, logicalZoneNumber, logicalZonesOn, role);
    }
    if (zoneOnly)
        return zoneText;

    bool physicalForced = false;
    if (!(parts & PointPart) && channelNumber == 0 && zone > LastZone) {
        parts |= PointPart;
        physicalForced = true;
    }
    QString result;
    if ((parts & PointPart) || (channelKind == BusKind && channelAddress == 1)) {
        const QString pointText = m_builder.build(info, logicalPointNumber, has(parts, PointPart | LoopOnly),
                                                  logicalAddressingOn, physicalForced);
        result = m_cache.store(info, {pointText, role, zoneText}, parts, !noCache, noZone);
    } else if (parts & ZonePart) {
        result = m_cache.store(info, {QString(), role, zoneText}, parts, !noCache, noZone);
    }
    return result.isEmpty() ? noZone : result;
}

QString PrintableAddress::panelNumberAndName(quint8 panel) const
{
    return QStringLiteral("%1 %2").arg(digits(panel, 2), PanelConfiguration::instance()->panelName(
                                                             panel, TeskGlobalConfig::instance()->getCurrentLang()));
}

QString PrintableAddress::zoneNumberAndName(quint8 panel, quint8 zone) const
{
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    model *panelModel = model::instance();
    const QString number =
        config->getLogicalZones() ? digits(panelModel->logicalZoneNumber(panel, zone), 5) : digits(zone, 3);
    return QStringLiteral("%1 %2").arg(number, panelModel->zoneName(panel, zone, config->getCurrentLang()));
}
