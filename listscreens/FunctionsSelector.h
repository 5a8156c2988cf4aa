#pragma once

#include "listscreens/MaskSelector.h"

// The choice of point functions, written to the filter model's function
// mask over the points' function flags.
class FunctionsSelector final : public MaskSelector
{
    Q_OBJECT

public:
    FunctionsSelector(FilterModel *model, QButtonGroup *group, QObject *parent);

    // Read when the list is built: a screen switches the all row off right
    // after construction.
    void setShowAllItem(bool show) { m_showAll = show; }
};
