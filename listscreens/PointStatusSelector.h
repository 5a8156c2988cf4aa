#pragma once

#include "listscreens/MaskSelector.h"

// The choice of point states, written to the filter model's point-status
// mask.
class PointStatusSelector final : public MaskSelector
{
    Q_OBJECT

public:
    PointStatusSelector(FilterModel *model, QButtonGroup *group, QObject *parent);
};
