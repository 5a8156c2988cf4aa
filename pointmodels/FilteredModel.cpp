#include "pointmodels/FilteredModel.h"

FilteredModel::FilteredModel(QObject *parent)
    : CountModel(parent)
{
}

void FilteredModel::setRoleOverride(int role, const QVariant &value)
{
    m_roleOverrides.insert(role, value);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {role});
}

QVariant FilteredModel::data(const QModelIndex &index, int role) const
{
    const auto overridden = m_roleOverrides.constFind(role);
    if (overridden != m_roleOverrides.constEnd() && index.isValid() && index.model() == this)
        return *overridden;
    return CountModel::data(index, role);
}
