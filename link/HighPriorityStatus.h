#pragma once

#include <QtGlobal>

namespace EventLog {

// The link's high-priority status indications (status icons, banner, fire
// and fault indications), which an accepted fire reset clears. The link
// installs itself at start-up; it is not owned here.
class HighPriorityStatus
{
public:
    virtual ~HighPriorityStatus() = default;

    // Flags 0 and value 0 clear every indication.
    virtual void applyHighPriorityStatus(quint32 flags, quint32 value) = 0;

    static void install(HighPriorityStatus *status);
    static HighPriorityStatus *installed();
};

} // namespace EventLog
