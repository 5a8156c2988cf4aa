#pragma once

#include "link/SC_PointManagerServicesPkt.h"

class SyncClient;

// Whether a real device answered at an address (sub-code 11). Payload: 11,
// result (0 present), one byte, point, device type.
class SC_RealDevPresentReplyPkt final : public SC_PointManagerServicesPkt
{
public:
    static constexpr int SubCode = 11;
    static constexpr int PayloadLength = 5;

    SC_RealDevPresentReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_result;
    quint8 m_point;
    quint8 m_deviceType;
    SyncClient *m_client;
};
