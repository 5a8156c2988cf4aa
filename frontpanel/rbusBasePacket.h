#pragma once

#include <QSharedPointer>
#include <QtGlobal>

class QIODevice;
class RbusPacketBuffer;

// One frame the engine sends on the front-panel bus:
//   byte 0    length of the whole frame, this byte included (at most 255)
//   byte 1    code (37 input-point change, 47 emergency-mode command)
//   byte 2    sub-code
//   byte 3 on the body, per packet
// A packet lives for one send: it is built on a fresh buffer, serialised,
// handed to sendReply() and dropped.
class rbusBasePacket
{
public:
    rbusBasePacket(QSharedPointer<RbusPacketBuffer> buffer, quint8 code, quint8 subCode);
    virtual ~rbusBasePacket();
    rbusBasePacket(const rbusBasePacket &) = delete;
    rbusBasePacket &operator=(const rbusBasePacket &) = delete;

    // Writes the frame into the buffer, or marks the packet invalid.
    virtual void serialise() = 0;

    bool isValid() const { return m_valid; }
    const RbusPacketBuffer &buffer() const { return *m_buffer; }

    // Writes the finished frame to the device, only on a monitored bus and
    // only when the packet is valid. True when every byte was written; an
    // empty frame, a failed or a short write is warned about.
    bool sendReply(QIODevice &device, bool monitored) const;

protected:
    RbusPacketBuffer &out() { return *m_buffer; }
    // The header's code and sub-code, the first bytes of every body.
    void appendHeader();
    void setInvalid() { m_valid = false; }

private:
    QSharedPointer<RbusPacketBuffer> m_buffer;
    quint8 m_code;
    quint8 m_subCode;
    bool m_valid = true;
};
