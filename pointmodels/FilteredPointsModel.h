#pragma once

#include "pointmodels/FilteredModel.h"

// The list of points of a filter screen: one row per point a facade hands
// it, each carrying the task the list was built for.
class FilteredPointsModel final : public FilteredModel
{
    Q_OBJECT

public:
    // Item types of the rows: what a selected row is offered for.
    enum ItemType : int { EnableItem = 6, DisableItem = 7 };

    explicit FilteredPointsModel(bool showPointNumbers, QObject *parent = nullptr);

    // Disable action 1 makes the rows disable items, 2 and 3 enable items;
    // 0 is a caller's slip and keeps the item type, with a warning.
    void setTaskActions(int forceAction, int disableAction);
    int forceAction() const { return m_forceAction; }
    int disableAction() const { return m_disableAction; }
    int itemType() const { return m_itemType; }
    bool showsPointNumbers() const { return m_showPointNumbers; }

    void addPoint(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) override;

private:
    int m_forceAction = 0;
    int m_disableAction = 0;
    int m_itemType = 0;
    bool m_showPointNumbers;
};
