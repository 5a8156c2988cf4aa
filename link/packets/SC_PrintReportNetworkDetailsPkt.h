#pragma once

#include "link/packets/SC_PrintReportBasePkt.h"

// Report 16, network details. No own fields.
class SC_PrintReportNetworkDetailsPkt final : public SC_PrintReportBasePkt
{
public:
    static constexpr quint8 ReportType = 16;

    explicit SC_PrintReportNetworkDetailsPkt(const Target &target);
};
