#pragma once

#include "screens/status/EventsSummaryGeneralPanel.h"

// The general events summary: every panel of the network.
class AUK_30074 final : public EventsSummaryGeneralPanel
{
    Q_OBJECT

public:
    AUK_30074(int accessLevel, int userLevel, QWidget *parent);
};
