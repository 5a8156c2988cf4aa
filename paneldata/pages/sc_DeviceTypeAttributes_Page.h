#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_DeviceTypeAttributesPkt.h"

class sc_DeviceTypeAttributes_Page final : public SC_PageHandlerFor<SC_DeviceTypeAttributesPkt>
{
public:
    static sc_DeviceTypeAttributes_Page *handler();

private:
    sc_DeviceTypeAttributes_Page();

    static sc_DeviceTypeAttributes_Page s_handler;
};
