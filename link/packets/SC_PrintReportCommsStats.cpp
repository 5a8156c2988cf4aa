#include "link/packets/SC_PrintReportCommsStats.h"

SC_PrintReportCommsStats::SC_PrintReportCommsStats(quint32 kind, quint8 node, const Target &target)
    : SC_PrintReportBasePkt(ReportType, target, SC_RequestFields().u8(quint8(kind)).u8(node))
{
}
