#include "Site.h"

Site Site::demo()
{
    Site site;
    site.configuration = SiteConfiguration::demo(site.panelNode);
    return site;
}
