#include "PointListModel.h"

PointListModel::PointListModel(QObject *parent)
    : CountModel(parent)
{
    setItemRoleNames({{PanelRole, "panel"},
                      {ZoneRole, "zone"},
                      {PointRole, "point"},
                      {ChannelAddressRole, "channelAddress"},
                      {ChannelNumberRole, "channelNumber"},
                      {ChannelKindRole, "channelKind"}});
}

void PointListModel::addPoint(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record)
{
    if (onAdd)
        onAdd();
    QStandardItem *row = rowItem(panel, channel->kind(), channel->number(), channel->address(), record->pointNumber);
    row->setData(record->zone, ZoneRole);
    if (describe)
        describe(row, panel, *channel, *record);
    placeRow({row});
}

void PointListModel::addPointDetails(int panel, int channelKind, int channelNumber, int channelAddress, int point)
{
    placeRow({rowItem(panel, channelKind, channelNumber, channelAddress, point)});
}

QStandardItem *PointListModel::rowItem(int panel, int channelKind, int channelNumber, int channelAddress, int point)
{
    auto *row = new QStandardItem(
        QStringLiteral("%1/%2/%3/%4/%5").arg(panel).arg(channelKind).arg(channelNumber).arg(channelAddress).arg(point));
    row->setData(panel, PanelRole);
    row->setData(channelKind, ChannelKindRole);
    row->setData(channelNumber, ChannelNumberRole);
    row->setData(channelAddress, ChannelAddressRole);
    row->setData(point, PointRole);
    return row;
}

QStringList PointListModel::addresses() const
{
    QStringList rows;
    for (int row = 0; row < rowCount(); ++row)
        rows << item(row)->text();
    return rows;
}
