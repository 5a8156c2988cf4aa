#include "reports/ReportEnvironment.h"

namespace {

ReportEnvironment *s_installed = nullptr;

} // namespace

ReportEnvironment *ReportEnvironment::installed()
{
    return s_installed;
}

void ReportEnvironment::install(ReportEnvironment *environment)
{
    s_installed = environment;
}
