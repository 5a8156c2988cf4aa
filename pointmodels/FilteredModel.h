#pragma once

#include "pointmodels/CountModel.h"

#include <QMap>

// A list of the filter model: rows that compute their texts on request,
// and values the owner sets for a role of every row at once (an empty
// text for a column a screen leaves blank, say).
class FilteredModel : public CountModel
{
    Q_OBJECT

public:
    explicit FilteredModel(QObject *parent = nullptr);

    // Replaces an earlier value of the role.
    void setRoleOverride(int role, const QVariant &value);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QMap<int, QVariant> m_roleOverrides;
};
