#pragma once

#include "link/SC_LkSpeakHeader.h"
#include "link/SC_PacketBuffer.h"

#include <QSharedPointer>

// Where a new request goes. Most requests use these defaults; the header
// layout is the one the controller's configuration asks for.
struct SC_RequestAddress
{
    int layoutKind = 0;
    quint8 destinationNode = 0;
    bool acknowledgeRequest = false;
    quint8 secondService = 50;
    quint16 firstAddress = 0;
    quint8 sequence = 0;
};

// The root of every LkSpeak packet. A packet object lives for one parse
// (built over received bytes, then handlePacketData) or one send (built,
// serialise, then its buffer's bytes go out on channel 1).
class SC_LkSpeakBasePacket
{
public:
    virtual ~SC_LkSpeakBasePacket();
    SC_LkSpeakBasePacket(const SC_LkSpeakBasePacket &) = delete;
    SC_LkSpeakBasePacket &operator=(const SC_LkSpeakBasePacket &) = delete;

    virtual void handlePacketData() = 0;
    // Appends the fields the constructor did not append, then the length.
    virtual void serialise() = 0;

    const QSharedPointer<SC_PacketBuffer> &buffer() const { return m_buffer; }
    const SC_LkSpeakHeader &header() const { return m_header; }
    quint32 length() const { return m_header.length; }
    int functionCode() const { return m_header.functionCode; }
    quint8 destinationNode() const { return m_header.destinationNode; }
    quint8 sourceNode() const { return m_header.sourceNode; }
    bool acknowledgeRequest() const { return m_header.acknowledgeRequest; }
    quint8 sequence() const { return m_header.sequence; }
    int layoutKind() const { return m_header.layoutKind; }

    static SC_LkSpeakHeader makeReply(const SC_LkSpeakBasePacket &request, int functionCode, bool acknowledgeRequest);
    static SC_LkSpeakHeader makeReplyAs(const SC_LkSpeakBasePacket &request, int functionCode, quint8 secondService,
                                        bool acknowledgeRequest);
    static SC_LkSpeakHeader requestHeader(int functionCode, const SC_RequestAddress &address);

protected:
    // Over a received packet: reads the header.
    explicit SC_LkSpeakBasePacket(const QSharedPointer<SC_PacketBuffer> &received);
    // For sending: a new buffer of the header's layout, header written.
    explicit SC_LkSpeakBasePacket(const SC_LkSpeakHeader &outgoing);

private:
    QSharedPointer<SC_PacketBuffer> m_buffer;
    SC_LkSpeakHeader m_header;
};
