#include "pointmodels/CountModel.h"

CountModel::CountModel(QObject *parent)
    : QStandardItemModel(parent)
{
    setItemRoleNames({{HighlightedRole, QByteArray()}});
}

void CountModel::clearModel()
{
    removeRow(0, QModelIndex());
    clear();
}

void CountModel::addPointDetails(int, int, int, int, int)
{
}

void CountModel::addPoint(TC::panel_t, const ChannelAddress *, const PointAddressKey *)
{
}

void CountModel::emitCount(int count)
{
    emit countResult(QString::number(count, 10));
}
