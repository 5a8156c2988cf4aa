#pragma once

#include <QtGlobal>

namespace EventLog {

// What the event log asks of the rest of the engine: this panel's settings
// from the global configuration, and the link's high-priority status. The
// engine installs one at start-up (it is not owned here). Without one, no
// event is a fire reset of this panel and logical addressing is off.
class PanelServices
{
public:
    virtual ~PanelServices() = default;

    virtual quint8 getPanelNumber() const = 0;
    // A live event of this panel with either code is a fire reset.
    virtual quint16 getResetEventCode1() const = 0;
    virtual quint16 getResetEventCode2() const = 0;
    virtual bool getLogicalAddr() const = 0;
    // Flags 0 and value 0 clear every high-priority indication.
    virtual void applyHighPriorityStatus(quint32 flags, quint32 value) = 0;

    static void install(PanelServices *services);
    static PanelServices *installed();
};

} // namespace EventLog
