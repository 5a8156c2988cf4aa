#pragma once

#include "screens/status/EventsSummaryByFunction.h"

// The events summary of the sounders.
class AUK_30076 final : public EventsSummaryByFunction
{
    Q_OBJECT

public:
    AUK_30076(int accessLevel, int userLevel, QWidget *parent);
};
