#pragma once

#include "link/SimplePointInfo.h"
#include "paneldata/ZoneTextEntry.h"

#include <QCache>

// The printed address parts of the points printed last, at most 255; the
// least recently used goes first. The parts hold for one pair of logical
// modes only: another pair empties the cache.
class ZoneTextCache final
{
public:
    static constexpr int MaximumPoints = 255;

    ZoneTextCache();

    void setDisplayMode(int mode) { m_displayMode = mode; }
    void setModes(bool logicalAddressing, bool logicalZones);
    bool logicalZones() const { return m_logicalZones; }
    void clear() { m_entries.clear(); }
    int size() const { return m_entries.size(); }

    // Keeps the entry (unless told not to) and returns it composed with the
    // part flags.
    QString store(const SimplePointInfo &point, const ZoneTextEntry &entry, int parts, bool keep,
                  const QString &noZoneMark);
    // The cached entry composed with the part flags; empty when not cached.
    QString lookup(const SimplePointInfo &point, int parts, const QString &noZoneMark);
    // The same, but a cached zone part is used only when it was built for
    // the same role marker.
    QString roleCheckedLookup(const SimplePointInfo &point, int parts, const QString &roleMarker,
                              const QString &noZoneMark);

    QString compose(const ZoneTextEntry &entry, int parts, const QString &noZoneMark) const;

private:
    int m_displayMode = 0;
    QCache<SimplePointInfo, ZoneTextEntry> m_entries;
    bool m_logicalAddressing = false;
    bool m_logicalZones = false;
};
