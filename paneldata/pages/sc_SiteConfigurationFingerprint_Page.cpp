#include "paneldata/pages/sc_SiteConfigurationFingerprint_Page.h"

#include "core/SC_SyncPageIDS.h"

sc_SiteConfigurationFingerprint_Page sc_SiteConfigurationFingerprint_Page::s_handler;

sc_SiteConfigurationFingerprint_Page::sc_SiteConfigurationFingerprint_Page()
    : SC_PageHandlerFor(SC_SyncPageIDS::eSiteConfigurationFingerprint)
{
}

sc_SiteConfigurationFingerprint_Page *sc_SiteConfigurationFingerprint_Page::handler()
{
    return &s_handler;
}
