#include "link/packets/SC_PrintReportActiveFaultsPkt.h"

SC_PrintReportActiveFaultsPkt::SC_PrintReportActiveFaultsPkt(quint8 filter, const Target &target)
    : SC_PrintReportBasePkt(ReportType, target, SC_RequestFields().u8(filter))
{
}
