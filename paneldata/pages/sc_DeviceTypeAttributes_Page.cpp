#include "paneldata/pages/sc_DeviceTypeAttributes_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_DeviceTypeAttributes_Page sc_DeviceTypeAttributes_Page::s_handler;

sc_DeviceTypeAttributes_Page::sc_DeviceTypeAttributes_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eDeviceTypeAttributes)
{
}

sc_DeviceTypeAttributes_Page *sc_DeviceTypeAttributes_Page::handler()
{
    return &s_handler;
}
