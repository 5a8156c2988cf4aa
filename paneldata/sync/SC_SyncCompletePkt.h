#pragma once

#include "link/SC_TESKSupportPacket.h"

#include <QByteArray>

class SyncClient;

// The controller ends a synchronisation (sub-code 24). Payload: 24, key
// length L, L bytes of the connection key the next connection is to carry.
class SC_SyncCompletePkt final : public SC_TESKSupportPacket
{
public:
    static constexpr int SubCode = 24;

    SC_SyncCompletePkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client);

    const QByteArray &connectionKey() const { return m_key; }

    void handlePacketData() override;
    void serialise() override;

private:
    QByteArray m_key;
    SyncClient *m_client;
};
