#include "listscreens/PointSortProxyModel.h"

#include "pointmodels/FilteredRoles.h"

PointSortProxyModel::PointSortProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_firstSortRole(FilteredRoles::LoopRole)
    , m_secondSortRole(FilteredRoles::PointRole)
{
}

void PointSortProxyModel::setSortRoles(bool byLoop, bool byLogicalZone, bool logicalAddressing)
{
    if (byLoop) {
        m_firstSortRole = FilteredRoles::LoopRole;
        m_secondSortRole = FilteredRoles::PointRole;
    } else if (byLogicalZone) {
        m_firstSortRole = FilteredRoles::LogicalZoneRole;
        m_secondSortRole = FilteredRoles::ShownPointNumberRole;
    } else {
        m_firstSortRole = FilteredRoles::ZoneRole;
        m_secondSortRole = logicalAddressing ? FilteredRoles::ShownPointNumberRole : FilteredRoles::PointRole;
    }
}

bool PointSortProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QVariant leftChannel = left.data(FilteredRoles::ChannelNumberRole);
    if (!leftChannel.isValid())
        return true;
    const QVariant rightChannel = right.data(FilteredRoles::ChannelNumberRole);
    if (!rightChannel.isValid())
        return false;
    for (const int role : {int(FilteredRoles::ChannelKindRole), m_firstSortRole}) {
        const uint a = left.data(role).toUInt();
        const uint b = right.data(role).toUInt();
        if (a != b)
            return a < b;
    }
    if (leftChannel.toUInt() != rightChannel.toUInt())
        return leftChannel.toUInt() < rightChannel.toUInt();
    return left.data(m_secondSortRole).toUInt() < right.data(m_secondSortRole).toUInt();
}
