#include "pointmodels/WalkTestPointsModel.h"

#include "pointmodels/WalkTestPointModelItem.h"

WalkTestPointsModel::WalkTestPointsModel(int resultKind, QObject *parent)
    : CountModel(parent)
    , m_resultKind(resultKind)
{
    setItemRoleNames({{58, QByteArray()}, {59, QByteArray()}, {60, QByteArray()}, {62, QByteArray()}});
}

QString WalkTestPointsModel::resultTitle() const
{
    switch (m_resultKind) {
    case SuccessfulPoints:
        return tr("_WALKTEST_SUCCESSFUL_POINTS_80_CHAR");
    case UnfinishedOrFailedPoints:
        return tr("_WALKTEST_UNFINISHED_FAILED_POINTS_80_CHAR");
    default:
        return QString();
    }
}

void WalkTestPointsModel::addPoint(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record)
{
    appendRow(new WalkTestPointModelItem(panel, record->zone, channel->address(), record->pointNumber,
                                         channel->number(), channel->kind()));
}
