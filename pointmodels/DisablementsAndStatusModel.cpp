#include "pointmodels/DisablementsAndStatusModel.h"

#include "pointmodels/DisablementsModelItem.h"

DisablementsAndStatusModel::DisablementsAndStatusModel(QObject *parent)
    : DisablementsModel(parent)
{
    setItemRoleNames({{DisablementsModelItem::ZoneTextRole, QByteArray()},
                      {DisablementsModelItem::NameRole, QByteArray()},
                      {DisablementsModelItem::DeviceRole, QByteArray()},
                      {DisablementsModelItem::AddressRole, QByteArray()},
                      {DisablementsModelItem::InputStateRole, QByteArray()},
                      {DisablementsModelItem::InputForcedRole, QByteArray()},
                      {DisablementsModelItem::InputDisabledRole, QByteArray()},
                      {DisablementsModelItem::OutputStateRole, QByteArray()},
                      {DisablementsModelItem::OutputForcedRole, QByteArray()},
                      {DisablementsModelItem::OutputDisabledRole, QByteArray()}});
    connect(&m_fetcher, &PointValueFetcher::updatedPointValue, this,
            &DisablementsAndStatusModel::updatedPointValueModelData);
    connect(this, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &parent, int first, int last) {
        if (!parent.isValid())
            indexRows(first, last);
    });
    connect(this, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { m_rowsStale = true; });
    connect(this, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_rows.clear();
        m_rowsStale = false;
    });
}

PointValueFetcher *DisablementsAndStatusModel::rowFetcher()
{
    return &m_fetcher;
}

void DisablementsAndStatusModel::indexRows(int first, int last)
{
    // Rows put in before others shift them; the first row of a point must
    // stay the one found.
    if (m_rowsStale || last != rowCount() - 1) {
        m_rowsStale = true;
        return;
    }
    for (int row = first; row <= last; ++row) {
        QStandardItem *entry = item(row);
        if (entry && entry->type() == DisablementsModelItem::Type)
            m_rows.addRow(static_cast<const DisablementsModelItem *>(entry)->point(), entry);
    }
}

QStandardItem *DisablementsAndStatusModel::rowOf(const SimplePointInfo &point)
{
    if (m_rowsStale) {
        m_rows.clear();
        m_rowsStale = false;
        indexRows(0, rowCount() - 1);
    }
    return m_rows.row(point);
}

void DisablementsAndStatusModel::uiItemChangedUpdate(const QModelIndex &index)
{
    if (const auto *row = dynamic_cast<const DisablementsModelItem *>(itemFromIndex(index)))
        row->fetchValues();
}

void DisablementsAndStatusModel::updatedPointValueModelData(SimplePointInfo point)
{
    QStandardItem *row = rowOf(point);
    if (!row)
        return;
    const QModelIndex index = row->index();
    emit dataChanged(index, index);
    emit updatedPointValueModel(point);
}
