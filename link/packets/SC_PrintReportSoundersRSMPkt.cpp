#include "link/packets/SC_PrintReportSoundersRSMPkt.h"

SC_PrintReportSoundersRSMPkt::SC_PrintReportSoundersRSMPkt(quint8 channelKind, quint8 channelAddress,
                                                           const std::array<quint8, 5> &values, const Target &target)
    : SC_PrintReportBasePkt(ReportType, target, deviceListFields(channelKind, channelAddress, values, target))
{
}
