#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_InformationTextMessagesPkt.h"

class sc_InformationTextMessages_Page final : public SC_PageHandlerFor<SC_InformationTextMessagesPkt>
{
public:
    static sc_InformationTextMessages_Page *handler();

private:
    sc_InformationTextMessages_Page();

    static sc_InformationTextMessages_Page s_handler;
};
