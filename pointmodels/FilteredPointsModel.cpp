#include "pointmodels/FilteredPointsModel.h"

#include "pointmodels/FilteredModelPointItem.h"
#include "pointmodels/FilteredRoles.h"

#include <QDebug>

FilteredPointsModel::FilteredPointsModel(bool showPointNumbers, QObject *parent)
    : FilteredModel(parent)
    , m_showPointNumbers(showPointNumbers)
{
}

void FilteredPointsModel::setTaskActions(int forceAction, int disableAction)
{
    m_forceAction = forceAction;
    m_disableAction = disableAction;
    switch (disableAction) {
    case 0:
        qWarning() << "FilteredPointsModel::setTaskActions"
                   << "Using DISABLE_INVALID";
        break;
    case 1:
        m_itemType = DisableItem;
        break;
    case 2:
    case 3:
        m_itemType = EnableItem;
        break;
    default:
        break;
    }
}

void FilteredPointsModel::addPoint(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record)
{
    if (!channel || !record)
        return;
    auto *item =
        new FilteredModelPointItem(panel, channel->kind(), channel->number(), channel->address(), record->pointNumber,
                                   m_forceAction, m_disableAction, m_itemType, FilteredRoles::NoWalkTestSelector,
                                   FilteredRoles::NoWalkTestKind, m_showPointNumbers);
    item->setEditable(false);
    placeRow({item});
}
