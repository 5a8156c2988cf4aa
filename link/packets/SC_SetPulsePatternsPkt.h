#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"

// The controller's two pulse patterns, which LED states 2 and 3 follow
// (function code 70). Payload: pattern 1 | pattern 2, one bit per half
// second.
class SC_SetPulsePatternsPkt final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FunctionCode = LkFunctionCode::SetPulsePatterns;
    static constexpr int PayloadLength = 2;

    explicit SC_SetPulsePatternsPkt(const QSharedPointer<SC_PacketBuffer> &received);

    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_first;
    quint8 m_second;
};
