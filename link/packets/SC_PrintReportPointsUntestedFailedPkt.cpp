#include "link/packets/SC_PrintReportPointsUntestedFailedPkt.h"

SC_PrintReportPointsUntestedFailedPkt::SC_PrintReportPointsUntestedFailedPkt(const Target &target)
    : SC_PrintReportBasePkt(ReportType, target, SC_RequestFields().u8(255))
{
}
