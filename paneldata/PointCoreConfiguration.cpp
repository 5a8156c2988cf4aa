#include "paneldata/PointCoreConfiguration.h"

#include <QDebug>

#include <algorithm>

namespace {

// Points of higher channel numbers, and zone-0 points of channel kinds above
// 7, are stored but not counted in a zone.
bool isCounted(const ChannelAddress &key, const PointAddressKey &record)
{
    return (record.zone != 0 || key.kind() <= 7) && key.number() <= 4;
}

} // namespace

PointCoreConfiguration::PointCoreConfiguration()
{
    qRegisterMetaType<TC::panel_t>("TC::panel_t");
}

PointCoreConfiguration::~PointCoreConfiguration() = default;

PanelPointCore *PointCoreConfiguration::core(quint8 panel, const char *method)
{
    if (!TC::isTablePanel(panel)) {
        qWarning() << method << "ignored panel" << panel;
        return nullptr;
    }
    return &m_panels[panel];
}

const PanelPointCore *PointCoreConfiguration::core(quint8 panel) const
{
    return TC::isTablePanel(panel) ? &m_panels[panel] : nullptr;
}

void PointCoreConfiguration::clearPanel(quint8 panel)
{
    if (panel == TC::cAllPanels) {
        for (PanelPointCore &entry : m_panels)
            entry.clear();
        return;
    }
    if (PanelPointCore *entry = core(panel, "PointCoreConfiguration::clearPanel"))
        entry->clear();
}

void PointCoreConfiguration::reserveChannels(quint8 panel, int count)
{
    if (PanelPointCore *entry = core(panel, "PointCoreConfiguration::reserveChannels"))
        entry->reserveChannels(count);
}

bool PointCoreConfiguration::addChannel(quint8 panel, const ChannelAddress &key, int recordCount)
{
    PanelPointCore *entry = core(panel, "PointCoreConfiguration::addChannel");
    if (!entry)
        return false;
    entry->channel(key, recordCount);
    return true;
}

void PointCoreConfiguration::addPoint(quint8 panel, const ChannelAddress &key, const PointAddressKey &record)
{
    PanelPointCore *entry = core(panel, "PointCoreConfiguration::addPoint");
    if (!entry)
        return;
    ChannelPoints *channel = entry->findChannel(key);
    if (!channel)
        return;
    QVector<PointAddressKey> &records = channel->records;
    const auto equal = std::find(records.begin(), records.end(), record);
    // A record the controller sends again moves to the end of the list but
    // stays one point of its zone.
    const bool repeated = equal != records.end();
    if (repeated)
        records.erase(equal);
    records.append(record);
    if (!repeated && isCounted(key, record))
        entry->countZone(record.zone);
}

PointCoreIterator *PointCoreConfiguration::pointIterator(quint8 panel)
{
    if (!m_iterator)
        m_iterator = std::make_unique<PointCoreIterator>();
    m_iterator->position(core(panel));
    return m_iterator.get();
}

const PointAddressKey *PointCoreConfiguration::findPoint(quint8 panel, const ChannelAddress &channel,
                                                         quint8 point) const
{
    const PanelPointCore *entry = core(panel);
    return entry ? entry->findPoint(channel, point) : nullptr;
}

quint16 PointCoreConfiguration::channelValue(quint8 panel, quint8 zone) const
{
    const PanelPointCore *entry = core(panel);
    return entry ? quint16(entry->zoneCount(zone)) : 0;
}

const QVector<ChannelPoints> &PointCoreConfiguration::channels(quint8 panel) const
{
    static const QVector<ChannelPoints> none;
    const PanelPointCore *entry = core(panel);
    return entry ? entry->channels() : none;
}

void PointCoreConfiguration::notifyPointCoreUpdated(TC::panel_t panel)
{
    emit pointCoreUpdated(panel);
}
