#pragma once

#include "link/SC_TESKSupportPacket.h"

class SyncClient;

// The controller has the engine forget data (sub-code 15). Payload: 15,
// kind: 1 the event log, 2 and 4 all panel data, 255 both.
class SC_ClearPanelDataPkt final : public SC_TESKSupportPacket
{
public:
    static constexpr int SubCode = 15;
    enum Kind : quint8 { EventLog = 1, PanelData = 2, PanelDataToo = 4, Everything = 255 };

    SC_ClearPanelDataPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

    // Every page's data of every panel; the signatures stay.
    static void clearAllPanelData();

private:
    quint8 m_kind;
    SyncClient *m_client;
};
