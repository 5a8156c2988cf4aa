#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"

// The outcome of a print request (function code 157), shown in a popup.
// Payload: result | detail.
class SC_PrintReportReplyPkt final : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FunctionCode = LkFunctionCode::PrintReportReply;
    static constexpr int PayloadLength = 2;

    explicit SC_PrintReportReplyPkt(const QSharedPointer<SC_PacketBuffer> &received);

    // The popup's kind: 2 for result 0, 1 for a result without detail, 0
    // otherwise.
    int popupKind() const;

    void handlePacketData() override;
    void serialise() override;

private:
    quint8 m_result;
    quint8 m_detail;
};
