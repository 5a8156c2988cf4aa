#include "paneldata/PointTextCache.h"

#include "paneldata/PanelPointStringsFile.h"
#include "pointmodels/PointTextLines.h"

namespace {

constexpr int FirstLanguage = 1;

} // namespace

PointTextCache *PointTextCache::instance()
{
    static PointTextCache cache;
    return &cache;
}

QString PointTextCache::pointText(TC::panel_t panel, const ChannelAddress &channel, TC::point_t point,
                                  int language)
{
    if (!loadPanel(panel))
        return {};
    const PointTextEntry *entry = m_texts.find(channel, point);
    if (!entry)
        return {};
    return language == FirstLanguage ? entry->firstText : entry->secondText;
}

bool PointTextCache::loadPanel(TC::panel_t panel)
{
    if (panel == m_texts.loadedPanel())
        return true;
    PanelPointStringsFile file(panel);
    if (!file.exists() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    m_texts.clear();
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    stream >> m_texts;
    m_texts.setLoadedPanel(panel);
    return true;
}

void PointTextCache::clearPanel(TC::panel_t panel)
{
    PanelPointStringsFile(panel).removeFiles();
    if (panel == m_texts.loadedPanel() || panel == TC::cAllPanels) {
        m_texts.setLoadedPanel(PanelPointStringsContainer::NoPanel);
        m_texts.clear();
    }
}

void PointTextCache::setDefaultTexts(const QString &firstText, const QString &secondText)
{
    m_defaultText1 = firstText;
    m_defaultText2 = secondText;
}

QString PointTextCache::defaultText(int language) const
{
    return language == FirstLanguage ? m_defaultText1 : m_defaultText2;
}
