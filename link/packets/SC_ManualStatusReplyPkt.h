#pragma once

#include "link/SC_PointManagerServicesPkt.h"

class SyncClient;

// The controller's answer to each step of a manual point update (sub-code
// 21). Payload: 21, one byte, status s, result r, an id (u16). A step is
// accepted when the low 7 bits of s are 0 or 1 and r is 0, 3, 4 or 5; with
// bit 7 of s set the id is the update's.
class SC_ManualStatusReplyPkt final : public SC_PointManagerServicesPkt
{
public:
    static constexpr int SubCode = 21;
    static constexpr int PayloadLength = 6;
    enum Result : quint8 { RecordTaken = 0, CommitTaken = 3, PanelRestartNeeded = 4 };

    SC_ManualStatusReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    quint8 status() const { return m_status; }
    quint8 result() const { return m_result; }
    quint16 id() const { return m_id; }
    bool isAccepted() const;
    bool carriesUpdateId() const { return (m_status & 0x80) != 0; }

    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_status;
    quint8 m_result;
    quint16 m_id;
    SyncClient *m_client;
};
