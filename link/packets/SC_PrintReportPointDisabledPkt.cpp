#include "link/packets/SC_PrintReportPointDisabledPkt.h"

SC_PrintReportPointDisabledPkt::SC_PrintReportPointDisabledPkt(quint8 selection, const Target &target)
    : SC_PrintReportBasePkt(ReportType, target, SC_RequestFields().u8(selection))
{
}
