#include "paneldata/pages/sc_DeviceUsesTable_page.h"

#include "core/SC_SyncPageIDS.h"

sc_DeviceUsesTable_page sc_DeviceUsesTable_page::s_handler;

sc_DeviceUsesTable_page::sc_DeviceUsesTable_page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eDeviceUsesTable)
{
}

sc_DeviceUsesTable_page *sc_DeviceUsesTable_page::handler()
{
    return &s_handler;
}
