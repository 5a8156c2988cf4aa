#include "link/packets/SC_PrintReportAnalogValuesPkt.h"

SC_PrintReportAnalogValuesPkt::SC_PrintReportAnalogValuesPkt(quint8 channelKind, quint8 channelAddress, quint8 a,
                                                             quint8 b, quint8 c, const Target &target)
    : SC_PrintReportBasePkt(ReportType, target,
                            SC_RequestFields()
                                .u8(target.parameter)
                                .append(channelFields(channelKind, channelAddress, target.layoutKind))
                                .u8(a)
                                .u8(b)
                                .u8(0)
                                .u8(c))
{
}
