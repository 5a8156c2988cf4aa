#include "frontpanel/rbusEventLog.h"

#include "frontpanel/IndicationEnvironment.h"
#include "frontpanel/IndicationState.h"

#include <algorithm>

quint16 rbusEventLog::orFireFlag(int count) const
{
    if (count != 0)
        return quint16(count);
    const IndicationEnvironment *state = IndicationState::instance()->environment();
    return state && state->isE30Connected() && state->isFireActive() ? 1 : 0;
}

quint16 rbusEventLog::getFireCount() const
{
    return orFireFlag(int(std::count_if(events.cbegin(), events.cend(),
                                        [](const RbusEvent &event) { return event.kind == RbusEvent::Fire; })));
}

quint16 rbusEventLog::getFireZoneCount() const
{
    return orFireFlag(fireZones.size());
}

const RbusEvent *rbusEventLog::findEvent(bool newestFirst, int lowestKind) const
{
    if (events.isEmpty() || lowestKind > RbusEvent::Fire)
        return nullptr;
    const int count = events.size();
    for (int kind = RbusEvent::Fire; kind >= std::max(lowestKind, 0); --kind) {
        for (int i = 0; i < count; ++i) {
            const RbusEvent &event = events.at(newestFirst ? count - 1 - i : i);
            if (event.kind == kind && event.active)
                return &event;
        }
    }
    return nullptr;
}

void rbusEventLog::clear()
{
    events.clear();
    firstFire.active = 0;
    latestFire.active = 0;
    fireZones.clear();
    devices.clear();
    if (sounderState != TC::SOUNDERS_OFF)
        sounderState = TC::SOUNDERS_NORMAL;
    IndicationState::instance()->resetZoneStates();
    emit rbusSoundersEvent(sounderState);
}
