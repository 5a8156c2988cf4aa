#include "paneldata/pages/sc_NPForcedPointsCountPage.h"

#include "core/SC_SyncPageIDS.h"

sc_NPForcedPointsCountPage sc_NPForcedPointsCountPage::s_handler;

sc_NPForcedPointsCountPage::sc_NPForcedPointsCountPage()
    : SC_PageHandlerFor(SC_SyncPageIDS::eNPForcedPointsCount)
{
}

sc_NPForcedPointsCountPage *sc_NPForcedPointsCountPage::handler()
{
    return &s_handler;
}
