#include "paneldata/ZoneTextCache.h"

namespace {

constexpr int PointPart = 1;
constexpr int ZonePart = 2;
constexpr int ShortForms = 1;
constexpr int ZoneFieldWidth = 11;

} // namespace

ZoneTextCache::ZoneTextCache()
    : m_entries(MaximumPoints)
{
}

void ZoneTextCache::setModes(bool logicalAddressing, bool logicalZones)
{
    if (logicalAddressing == m_logicalAddressing && logicalZones == m_logicalZones)
        return;
    m_entries.clear();
    m_logicalAddressing = logicalAddressing;
    m_logicalZones = logicalZones;
}

QString ZoneTextCache::store(const SimplePointInfo &point, const ZoneTextEntry &entry, int parts, bool keep,
                             const QString &noZoneMark)
{
    if (keep)
        m_entries.insert(point, new ZoneTextEntry(entry));
    return compose(entry, parts, noZoneMark);
}

QString ZoneTextCache::lookup(const SimplePointInfo &point, int parts, const QString &noZoneMark)
{
    const ZoneTextEntry *entry = m_entries.object(point);
    return entry ? compose(*entry, parts, noZoneMark) : QString();
}

QString ZoneTextCache::roleCheckedLookup(const SimplePointInfo &point, int parts, const QString &roleMarker,
                                         const QString &noZoneMark)
{
    const ZoneTextEntry *entry = m_entries.object(point);
    if (!entry)
        return {};
    const bool zoneShown = (parts & ZonePart) && !entry->zoneText.isEmpty() && entry->zoneText != noZoneMark;
    const bool usable =
        zoneShown ? entry->roleMarker == roleMarker : (parts & PointPart) && !entry->pointText.isEmpty();
    return usable ? compose(*entry, parts, noZoneMark) : QString();
}

QString ZoneTextCache::compose(const ZoneTextEntry &entry, int parts, const QString &noZoneMark) const
{
    const bool realZone = (parts & ZonePart) && entry.zoneText != noZoneMark;
    if (!realZone && (parts & PointPart) && !entry.pointText.isEmpty())
        return entry.pointText;
    if ((parts & PointPart) && (parts & ZonePart) && !entry.zoneText.isEmpty()) {
        const int width = (m_displayMode == ShortForms || m_logicalZones) ? 0 : ZoneFieldWidth;
        return entry.zoneText.leftJustified(width) + entry.pointText;
    }
    if (parts & ZonePart)
        return entry.zoneText;
    return {};
}
