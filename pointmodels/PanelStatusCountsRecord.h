#pragma once

#include "core/TCTypes.h"

#include <array>

class model;

// The last-seen status counts of one panel, to tell which of them a change
// of the status counts page altered.
class PanelStatusCountsRecord final
{
public:
    // Bits of the change mask, one per count.
    static constexpr uint Disablements = 0x01;
    static constexpr uint FireAlarms = 0x02;
    static constexpr uint Faults = 0x04;
    static constexpr uint AlarmWarnings = 0x08;
    static constexpr uint PointsOnTest = 0x20;
    // What a fresh record reports.
    static constexpr uint AllChanged = 0xFFFFFFFFu;

    // Reads every count at once.
    PanelStatusCountsRecord(const model *owner, TC::panel_t panel);

    // Reads the counts again, keeps the new ones and returns the bits of
    // those that changed.
    uint refresh();

    TC::panel_t panel() const { return m_panel; }

private:
    static constexpr int CountKinds = 5;

    const model *m_owner;
    TC::panel_t m_panel;
    std::array<int, CountKinds> m_counts{};
};
