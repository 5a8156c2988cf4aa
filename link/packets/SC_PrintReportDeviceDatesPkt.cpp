#include "link/packets/SC_PrintReportDeviceDatesPkt.h"

SC_PrintReportDeviceDatesPkt::SC_PrintReportDeviceDatesPkt(quint8 selection, quint8 dateFilter, const Target &target)
    : SC_PrintReportBasePkt(ReportType, target, SC_RequestFields().u8(selection).u8(dateFilter))
{
}
