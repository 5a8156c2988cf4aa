#pragma once

#include "link/packets/SC_PrintReportBasePkt.h"

// Report 4, forced points. Own field: the kind (4 inputs, 5 outputs).
class SC_PrintReportForcedPointsPkt final : public SC_PrintReportBasePkt
{
public:
    static constexpr quint8 ReportType = 4;

    SC_PrintReportForcedPointsPkt(quint8 kind, const Target &target);
};
