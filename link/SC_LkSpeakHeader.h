#pragma once

#include <QtGlobal>

// The decoded fields of an LkSpeak packet header, in either layout. A reply
// is addressed by swapping the request's node, address and service pairs.
struct SC_LkSpeakHeader
{
    quint32 length = 0;
    int functionCode = 0;
    quint8 destinationNode = 0;
    quint8 sourceNode = 0;
    quint16 firstAddress = 0;
    quint8 firstService = 0;
    quint16 secondAddress = 0;
    // A received header keeps bits 0-6 here and bit 7 in acknowledgeRequest;
    // an outgoing one writes this byte with bit 7 added when an
    // acknowledgement is requested.
    quint8 secondService = 0;
    bool acknowledgeRequest = false;
    quint8 sequence = 0;
    int layoutKind = 0;

    quint8 secondServiceByte() const { return quint8(secondService | (acknowledgeRequest ? 0x80 : 0)); }

    SC_LkSpeakHeader replyHeader(int replyFunctionCode, bool acknowledge) const
    {
        SC_LkSpeakHeader reply;
        reply.functionCode = replyFunctionCode;
        reply.destinationNode = sourceNode;
        reply.sourceNode = destinationNode;
        reply.firstAddress = secondAddress;
        reply.secondAddress = firstAddress;
        reply.firstService = secondService;
        reply.secondService = firstService;
        reply.acknowledgeRequest = acknowledge;
        reply.sequence = sequence;
        reply.layoutKind = layoutKind;
        return reply;
    }
};
