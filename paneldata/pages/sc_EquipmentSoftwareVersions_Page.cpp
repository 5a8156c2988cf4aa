#include "paneldata/pages/sc_EquipmentSoftwareVersions_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_EquipmentSoftwareVersions_Page sc_EquipmentSoftwareVersions_Page::s_handler;

sc_EquipmentSoftwareVersions_Page::sc_EquipmentSoftwareVersions_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eEquipmentSoftwareVersions)
{
}

sc_EquipmentSoftwareVersions_Page *sc_EquipmentSoftwareVersions_Page::handler()
{
    return &s_handler;
}
