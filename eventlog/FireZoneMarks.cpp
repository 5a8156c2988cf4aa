#include "eventlog/FireZoneMarks.h"

namespace EventLog {

void FireZoneMarks::note(quint8 panel, quint8 zone)
{
    if (panel >= Panels || zone >= Zones)
        return;
    const quint16 key = quint16(panel << 8 | zone);
    if (!m_first.set)
        m_first = {true, key};
    if (!m_second.set && key != m_first.key)
        m_second = {true, key};
    if (key != m_first.key && !m_zonesInFire[panel].test(zone))
        m_lastNew = {true, key};
    m_zonesInFire[panel].set(zone);
}

void FireZoneMarks::clear()
{
    m_first = {};
    m_second = {};
    m_lastNew = {};
    for (auto &zones : m_zonesInFire)
        zones.reset();
}

} // namespace EventLog
