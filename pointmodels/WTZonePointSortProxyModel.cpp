#include "pointmodels/WTZonePointSortProxyModel.h"

namespace {

constexpr int ZoneRole = 34;
constexpr int PointRole = 35;

quint8 byteOf(const QModelIndex &index, int role)
{
    return quint8(index.data(role).toUInt());
}

} // namespace

bool WTZonePointSortProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const quint8 leftZone = byteOf(left, ZoneRole);
    const quint8 rightZone = byteOf(right, ZoneRole);
    if (leftZone != rightZone)
        return leftZone < rightZone;
    return byteOf(left, PointRole) < byteOf(right, PointRole);
}
