#include "link/SC_DispatchTable.h"

#include "link/LkFunctionCode.h"
#include "link/SC_LinkEffects.h"
#include "link/SC_PacketBuffer.h"
#include "link/SyncClient.h"
#include "link/packets/SC_AcknowledgementPkt.h"
#include "link/packets/SC_ChangeAddrReplyPkt.h"
#include "link/packets/SC_ConnectedServicesResponsePkt.h"
#include "link/packets/SC_DateTimeInfoPacket.h"
#include "link/packets/SC_DiagnosticsResponsePkt.h"
#include "link/packets/SC_DigitalEnrolmentFilePathReplyPkt.h"
#include "link/packets/SC_EventAcceptedPacket.h"
#include "link/packets/SC_EventLogAckPacket.h"
#include "link/packets/SC_EventLogDataPacket.h"
#include "link/packets/SC_GUISoftwareVersionReqPacket.h"
#include "link/packets/SC_InitiateConnectionPacket.h"
#include "link/packets/SC_LoopShutdownRestartReplyPkt.h"
#include "link/packets/SC_ManualStatusReplyPkt.h"
#include "link/packets/SC_NetworkFaultResponsePkt.h"
#include "link/packets/SC_PanelUpdateOverviewReplyPkt.h"
#include "link/packets/SC_PointCommandReplyPacket.h"
#include "link/packets/SC_PointInformationReplyPacket.h"
#include "link/packets/SC_PointLogRecordReplyPkt.h"
#include "link/packets/SC_PointManagerSinglePollReplyPkt.h"
#include "link/packets/SC_PrintReportReplyPkt.h"
#include "link/packets/SC_ProjectDetailsReplyPkt.h"
#include "link/packets/SC_RealDevPresentReplyPkt.h"
#include "link/packets/SC_SerialisationServiceReplyPkt.h"
#include "link/packets/SC_SetPulsePatternsPkt.h"
#include "link/packets/SC_SiteListReplyPkt.h"
#include "link/packets/SC_StandardReplyPkt.h"
#include "link/packets/SC_SupervisionPacket.h"
#include "link/packets/SC_TESKConfigurationPkt.h"
#include "link/packets/SC_TextStringReply.h"
#include "link/packets/SC_UpdateOutputPointsPkt.h"
#include "link/packets/SC_UpdateReplyPkt.h"
#include "link/sc_LkEventLog.h"
#include "link/sc_LkPointManagerServices.h"
#include "paneldata/sync/SC_ClearPanelDataPkt.h"
#include "paneldata/sync/SC_DataSignatureReqPkt.h"
#include "paneldata/sync/SC_HighPriorityStatusesAndCountsPkt.h"
#include "paneldata/sync/SC_LoggedOnUserInformationPagePkt.h"
#include "paneldata/sync/SC_SignatureTransferReqPkt.h"
#include "paneldata/sync/SC_SyncCompletePkt.h"
#include "paneldata/sync/SC_SyncPageDataUpdatePkt.h"
#include "paneldata/sync/SC_SyncPageStausUpdatePkt.h"

#include <QDebug>
#include <QHash>

#include <bitset>
#include <type_traits>

namespace {

template <typename Packet> Packet makePacket(const QSharedPointer<SC_PacketBuffer> &buffer, SyncClient &client)
{
    if constexpr (std::is_constructible_v<Packet, const QSharedPointer<SC_PacketBuffer> &, SyncClient *>)
        return Packet(buffer, &client);
    else
        return Packet(buffer);
}

// A packet built over the received bytes acts when its fields were all
// there.
void handleIfWhole(SC_LkSpeakBasePacket &packet, const QSharedPointer<SC_PacketBuffer> &buffer,
                   const SC_DispatchEntry &entry)
{
    if (buffer->isBad()) {
        qWarning().nospace() << "SyncClient::RxLkSpeak"
                             << " Truncated " << entry.name << " packet dropped";
        return;
    }
    packet.handlePacketData();
}

template <typename Packet>
void buildAndHandle(SyncClient &client, const SyncPacket &, const QSharedPointer<SC_PacketBuffer> &buffer,
                    const SC_DispatchEntry &entry)
{
    Packet packet = makePacket<Packet>(buffer, client);
    handleIfWhole(packet, buffer, entry);
}

template <bool Legacy>
void networkFaultResponse(SyncClient &, const SyncPacket &, const QSharedPointer<SC_PacketBuffer> &buffer,
                          const SC_DispatchEntry &entry)
{
    SC_NetworkFaultResponsePkt packet(buffer, Legacy);
    handleIfWhole(packet, buffer, entry);
}

// The synchronising icon shows from a connection request to the end of the
// synchronisation.
template <typename Packet, bool Synchronising>
void withSynchronisingIcon(SyncClient &client, const SyncPacket &packet, const QSharedPointer<SC_PacketBuffer> &buffer,
                           const SC_DispatchEntry &entry)
{
    SC_LinkEffects::installed()->setSynchronising(Synchronising);
    buildAndHandle<Packet>(client, packet, buffer, entry);
}

// Event-log data sent to every node is stored but never acknowledged.
void eventLogData(SyncClient &client, const SyncPacket &packet, const QSharedPointer<SC_PacketBuffer> &buffer,
                  const SC_DispatchEntry &)
{
    constexpr quint8 EveryNode = 255;
    if (!client.getEventLog()->handleDataPacket(packet, buffer->header().destinationNode == EveryNode))
        qWarning() << "SyncClient::RxLkSpeak"
                   << " Failed processing eventlog data packet";
}

void eventLogAck(SyncClient &client, const SyncPacket &packet, const QSharedPointer<SC_PacketBuffer> &,
                 const SC_DispatchEntry &)
{
    if (!client.getEventLog()->handleAckPacket(packet))
        qWarning() << "SyncClient::RxLkSpeak"
                   << " Failed processing eventlog acknowledgement";
}

// Loop auto-configuration and interrogation results go to their listeners
// as they came.
template <void (sc_LkPointManagerServices::*Signal)(SyncPacket &)>
void passOn(SyncClient &client, const SyncPacket &packet, const QSharedPointer<SC_PacketBuffer> &,
            const SC_DispatchEntry &)
{
    SyncPacket received = packet;
    emit(client.getPointManagerServices()->*Signal)(received);
}

// The row covers the sub-code and the reply type; the rest of the body
// depends on the type, and the packet finds it short itself.
void serialisationReply(SyncClient &client, const SyncPacket &, const QSharedPointer<SC_PacketBuffer> &buffer,
                        const SC_DispatchEntry &)
{
    SC_SerialisationServiceReplyPkt reply(buffer, &client);
    if (buffer->isBad()) {
        qWarning().nospace() << "sc_LkPointManagerServices"
                             << " Truncated serialisation reply of type " << reply.replyType() << " dropped";
        return;
    }
    reply.handlePacketData();
}

// A panel update reply of one kind; the row covers the sub-code and the
// kind, the packet finds the rest short itself.
template <typename Packet>
void panelUpdateReplyOfKind(SyncClient &client, const QSharedPointer<SC_PacketBuffer> &buffer, int kind)
{
    Packet reply(buffer, &client);
    if (buffer->isBad()) {
        qWarning().nospace() << "LkSpeak::PanelUpdate"
                             << " Truncated panel update reply of kind " << kind << " dropped";
        return;
    }
    reply.handlePacketData();
}

// Kinds the dialogue does not know are ignored.
void panelUpdateReply(SyncClient &client, const SyncPacket &, const QSharedPointer<SC_PacketBuffer> &buffer,
                      const SC_DispatchEntry &)
{
    using namespace LkSpeak::PanelUpdate;
    using Build = void (*)(SyncClient &, const QSharedPointer<SC_PacketBuffer> &, int);
    static const Build kinds[] = {
        &panelUpdateReplyOfKind<SC_SiteListReplyPkt>,
        &panelUpdateReplyOfKind<SC_ProjectDetailsReplyPkt>,
        &panelUpdateReplyOfKind<SC_UpdateReplyPkt>,
        &panelUpdateReplyOfKind<SC_PanelUpdateOverviewReplyPkt>,
        &panelUpdateReplyOfKind<SC_DigitalEnrolmentFilePathReplyPkt>,
    };
    const int kind = SC_PanelUpdateReplyPkt::kindOf(*buffer);
    if (kind < int(std::size(kinds)))
        kinds[kind](client, buffer, kind);
}

constexpr int Whole = SC_DispatchEntry::WholeFunctionCode;
using Code = LkFunctionCode::Code;

const QVector<SC_DispatchEntry> Entries = {
    {Code::Support, 4, "logged-on user", 4, &buildAndHandle<SC_LoggedOnUserInformationPagePkt>},
    {Code::Support, 5, "high-priority statuses", 5, &buildAndHandle<SC_HighPriorityStatusesAndCountsPkt>},
    {Code::Support, 7, "data signature request", 8, &buildAndHandle<SC_DataSignatureReqPkt>},
    {Code::Support, 9, "sync page status update", 7, &buildAndHandle<SC_SyncPageStausUpdatePkt>},
    {Code::Support, 10, "sync page data update", 8, &buildAndHandle<SC_SyncPageDataUpdatePkt>},
    {Code::Support, 15, "clear panel data", 2, &buildAndHandle<SC_ClearPanelDataPkt>},
    {Code::Support, 16, "signature transfer request", 2, &buildAndHandle<SC_SignatureTransferReqPkt>},
    {Code::Support, 18, "initiate connection", 7, &withSynchronisingIcon<SC_InitiateConnectionPacket, true>},
    {Code::Support, 21, "engine configuration", SC_TESKConfigurationPkt::FixedPayload,
     &buildAndHandle<SC_TESKConfigurationPkt>},
    {Code::Support, 24, "sync complete", 2, &withSynchronisingIcon<SC_SyncCompletePkt, false>},
    {Code::Support, 25, "supervision", 5, &buildAndHandle<SC_SupervisionPacket>},
    // Answers to the engine's commands and the controller's output points.
    {Code::Support, 1, "acknowledgement", 2, &buildAndHandle<SC_AcknowledgementPkt>},
    {Code::LegacyNetworkFaultResponse, Whole, "legacy network fault response", 1, &networkFaultResponse<true>},
    {Code::NetworkFaultResponse, Whole, "network fault response", 1, &networkFaultResponse<false>},
    {Code::OutputPointsOn, Whole, "output points on", 1, &buildAndHandle<SC_UpdateOutputPointsPkt>},
    {Code::OutputPointsOff, Whole, "output points off", 1, &buildAndHandle<SC_UpdateOutputPointsPkt>},
    {Code::OutputPointsPulse1, Whole, "output points pulse 1", 1, &buildAndHandle<SC_UpdateOutputPointsPkt>},
    {Code::OutputPointsPulse2, Whole, "output points pulse 2", 1, &buildAndHandle<SC_UpdateOutputPointsPkt>},
    {Code::SetPulsePatterns, Whole, "pulse patterns", SC_SetPulsePatternsPkt::PayloadLength,
     &buildAndHandle<SC_SetPulsePatternsPkt>},
    {Code::DateTimeInfo, Whole, "date and time", SC_DateTimeInfoPacket::PayloadLength,
     &buildAndHandle<SC_DateTimeInfoPacket>},
    {Code::PointInformationReply, Whole, "point information reply", SC_PointInformationReplyPacket::FixedPayload,
     &buildAndHandle<SC_PointInformationReplyPacket>},
    {Code::TextStringReply, Whole, "text string reply", 1, &buildAndHandle<SC_TextStringReply>},
    {Code::PointCommandReply, Whole, "point command reply", SC_PointCommandReplyPacket::PayloadLength,
     &buildAndHandle<SC_PointCommandReplyPacket>},
    {Code::PrintReportReply, Whole, "print report reply", SC_PrintReportReplyPkt::PayloadLength,
     &buildAndHandle<SC_PrintReportReplyPkt>},
    {Code::LoopShutdownRestartReply, Whole, "loop shutdown or restart reply",
     SC_LoopShutdownRestartReplyPkt::PayloadLength, &buildAndHandle<SC_LoopShutdownRestartReplyPkt>},
    {Code::StandardReply, Whole, "standard reply", SC_StandardReplyPkt::PayloadLength,
     &buildAndHandle<SC_StandardReplyPkt>},
    {Code::SystemManagerSupport, 19, "software version request", SC_GUISoftwareVersionReqPacket::PayloadLength,
     &buildAndHandle<SC_GUISoftwareVersionReqPacket>},
    {Code::SystemManagerSupport, 27, "diagnostics response", 2, &buildAndHandle<SC_DiagnosticsResponsePkt>},
    {Code::SystemManagerSupport, 29, "connected services response", SC_ConnectedServicesResponsePkt::PayloadLength,
     &buildAndHandle<SC_ConnectedServicesResponsePkt>},
    {Code::EventLogData, Whole, "event-log data", SC_EventLogDataPacket::MinimumPayload, &eventLogData},
    {Code::EventLogAck, Whole, "event-log acknowledgement", SC_EventLogAckPacket::PayloadLength, &eventLogAck},
    {SC_EventAcceptedPacket::FunctionCode, SC_EventAcceptedPacket::SubCode, "events accepted",
     SC_EventAcceptedPacket::MinimumPayload, &buildAndHandle<SC_EventAcceptedPacket>},
    {Code::SystemManagerSupport, LkSpeak::PanelUpdate::SC_PanelUpdateReplyPkt::SubCode, "panel update reply", 2,
     &panelUpdateReply},
    {Code::PointManagerService, SC_PointManagerSinglePollReplyPkt::StartReplySubCode, "single poll start reply",
     SC_PointManagerSinglePollReplyPkt::PayloadLength, &buildAndHandle<SC_PointManagerSinglePollReplyPkt>},
    {Code::PointManagerService, SC_PointManagerSinglePollReplyPkt::StopReplySubCode, "single poll stop reply",
     SC_PointManagerSinglePollReplyPkt::PayloadLength, &buildAndHandle<SC_PointManagerSinglePollReplyPkt>},
    {Code::PointManagerService, 7, "loop auto-configuration", 1,
     &passOn<&sc_LkPointManagerServices::autoconfigurationPacketReceived>},
    {Code::PointManagerService, 9, "loop interrogation results", 1,
     &passOn<&sc_LkPointManagerServices::loopInterrogationResultsRecordPacketReceived>},
    {Code::PointManagerService, SC_RealDevPresentReplyPkt::SubCode, "real device present reply",
     SC_RealDevPresentReplyPkt::PayloadLength, &buildAndHandle<SC_RealDevPresentReplyPkt>},
    {Code::PointManagerService, SC_ChangeAddrReplyPkt::SubCode, "change address reply",
     SC_ChangeAddrReplyPkt::PayloadLength, &buildAndHandle<SC_ChangeAddrReplyPkt>},
    {Code::PointManagerService, SC_ManualStatusReplyPkt::SubCode, "manual point update status",
     SC_ManualStatusReplyPkt::PayloadLength, &buildAndHandle<SC_ManualStatusReplyPkt>},
    {Code::PointManagerService, SC_PointLogRecordReplyPkt::SubCode, "point log record",
     SC_PointLogRecordReplyPkt::MinimumPayload, &buildAndHandle<SC_PointLogRecordReplyPkt>},
    {Code::PointManagerService, SC_SerialisationServiceReplyPkt::SubCode, "serialisation reply",
     SC_SerialisationServiceReplyPkt::MinimumPayload, &serialisationReply},
};

int keyOf(int functionCode, int subCode)
{
    return functionCode << 16 | (subCode & 0xFFFF);
}

struct Index
{
    QHash<int, int> rows;
    std::bitset<256> subCodeFamilies;

    Index()
    {
        for (int row = 0; row < Entries.size(); ++row) {
            const SC_DispatchEntry &entry = Entries.at(row);
            rows.insert(keyOf(entry.functionCode, entry.subCode), row);
            if (entry.subCode != Whole)
                subCodeFamilies.set(size_t(entry.functionCode));
        }
    }
};

const Index &index()
{
    static const Index built;
    return built;
}

} // namespace

const QVector<SC_DispatchEntry> &SC_DispatchTable::entries()
{
    return Entries;
}

bool SC_DispatchTable::hasSubCodes(int functionCode)
{
    return functionCode >= 0 && functionCode < 256 && index().subCodeFamilies.test(size_t(functionCode));
}

const SC_DispatchEntry *SC_DispatchTable::find(int functionCode, int subCode)
{
    const auto row = index().rows.constFind(keyOf(functionCode, subCode));
    return row == index().rows.constEnd() ? nullptr : &Entries.at(*row);
}
