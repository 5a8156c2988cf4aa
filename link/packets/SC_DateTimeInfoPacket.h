#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"

// The controller's clock (function code 147). Payload: one byte not used |
// panel time (u32).
class SC_DateTimeInfoPacket final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FunctionCode = LkFunctionCode::DateTimeInfo;
    static constexpr int PayloadLength = 5;

    explicit SC_DateTimeInfoPacket(const QSharedPointer<SC_PacketBuffer> &received);

    void handlePacketData() override;
    void serialise() override;

private:
    quint32 m_panelTime = 0;
};
