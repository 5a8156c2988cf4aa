#pragma once

#include "link/packets/SC_PrintReportBasePkt.h"

// Report 1, disabled points. Own field: the caller's byte.
class SC_PrintReportPointDisabledPkt final : public SC_PrintReportBasePkt
{
public:
    static constexpr quint8 ReportType = 1;

    SC_PrintReportPointDisabledPkt(quint8 selection, const Target &target);
};
