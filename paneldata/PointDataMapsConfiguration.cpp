#include "paneldata/PointDataMapsConfiguration.h"

#include "core/TCTypes.h"

#include <QDebug>

PointDataMapsConfiguration::PointDataMapsConfiguration()
{
    for (auto &map : m_containers)
        map = std::make_unique<PDMContainer>();
    m_pages.reserve(MaxPages + 1);
}

PointDataMapsConfiguration::~PointDataMapsConfiguration() = default;

void PointDataMapsConfiguration::addMapPage(int page)
{
    if (m_pages.contains(page))
        return;
    if (m_pages.size() >= MaxPages) {
        qWarning() << "PointDataMapsConfiguration::addMapPage"
                   << "no room for page" << page;
        return;
    }
    m_pages.append(page);
}

PDMContainer *PointDataMapsConfiguration::container(int page) const
{
    const int index = m_pages.indexOf(page);
    return index < 0 ? nullptr : m_containers[index].get();
}

const PanelPDMContainer *PointDataMapsConfiguration::panelMap(int page, quint8 panel) const
{
    const PDMContainer *map = container(page);
    return map ? map->panel(panel) : nullptr;
}

void PointDataMapsConfiguration::setChannelPoints(int page, quint8 panel, const ChannelAddress &channel,
                                                  const QBitArray &points)
{
    addMapPage(page);
    PDMContainer *map = container(page);
    PanelPDMContainer *panelEntry = map ? map->panel(panel) : nullptr;
    if (!panelEntry) {
        qWarning() << "PointDataMapsConfiguration::setChannelPoints"
                   << "ignored page" << page << "panel" << panel;
        return;
    }
    panelEntry->setChannelPoints(channel.key(), points);
}

void PointDataMapsConfiguration::clearPanel(int page, quint8 panel)
{
    if (panel == TC::cAllPanels) {
        for (const auto &map : m_containers)
            map->clear();
        return;
    }
    PDMContainer *map = container(page);
    if (PanelPDMContainer *panelEntry = map ? map->panel(panel) : nullptr)
        panelEntry->clear();
}

void PointDataMapsConfiguration::notifyMapUpdated(int page)
{
    if (PDMContainer *map = container(page))
        emit map->pointDataMapUpdated();
}

bool PointDataMapsConfiguration::testPoint(int page, quint8 panel, const ChannelAddress &channel, quint8 point) const
{
    const PanelPDMContainer *map = panelMap(page, panel);
    return map && map->testPoint(channel.key(), point);
}

bool PointDataMapsConfiguration::testPointAddress(int page, quint8 panel, quint8 kind, quint8 number, quint8 address,
                                                  quint8 point) const
{
    return testPoint(page, panel, ChannelAddress(kind, address, number), point);
}

QBitArray PointDataMapsConfiguration::channelPoints(int page, quint8 panel, quint8 kind, quint8 number,
                                                    quint8 address) const
{
    return channelPointsByKey(page, panel, ChannelAddress(kind, address, number).key());
}

QBitArray PointDataMapsConfiguration::channelPointsByKey(int page, quint8 panel, quint16 channelKey) const
{
    const PanelPDMContainer *map = panelMap(page, panel);
    return map ? map->channelPoints(channelKey) : QBitArray(PanelPDMContainer::ChannelBits);
}

QList<quint16> PointDataMapsConfiguration::channelKeys(int page, quint8 panel) const
{
    const PanelPDMContainer *map = panelMap(page, panel);
    return map ? map->channelKeys() : QList<quint16>();
}

int PointDataMapsConfiguration::channelPointCount(int page, quint8 panel, const ChannelAddress &channel) const
{
    const PanelPDMContainer *map = panelMap(page, panel);
    return map ? map->channelPointCount(channel.key()) : 0;
}

int PointDataMapsConfiguration::pointCount(int page) const
{
    const PDMContainer *map = container(page);
    return map ? map->pointCount() : 0;
}
