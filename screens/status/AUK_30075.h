#pragma once

#include "screens/status/EventsSummaryGeneralPanel.h"

// The panel events summary.
class AUK_30075 final : public EventsSummaryGeneralPanel
{
    Q_OBJECT

public:
    AUK_30075(int accessLevel, int userLevel, QWidget *parent);
};
