#pragma once

#include <QtGlobal>

#include <array>
#include <bitset>

namespace EventLog {

// The zones that went into fire since the last accepted fire reset: the
// first one, the first one after it that differs, and the latest one (other
// than the first) that went into fire for the first time. The fire screens
// name the first and the last zone in fire from these.
class FireZoneMarks final
{
public:
    static constexpr int Panels = 100;
    static constexpr int Zones = 241;

    struct Mark
    {
        bool set = false;
        // Panel in the high byte, zone in the low byte.
        quint16 key = 0xFFFF;

        quint8 panel() const { return quint8(key >> 8); }
        quint8 zone() const { return quint8(key & 0xFF); }
    };

    // A live fire event of this panel and zone; out-of-range ones are ignored.
    void note(quint8 panel, quint8 zone);
    void clear();

    const Mark &firstFireZone() const { return m_first; }
    const Mark &secondFireZone() const { return m_second; }
    const Mark &lastNewFireZone() const { return m_lastNew; }

private:
    Mark m_first;
    Mark m_second;
    Mark m_lastNew;
    std::array<std::bitset<Zones>, Panels> m_zonesInFire;
};

} // namespace EventLog
