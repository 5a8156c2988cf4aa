#pragma once

#include "paneldata/SC_PageHandlerFor.h"
#include "paneldata/pages/SC_SiteConfigurationFingerprintPkt.h"

class sc_SiteConfigurationFingerprint_Page final
    : public SC_PageHandlerFor<SC_SiteConfigurationFingerprintPkt>
{
public:
    static sc_SiteConfigurationFingerprint_Page *handler();

private:
    sc_SiteConfigurationFingerprint_Page();

    static sc_SiteConfigurationFingerprint_Page s_handler;
};
