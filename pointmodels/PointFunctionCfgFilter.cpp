#include "pointmodels/PointFunctionCfgFilter.h"

#include "app/Security.h"

namespace {

constexpr quint8 NoAlarmInputsMode = 1;
constexpr qint32 AlarmInputs = 0x04;
constexpr qint32 OutputFunction = 0x80;

} // namespace

PointFunctionCfgFilter::PointFunctionCfgFilter(int mask, bool outputsOnly, quint8 mode, bool ignoreAllowedSet)
    : m_mask(mask)
    , m_outputsOnly(outputsOnly)
    , m_mode(mode)
    , m_ignoreAllowedSet(ignoreAllowedSet)
{
}

void PointFunctionCfgFilter::setAllowedFunctions(const QSet<int> &allowed, int level)
{
    m_allowed = allowed;
    m_level = level;
    m_allowedInForce = !allowed.isEmpty();
}

bool PointFunctionCfgFilter::accept(TC::panel_t, const ChannelAddress *, const PointAddressKey *record) const
{
    const auto functions = qint32(record->functionFlags);
    const quint8 attributes = record->attributes;
    bool match = (m_mask & functions) > 0;
    if (match && m_allowedInForce && !m_ignoreAllowedSet)
        return m_allowed.contains(functions) && Security::instance()->hasPermission(m_level);
    const bool alarmInputsLeftOut = m_mode == NoAlarmInputsMode && (functions & AlarmInputs);
    if (alarmInputsLeftOut)
        match = false;
    if (m_outputsOnly)
        return match && (functions == OutputFunction || (attributes & OutputPoint));
    const bool input = (m_mask & InputPoints) && (attributes & InputPoint);
    const bool output = (m_mask & OutputPoints) && (attributes & OutputPoint);
    if (!match && !input && !output)
        return false;
    return !(alarmInputsLeftOut && input);
}
