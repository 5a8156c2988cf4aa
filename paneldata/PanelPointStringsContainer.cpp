#include "paneldata/PanelPointStringsContainer.h"

void PanelPointStringsContainer::clear()
{
    m_entries.clear();
    m_index.clear();
}

bool PanelPointStringsContainer::add(const PointTextEntry &entry)
{
    const quint32 key = entry.key();
    if (m_index.contains(key))
        return false;
    m_index.insert(key, m_entries.size());
    m_entries.append(entry);
    return true;
}

void PanelPointStringsContainer::set(const PointTextEntry &entry)
{
    const auto found = m_index.constFind(entry.key());
    if (found == m_index.constEnd())
        add(entry);
    else
        m_entries[found.value()] = entry;
}

const PointTextEntry *PanelPointStringsContainer::find(const ChannelAddress &channel, quint8 point) const
{
    PointTextEntry probe;
    probe.channel = channel;
    probe.point = point;
    const auto found = m_index.constFind(probe.key());
    return found == m_index.constEnd() ? nullptr : &m_entries.at(found.value());
}
