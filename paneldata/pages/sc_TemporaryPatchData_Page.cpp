#include "paneldata/pages/sc_TemporaryPatchData_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_TemporaryPatchData_Page sc_TemporaryPatchData_Page::s_handler;

sc_TemporaryPatchData_Page::sc_TemporaryPatchData_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eTemporaryPatchData)
{
}

sc_TemporaryPatchData_Page *sc_TemporaryPatchData_Page::handler()
{
    return &s_handler;
}
