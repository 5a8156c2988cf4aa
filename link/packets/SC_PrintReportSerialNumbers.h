#pragma once

#include "link/packets/SC_PrintReportBasePkt.h"

// Report 24, device serial numbers of a loop. Own fields: the printer's node | channel
// kind, channel address (numerical in layout 0) | five values.
class SC_PrintReportSerialNumbers final : public SC_PrintReportBasePkt
{
public:
    static constexpr quint8 ReportType = 24;

    SC_PrintReportSerialNumbers(quint8 channelKind, quint8 channelAddress, const std::array<quint8, 5> &values,
                                const Target &target);
};
