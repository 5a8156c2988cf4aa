#include "pointmodels/FilteredModelPointSettingItem.h"

#include "core/PointAddressKey.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/CachedModifiedPoints.h"
#include "pointmodels/FilteredRoles.h"
#include "pointmodels/model.h"

namespace {

constexpr quint8 LookUpZone = 255;
constexpr quint16 FirstOwnUse = 2048;
constexpr quint16 ConfiguredUse = 2049;

} // namespace

bool FilteredModelPointSettingItem::cachedChange(ModifiedPointRecord &record) const
{
    return CachedModifiedPoints::findPoint(quint32(m_panel) | quint32(m_channelAddress) << 8 | quint32(m_point) << 16,
                                           record);
}

QVariant FilteredModelPointSettingItem::data(int role) const
{
    ModifiedPointRecord cached;
    const bool hasChange = cachedChange(cached);
    const bool changed = hasChange && cached.kind == ModifiedPointRecord::Changed;
    ::model *panels = ::model::instance();
    const auto configuredZone = [&] {
        return panels->pointZone(m_panel, m_channelKind, m_channelNumber, m_channelAddress, m_point);
    };
    switch (role) {
    case Qt::DisplayRole:
        if (hasChange)
            return cached.text;
        break;
    case FilteredRoles::ZoneRole:
        return uint(changed ? cached.zone : configuredZone());
    case FilteredRoles::DeviceTagRole:
        return deviceTagText(
            changed ? panels->deviceUseDeviceType(cached.deviceUse)
                    : panels->pointDeviceType(m_panel, m_channelKind, m_channelNumber, m_channelAddress, m_point));
    case FilteredRoles::AddressRole:
    case FilteredRoles::ZoneAddressRole: {
        const int style = role == FilteredRoles::AddressRole ? 0 : 1;
        if (!changed)
            return addressText(style, LookUpZone, PointAddressKey::NoLogicalPointNumber, configuredZone());
        const quint8 logical = TeskGlobalConfig::instance()->getLogicalAddr() ? cached.logicalPointNumber
                                                                              : PointAddressKey::NoLogicalPointNumber;
        return addressText(style, cached.zone, logical, cached.zone);
    }
    case FilteredRoles::DeviceUseTextRole:
        if (hasChange && cached.kind != ModifiedPointRecord::None
            && (cached.deviceUse == FirstOwnUse || cached.deviceUse == ConfiguredUse))
            return panels->deviceUseText(cached.deviceUse);
        return {};
    default:
        break;
    }
    return FilteredModelPointItem::data(role);
}
