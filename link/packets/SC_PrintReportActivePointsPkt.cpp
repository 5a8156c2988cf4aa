#include "link/packets/SC_PrintReportActivePointsPkt.h"

SC_PrintReportActivePointsPkt::SC_PrintReportActivePointsPkt(quint8 reportCode, quint32 selection, quint8 listKind,
                                                             quint8 state, quint8 forced, const Target &target)
    : SC_PrintReportBasePkt(
        ReportType, target,
        SC_RequestFields().u8(reportCode).u8(quint8(selection)).u8(0).u8(listKind).u8(state).u8(forced))
{
}
