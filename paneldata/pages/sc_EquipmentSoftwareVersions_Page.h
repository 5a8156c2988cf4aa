#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_EquipmentSoftwareVersionsPagePkt.h"

class sc_EquipmentSoftwareVersions_Page final : public SC_PageHandlerFor<SC_EquipmentSoftwareVersionsPagePkt>
{
public:
    static sc_EquipmentSoftwareVersions_Page *handler();

private:
    sc_EquipmentSoftwareVersions_Page();

    static sc_EquipmentSoftwareVersions_Page s_handler;
};
