#pragma once

#include "link/SC_TESKSupportPacket.h"

#include <QByteArray>

// The engine's answer to an initiate connection (sub-code 19). Payload:
//   0 19 | 1-6 the constant bytes 6 1 0 1 0 7 | 7 key length | 8.. key
// The key is the one the previous synchronisation ended with.
class SC_InitiateConnectionRespPacket final : public SC_TESKSupportPacket
{
public:
    static constexpr int SubCode = 19;

    SC_InitiateConnectionRespPacket(const SC_LkSpeakBasePacket &request, const QByteArray &connectionKey);

    void handlePacketData() override;
    void serialise() override;

private:
    QByteArray m_connectionKey;
};
