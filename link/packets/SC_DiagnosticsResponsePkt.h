#pragma once

#include "link/SC_SystemManagerSupportPacket.h"

#include <array>

class SyncClient;

// A panel's diagnostics (sub-code 27). Payload after 27: kind, then
//   kind 1: node | twelve u32 counters of the front-panel bus
//   kind 3: two u32 values of the flash memory
// Other kinds carry nothing the engine reads.
class SC_DiagnosticsResponsePkt final : public SC_SystemManagerSupportPacket
{
public:
    static constexpr int SubCode = 27;
    enum Kind : quint8 { RbusCommsStats = 1, FlashInfo = 3 };

    SC_DiagnosticsResponsePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_kind;
    quint8 m_node = 0;
    std::array<quint32, 12> m_counters{};
    SyncClient *m_client;
};
