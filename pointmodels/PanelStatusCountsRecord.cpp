#include "pointmodels/PanelStatusCountsRecord.h"

#include "paneldata/PanelCounters.h"
#include "pointmodels/model.h"

namespace {

struct CountKind
{
    uint bit;
    int (*read)(const model &owner, TC::panel_t panel);
};

// In the order of the record's fields.
constexpr CountKind Kinds[] = {
    {PanelStatusCountsRecord::AlarmWarnings,
     [](const model &owner, TC::panel_t panel) { return owner.alarmWarningsCount(panel); }},
    {PanelStatusCountsRecord::Disablements,
     [](const model &, TC::panel_t panel) { return PanelCounters::instance()->disablements(panel); }},
    {PanelStatusCountsRecord::Faults,
     [](const model &, TC::panel_t panel) { return PanelCounters::instance()->faults(panel); }},
    {PanelStatusCountsRecord::FireAlarms,
     [](const model &owner, TC::panel_t panel) { return owner.fireAlarmsCount(panel); }},
    {PanelStatusCountsRecord::PointsOnTest,
     [](const model &owner, TC::panel_t panel) { return owner.pointsOnTestCount(panel); }},
};

} // namespace

PanelStatusCountsRecord::PanelStatusCountsRecord(const model *owner, TC::panel_t panel)
    : m_owner(owner)
    , m_panel(panel)
{
    refresh();
}

uint PanelStatusCountsRecord::refresh()
{
    static_assert(std::size(Kinds) == CountKinds, "one field per count");
    uint changes = 0;
    for (int kind = 0; kind < CountKinds; ++kind) {
        const int count = Kinds[kind].read(*m_owner, m_panel);
        if (count != m_counts[size_t(kind)]) {
            m_counts[size_t(kind)] = count;
            changes |= Kinds[kind].bit;
        }
    }
    return changes;
}
