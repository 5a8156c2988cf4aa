#include "link/SC_LkSpeakBasePacket.h"

SC_LkSpeakBasePacket::SC_LkSpeakBasePacket(const QSharedPointer<SC_PacketBuffer> &received)
    : m_buffer(received)
{
    m_buffer->rewind();
    m_header = m_buffer->header();
}

SC_LkSpeakBasePacket::SC_LkSpeakBasePacket(const SC_LkSpeakHeader &outgoing)
    : m_buffer(SC_PacketBuffer::createOutgoing(outgoing.layoutKind))
    , m_header(outgoing)
{
    m_buffer->writeHeader(m_header);
}

SC_LkSpeakBasePacket::~SC_LkSpeakBasePacket() = default;

SC_LkSpeakHeader SC_LkSpeakBasePacket::makeReply(const SC_LkSpeakBasePacket &request, int functionCode,
                                                 bool acknowledgeRequest)
{
    return request.header().replyHeader(functionCode, acknowledgeRequest);
}

SC_LkSpeakHeader SC_LkSpeakBasePacket::makeReplyAs(const SC_LkSpeakBasePacket &request, int functionCode,
                                                   quint8 secondService, bool acknowledgeRequest)
{
    SC_LkSpeakHeader reply = makeReply(request, functionCode, acknowledgeRequest);
    reply.secondService = secondService;
    return reply;
}

SC_LkSpeakHeader SC_LkSpeakBasePacket::requestHeader(int functionCode, const SC_RequestAddress &address)
{
    SC_LkSpeakHeader header;
    header.functionCode = functionCode;
    header.layoutKind = address.layoutKind;
    header.destinationNode = address.destinationNode;
    header.sourceNode = 0;
    header.firstAddress = address.firstAddress;
    header.firstService = 1;
    header.secondAddress = 0;
    header.secondService = address.secondService;
    header.acknowledgeRequest = address.acknowledgeRequest;
    header.sequence = address.sequence;
    return header;
}
