#pragma once

#include <QSortFilterProxyModel>

// Orders a point list by zone, then by point number.
class WTZonePointSortProxyModel final : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};
