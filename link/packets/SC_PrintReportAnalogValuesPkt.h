#pragma once

#include "link/packets/SC_PrintReportBasePkt.h"

// Report 6, analogue values of a point. Own fields: the report parameter
// again | channel kind, channel address (numerical in layout 0) | A | B | 0
// | C.
class SC_PrintReportAnalogValuesPkt final : public SC_PrintReportBasePkt
{
public:
    static constexpr quint8 ReportType = 6;

    SC_PrintReportAnalogValuesPkt(quint8 channelKind, quint8 channelAddress, quint8 a, quint8 b, quint8 c,
                                  const Target &target);
};
