#include "Site.h"

namespace {

Site withStatusAndTexts(Site site)
{
    QVector<quint8> panels;
    for (const SitePanel &panel : site.configuration.panels)
        panels.append(panel.number);
    site.status = SiteStatus::demo(panels);
    site.texts = SiteTexts::demo();
    return site;
}

} // namespace

Site Site::demo()
{
    Site site;
    site.configuration = SiteConfiguration::demo(site.panelNode);
    return withStatusAndTexts(site);
}

Site Site::generated(const SiteSize &size)
{
    Site site;
    site.configuration = SiteConfiguration::generated(size, site.panelNode);
    return withStatusAndTexts(site);
}
