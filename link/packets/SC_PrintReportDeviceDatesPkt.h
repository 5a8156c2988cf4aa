#pragma once

#include "link/packets/SC_PrintReportBasePkt.h"

// Report 12, device dates. Own fields: selection | date filter.
class SC_PrintReportDeviceDatesPkt final : public SC_PrintReportBasePkt
{
public:
    static constexpr quint8 ReportType = 12;

    SC_PrintReportDeviceDatesPkt(quint8 selection, quint8 dateFilter, const Target &target);
};
