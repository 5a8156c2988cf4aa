#include "paneldata/pages/sc_CommsNodeConfig_page.h"

#include "core/SC_SyncPageIDS.h"

sc_CommsNodeConfig_page sc_CommsNodeConfig_page::s_handler;

sc_CommsNodeConfig_page::sc_CommsNodeConfig_page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eCommsNodeConfig)
{
}

sc_CommsNodeConfig_page *sc_CommsNodeConfig_page::handler()
{
    return &s_handler;
}
