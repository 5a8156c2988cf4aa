#pragma once

#include "link/packets/SC_PrintReportBasePkt.h"

// Report 7, active faults. Own field: the filter (0 all, 1 unaccepted, 2 accepted).
class SC_PrintReportActiveFaultsPkt final : public SC_PrintReportBasePkt
{
public:
    static constexpr quint8 ReportType = 7;

    SC_PrintReportActiveFaultsPkt(quint8 filter, const Target &target);
};
