#pragma once

#include "paneldata/sc_SyncPagePacket.h"

// The engine's answer to a signature request (sub-code 8). Payload:
//   0 8 | 1 page id | 2 part | 3 panel | 4 valid: 1 when the signature came
//   with a data update since the start | 5-8 signature, 0 when none is held
class SC_DataSignatureReplyPacket final : public sc_SyncPagePacket
{
public:
    static constexpr int SubCode = 8;

    SC_DataSignatureReplyPacket(const sc_SyncPagePacket &request, bool valid, quint32 signature);

    void handlePacketData() override;
    void serialise() override;

private:
    bool m_valid;
    quint32 m_signature;
};
