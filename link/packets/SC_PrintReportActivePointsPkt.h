#pragma once

#include "link/packets/SC_PrintReportBasePkt.h"

// Report 11, active points. Own fields: report code | selection as a
// 16-bit value, low byte first | list kind | state | forced.
class SC_PrintReportActivePointsPkt final : public SC_PrintReportBasePkt
{
public:
    static constexpr quint8 ReportType = 11;

    SC_PrintReportActivePointsPkt(quint8 reportCode, quint32 selection, quint8 listKind, quint8 state, quint8 forced,
                                  const Target &target);
};
