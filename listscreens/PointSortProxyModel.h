#pragma once

#include <QSortFilterProxyModel>

// Puts a list of points into address order: channel kind, then the first
// sort role, the channel number and the second sort role. Rows without a
// channel number (the all row) come first.
class PointSortProxyModel final : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit PointSortProxyModel(QObject *parent = nullptr);

    // Loop order (loop, point), else logical-zone order (logical zone,
    // logical point number), else zone order with the logical or the real
    // point number.
    void setSortRoles(bool byLoop, bool byLogicalZone, bool logicalAddressing);
    int firstSortRole() const { return m_firstSortRole; }
    int secondSortRole() const { return m_secondSortRole; }

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    int m_firstSortRole;
    int m_secondSortRole;
};
