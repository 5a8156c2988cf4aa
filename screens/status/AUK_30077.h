#pragma once

#include "screens/status/EventsSummaryByFunction.h"

// The events summary of the alarm signalling; the signalling key alternates it
// with the fault-signalling summary.
class AUK_30077 final : public EventsSummaryByFunction
{
    Q_OBJECT

public:
    AUK_30077(int accessLevel, int userLevel, QWidget *parent);
};
