#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"
#include "link/SC_RequestPacket.h"

#include <array>

// Asks the controller to print a report on a panel printer (function code
// 158, sent to the printer's panel). Payload: report type | printer |
// report parameter | 0 0 0 | the report's own fields.
class SC_PrintReportBasePkt : public SC_RequestPacket<SC_LkSpeakBasePacket>
{
public:
    static constexpr int FunctionCode = LkFunctionCode::PrintReport;

    // Where the report goes and the parameter every report carries.
    struct Target
    {
        int layoutKind = 0;
        quint8 node = 253;
        quint8 printer = 255;
        quint8 parameter = 0;
        bool acknowledgeRequest = true;
    };

protected:
    SC_PrintReportBasePkt(quint8 reportType, const Target &target, const SC_RequestFields &ownFields);

    // The channel of a report, numerical in header layout 0.
    static SC_RequestFields channelFields(quint8 channelKind, quint8 channelAddress, int layoutKind);
    // The printer's node, the channel, then five values: the device lists
    // of a loop.
    static SC_RequestFields deviceListFields(quint8 channelKind, quint8 channelAddress,
                                             const std::array<quint8, 5> &values, const Target &target);
};
