#include "pointmodels/FilteredModelPointItem.h"

#include "core/PointAddressKey.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/PrintableAddress.h"
#include "pointmodels/FilteredRoles.h"
#include "pointmodels/model.h"

namespace {

constexpr quint8 LoopKind = 12;
constexpr int ShortStyle = 1;

} // namespace

FilteredModelPointItem::FilteredModelPointItem(quint8 panel, quint8 channelKind, quint8 channelNumber,
                                               quint8 channelAddress, quint8 point, int forceAction, int disableAction,
                                               int itemType, int walkTestSelector, int walkTestKind,
                                               bool showPointNumbers)
    : m_panel(panel)
    , m_channelKind(channelKind)
    , m_channelNumber(channelNumber)
    , m_channelAddress(channelAddress)
    , m_point(point)
    , m_forceAction(forceAction)
    , m_disableAction(disableAction)
    , m_itemType(itemType)
    , m_walkTestSelector(walkTestSelector)
    , m_walkTestKind(walkTestKind)
    , m_showPointNumbers(showPointNumbers)
{
}

quint32 FilteredModelPointItem::pointKey() const
{
    return quint32(m_panel) << 24 | quint32(m_channelNumber & 0x0F) << 20 | quint32(m_channelKind & 0x0F) << 16
           | quint32(m_channelAddress) << 8 | m_point;
}

QString FilteredModelPointItem::deviceTagText(quint8 deviceType)
{
    return deviceType == PointAddressKey::NoDevice ? QStringLiteral("-") : model::instance()->deviceTag(deviceType);
}

QString FilteredModelPointItem::addressText(int style, quint8 zone, quint8 logicalPointNumber, quint8 prefixZone) const
{
    quint8 panel = m_panel;
    quint8 kind = m_channelKind;
    quint8 number = m_channelNumber;
    quint8 address = m_channelAddress;
    quint8 point = m_point;
    const QString text = PrintableAddress::instance()->addressText(
        panel, kind, number, address, point, zone, style == ShortStyle, PrintableAddress::FollowSetting,
        PrintableAddress::FollowSetting, m_showPointNumbers, logicalPointNumber, false, false, -1, false);
    if (style != ShortStyle)
        return text;
    const TeskGlobalConfig *config = TeskGlobalConfig::instance();
    if (!config->getLogicalAddr() || m_channelKind != LoopKind)
        return text.trimmed();
    const int width = config->getLogicalZones() ? 5 : 3;
    return QStringLiteral("%1%2").arg(int(prefixZone), width, 10, QLatin1Char('0')).arg(text.trimmed());
}

QVariant FilteredModelPointItem::data(int role) const
{
    ::model *panels = ::model::instance();
    switch (role) {
    case Qt::DisplayRole:
        return panels->pointName(m_panel, m_channelKind, m_channelNumber, m_channelAddress, m_point,
                                 TeskGlobalConfig::instance()->getCurrentLang());
    case FilteredRoles::PanelRole:
        return uint(m_panel);
    case FilteredRoles::ZoneRole:
        return uint(panels->pointZone(m_panel, m_channelKind, m_channelNumber, m_channelAddress, m_point));
    case FilteredRoles::PointRole:
        return uint(m_point);
    case FilteredRoles::LoopRole:
        return uint(m_channelAddress);
    case FilteredRoles::LogicalZoneRole:
        return uint(panels->logicalZoneNumber(
            m_panel, panels->pointZone(m_panel, m_channelKind, m_channelNumber, m_channelAddress, m_point)));
    case FilteredRoles::ChannelNumberRole:
        return uint(m_channelNumber);
    case FilteredRoles::DeviceTagRole:
        return deviceTagText(
            panels->pointDeviceType(m_panel, m_channelKind, m_channelNumber, m_channelAddress, m_point));
    case FilteredRoles::ForceActionRole:
        return m_forceAction;
    case FilteredRoles::DisableActionRole:
        return m_disableAction;
    case FilteredRoles::PointKeyRole:
        return pointKey();
    case FilteredRoles::ItemTypeRole:
        return m_itemType;
    case FilteredRoles::AddressRole:
        return addressText(0, PrintableAddress::LookUpZone, PointAddressKey::NoLogicalPointNumber, 0);
    case FilteredRoles::WalkTestKindRole:
        return m_walkTestKind;
    case FilteredRoles::WalkTestSelectorRole:
        return m_walkTestSelector;
    case FilteredRoles::ZoneAddressRole:
        return addressText(ShortStyle, PrintableAddress::LookUpZone, PointAddressKey::NoLogicalPointNumber,
                           panels->pointZone(m_panel, m_channelKind, m_channelNumber, m_channelAddress, m_point));
    case FilteredRoles::ChannelKindRole:
        return uint(m_channelKind);
    case FilteredRoles::ShownPointNumberRole:
        if (m_showPointNumbers || !TeskGlobalConfig::instance()->getLogicalAddr())
            return uint(m_point);
        return uint(panels->logicalPointNumber(m_panel, m_channelKind, m_channelNumber, m_channelAddress, m_point));
    default:
        return QStandardItem::data(role);
    }
}
