#pragma once

#include "paneldata/SC_PacketHandler.h"

// Page 147, the panel values: taken and kept as received (only its
// signature matters), nothing read.
class sc_PanelValues_Page final : public SC_PacketHandler
{
public:
    static sc_PanelValues_Page *handler();

    bool handlePage(SyncClient *client, const QSharedPointer<SC_PacketBuffer> &buffer) override;

private:
    sc_PanelValues_Page();

    static sc_PanelValues_Page s_handler;
};
