#include "link/packets/SC_PrintReportNetworkDetailsPkt.h"

SC_PrintReportNetworkDetailsPkt::SC_PrintReportNetworkDetailsPkt(const Target &target)
    : SC_PrintReportBasePkt(ReportType, target, SC_RequestFields())
{
}
