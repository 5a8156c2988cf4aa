#include "paneldata/pages/sc_PanelValues_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_PanelValues_Page sc_PanelValues_Page::s_handler;

sc_PanelValues_Page::sc_PanelValues_Page()
    : SC_PacketHandler(SC_SyncPageIDS::ePanelValues)
{
}

sc_PanelValues_Page *sc_PanelValues_Page::handler()
{
    return &s_handler;
}

bool sc_PanelValues_Page::handlePage(SyncClient *, const QSharedPointer<SC_PacketBuffer> &)
{
    return true;
}
