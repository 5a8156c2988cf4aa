#pragma once

#include "link/SC_LkSpeakBasePacket.h"

// A packet family whose payload begins with a sub-code byte. Built for
// sending, the sub-code is appended at once; built over received bytes, it
// is read at once, so a subclass continues with the next payload byte.
template <int Code> class SC_SubCodePacket : public SC_LkSpeakBasePacket
{
public:
    static constexpr int FunctionCode = Code;

    int subCode() const { return m_subCode; }

protected:
    explicit SC_SubCodePacket(const QSharedPointer<SC_PacketBuffer> &received)
        : SC_LkSpeakBasePacket(received)
        , m_subCode(buffer()->readUInt8())
    {
    }
    SC_SubCodePacket(int subCode, const SC_RequestAddress &address)
        : SC_SubCodePacket(requestHeader(Code, address), subCode)
    {
    }
    // A reply to a received packet, addressed back to its sender.
    SC_SubCodePacket(const SC_LkSpeakBasePacket &request, int subCode, bool acknowledgeRequest = false)
        : SC_SubCodePacket(makeReply(request, Code, acknowledgeRequest), subCode)
    {
    }

private:
    SC_SubCodePacket(const SC_LkSpeakHeader &outgoing, int subCode)
        : SC_LkSpeakBasePacket(outgoing)
        , m_subCode(subCode)
    {
        buffer()->appendByte(quint8(subCode));
    }

    int m_subCode;
};
