#pragma once

#include "screens/status/EventsSummaryByFunction.h"

// The events summary of the fault signalling.
class AUK_30077_F final : public EventsSummaryByFunction
{
    Q_OBJECT

public:
    AUK_30077_F(int accessLevel, int userLevel, QWidget *parent);
};
