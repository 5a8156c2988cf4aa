#include "Site.h"

Site Site::demo()
{
    Site site;
    site.configuration = SiteConfiguration::demo(site.panelNode);
    QVector<quint8> panels;
    for (const SitePanel &panel : site.configuration.panels)
        panels.append(panel.number);
    site.status = SiteStatus::demo(panels);
    site.texts = SiteTexts::demo();
    return site;
}
