#pragma once

#include "pointmodels/FilteredModelPointItem.h"

struct ModifiedPointRecord;

// An address of a loop in the point-settings lists: a point row that shows
// the engineer's cached change, not yet sent, in place of the configured
// values.
class FilteredModelPointSettingItem final : public FilteredModelPointItem
{
public:
    using FilteredModelPointItem::FilteredModelPointItem;

    QVariant data(int role = Qt::UserRole + 1) const override;

private:
    bool cachedChange(ModifiedPointRecord &record) const;
};
