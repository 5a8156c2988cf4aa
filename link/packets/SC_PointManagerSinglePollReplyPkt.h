#pragma once

#include "link/SC_PointManagerServicesPkt.h"

#include <QMetaType>

class SyncClient;

// The controller's answer to a single-device poll command: sub-code 4 for
// a start, 6 for a stop. Payload: the sub-code, the command status, the
// loop.
class SC_PointManagerSinglePollReplyPkt final : public SC_PointManagerServicesPkt
{
public:
    static constexpr int StartReplySubCode = 4;
    static constexpr int StopReplySubCode = 6;
    static constexpr int PayloadLength = 3;

    enum SinglePollReplyType : int { StartReply = 0, StopReply = 1 };

    SC_PointManagerSinglePollReplyPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_status;
    quint8 m_loop;
    SyncClient *m_client;
};

Q_DECLARE_METATYPE(SC_PointManagerSinglePollReplyPkt::SinglePollReplyType)
