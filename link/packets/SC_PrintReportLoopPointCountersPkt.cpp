#include "link/packets/SC_PrintReportLoopPointCountersPkt.h"

SC_PrintReportLoopPointCountersPkt::SC_PrintReportLoopPointCountersPkt(quint8 loop, quint8 option, const Target &target)
    : SC_PrintReportBasePkt(ReportType, target, SC_RequestFields().u8(loop).u8(option))
{
}
