#pragma once

#include "link/packets/SC_PrintReportBasePkt.h"

// Report 19, sounder RSM results of a loop. Own fields: the printer's node | channel
// kind, channel address (numerical in layout 0) | five values.
class SC_PrintReportSoundersRSMPkt final : public SC_PrintReportBasePkt
{
public:
    static constexpr quint8 ReportType = 19;

    SC_PrintReportSoundersRSMPkt(quint8 channelKind, quint8 channelAddress, const std::array<quint8, 5> &values,
                                 const Target &target);
};
