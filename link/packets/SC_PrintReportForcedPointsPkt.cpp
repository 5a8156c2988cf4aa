#include "link/packets/SC_PrintReportForcedPointsPkt.h"

SC_PrintReportForcedPointsPkt::SC_PrintReportForcedPointsPkt(quint8 kind, const Target &target)
    : SC_PrintReportBasePkt(ReportType, target, SC_RequestFields().u8(kind))
{
}
