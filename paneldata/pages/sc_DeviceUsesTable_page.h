#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_DeviceUsesTablePkt.h"

class sc_DeviceUsesTable_page final : public SC_PageHandlerFor<SC_DeviceUsesTablePkt>
{
public:
    static sc_DeviceUsesTable_page *handler();

private:
    sc_DeviceUsesTable_page();

    static sc_DeviceUsesTable_page s_handler;
};
