#pragma once

#include "paneldata/PointTextEntry.h"

#include <QHash>
#include <QVector>

// The point names of one panel in memory, in the order they were added, with
// an index by point. A point added twice keeps its first texts.
class PanelPointStringsContainer final
{
public:
    static constexpr quint8 NoPanel = 254;

    quint8 loadedPanel() const { return m_loadedPanel; }
    void setLoadedPanel(quint8 panel) { m_loadedPanel = panel; }

    // The texts only; the loaded panel stays.
    void clear();
    // False, and nothing changes, when the point is held already.
    bool add(const PointTextEntry &entry);
    // Replaces the texts of a point held already, in its place; adds it
    // otherwise.
    void set(const PointTextEntry &entry);
    // Null when the point is not held.
    const PointTextEntry *find(const ChannelAddress &channel, quint8 point) const;

    const QVector<PointTextEntry> &entries() const { return m_entries; }
    int size() const { return m_entries.size(); }

private:
    quint8 m_loadedPanel = NoPanel;
    QVector<PointTextEntry> m_entries;
    QHash<quint32, int> m_index;
};
