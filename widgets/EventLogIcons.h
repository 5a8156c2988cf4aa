#pragma once

#include "widgets/AUK_90001.h"
#include "widgets/PanelIcon.h"

// The event-log icon in each banner colour, shared by the event-log lists,
// their filter screens and the logs menus.
inline void setEventLogIcons(AUK_90001 *page)
{
    page->setIconBlueFlavour(panelIcon("AUK_80090_eventlog_smll_blue.png"));
    page->setIconYellowFlavour(panelIcon("AUK_80092_eventlog_smll_yellow.png"));
    page->setIconRedFlavour(panelIcon("AUK_80091_eventlog_smll_red.png"));
}
