#pragma once

#include "link/packets/SC_PrintReportBasePkt.h"

// Report 9, loop point counters. Own fields: loop | option.
class SC_PrintReportLoopPointCountersPkt final : public SC_PrintReportBasePkt
{
public:
    static constexpr quint8 ReportType = 9;

    SC_PrintReportLoopPointCountersPkt(quint8 loop, quint8 option, const Target &target);
};
