#pragma once

// The LkSpeak function codes the engine sends or handles: the packet
// classes, the receive dispatch and the senders all name them from here, so
// one code has one name. Plain ints on the wire, hence an unscoped enum.
namespace LkFunctionCode {

enum Code : int {
    LegacyNetworkFaultRequest = 5,
    LegacyNetworkFaultResponse = 6,
    NetworkFaultRequest = 9,
    NetworkFaultResponse = 10,
    InputPointChangeStatus = 37,
    OutputPointsOn = 66,
    OutputPointsOff = 67,
    OutputPointsPulse1 = 68,
    OutputPointsPulse2 = 69,
    SetPulsePatterns = 70,
    ManualTextRequest = 116,
    PointStatusUpdateRequest = 135,
    EventLogData = 139,
    AcceptLogEvent = 141,
    EventLogRegistration = 142,
    EventLogDeRegistration = 143,
    EventLogAck = 146,
    DateTimeInfo = 147,
    PointInformation = 148,
    PointInformationReply = 149,
    NextPointInformation = 150,
    TextStringReply = 152,
    PointCommandReply = 156,
    PrintReportReply = 157,
    PrintReport = 158,
    LoopShutdownRestartRequest = 179,
    LoopShutdownRestartReply = 180,
    RestartPanelRequest = 182,
    StandardReply = 184,
    FastFaultModeRequest = 191,
    // Families dispatched further by the sub-code in their first payload byte.
    PointManagerService = 183,
    SystemManagerSupport = 233,
    Support = 245,
    LogManagerService = 246,
};

} // namespace LkFunctionCode
