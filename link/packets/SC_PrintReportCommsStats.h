#pragma once

#include "link/packets/SC_PrintReportBasePkt.h"

// Report 25, communication statistics of a bus node. Own fields: kind | node.
class SC_PrintReportCommsStats final : public SC_PrintReportBasePkt
{
public:
    static constexpr quint8 ReportType = 25;

    SC_PrintReportCommsStats(quint32 kind, quint8 node, const Target &target);
};
