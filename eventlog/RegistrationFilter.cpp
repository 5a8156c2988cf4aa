#include "eventlog/RegistrationFilter.h"

namespace EventLog {

const RegistrationFilter &RegistrationFilter::defaults()
{
    static const RegistrationFilter filter;
    return filter;
}

} // namespace EventLog
