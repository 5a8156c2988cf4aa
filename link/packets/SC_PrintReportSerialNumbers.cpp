#include "link/packets/SC_PrintReportSerialNumbers.h"

SC_PrintReportSerialNumbers::SC_PrintReportSerialNumbers(quint8 channelKind, quint8 channelAddress,
                                                         const std::array<quint8, 5> &values, const Target &target)
    : SC_PrintReportBasePkt(ReportType, target, deviceListFields(channelKind, channelAddress, values, target))
{
}
