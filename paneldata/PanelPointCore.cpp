#include "paneldata/PanelPointCore.h"

#include <algorithm>

void PanelPointCore::clear()
{
    m_zoneCounts.clear();
    m_channels.clear();
    m_empty = true;
}

void PanelPointCore::reserveChannels(int count)
{
    m_channels.reserve(count);
}

ChannelPoints *PanelPointCore::findChannel(const ChannelAddress &key)
{
    const auto found = std::find_if(m_channels.begin(), m_channels.end(),
                                    [&key](const ChannelPoints &entry) { return entry.key == key; });
    return found == m_channels.end() ? nullptr : &*found;
}

ChannelPoints &PanelPointCore::channel(const ChannelAddress &key, int recordCount)
{
    ChannelPoints *entry = findChannel(key);
    if (!entry) {
        m_channels.append(ChannelPoints{key, {}});
        m_empty = false;
        entry = &m_channels.last();
    }
    entry->records.reserve(entry->records.size() + recordCount);
    return *entry;
}

const PointAddressKey *PanelPointCore::findPoint(const ChannelAddress &key, quint8 point) const
{
    for (const ChannelPoints &entry : m_channels) {
        if (entry.key != key)
            continue;
        for (const PointAddressKey &record : entry.records) {
            if (record.pointNumber == point)
                return &record;
        }
    }
    return nullptr;
}
