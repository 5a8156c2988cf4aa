#include "paneldata/pages/sc_WalkTestSummary_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_WalkTestSummary_Page sc_WalkTestSummary_Page::s_handler;

sc_WalkTestSummary_Page::sc_WalkTestSummary_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eWalkTestSummary)
{
}

sc_WalkTestSummary_Page *sc_WalkTestSummary_Page::handler()
{
    return &s_handler;
}
