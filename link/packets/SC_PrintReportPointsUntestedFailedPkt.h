#pragma once

#include "link/packets/SC_PrintReportBasePkt.h"

// Report 3, untested and failed points of a walk test. Own field: 255.
class SC_PrintReportPointsUntestedFailedPkt final : public SC_PrintReportBasePkt
{
public:
    static constexpr quint8 ReportType = 3;

    explicit SC_PrintReportPointsUntestedFailedPkt(const Target &target);
};
