#pragma once

#include "frontpanel/KeyDispatchEnvironment.h"

class Page;

// The events-summary screen of a summary key, built for the user who
// pressed it.
namespace EventsSummaryScreens {

Page *create(KeyDispatchEnvironment::EventsSummary summary, int accessLevel, int userLevel);

} // namespace EventsSummaryScreens
