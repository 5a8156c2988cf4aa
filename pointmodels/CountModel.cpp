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

void CountModel::setRowPlacement(int row, bool replace)
{
    m_placementRow = row;
    m_replaceRow = replace;
}

void CountModel::placeRow(const QList<QStandardItem *> &items)
{
    if (m_placementRow < 0) {
        appendRow(items);
    } else if (!m_replaceRow) {
        insertRow(m_placementRow, items);
    } else {
        for (int column = 0; column < items.size(); ++column)
            setItem(m_placementRow, column, items.at(column));
    }
}
