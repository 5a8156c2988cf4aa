#pragma once

#include "PacketBytes.h"

// An event-log data packet's payload as the controller writes it, field by
// field; the defaults make an ordinary live fault.
struct WireEvent
{
    quint8 node = 1;
    // Kind 12 (a loop) and loop 1: numerical channel 1 in header layout 0.
    quint8 channel = 12;
    quint8 channelAddr = 1;
    quint8 pointCat = 0;
    quint8 pointNum = 1;
    quint8 logicalPointNum = 251;
    quint8 logicalPointZone = 254;
    quint8 deviceType = 5;
    quint16 eventCode = 100;
    quint16 seqNo = 1;
    quint8 zone = 1;
    quint8 sector = 0;
    quint32 timeAndDate = 900000000;
    quint8 priority = 1;
    quint8 stdPriority = 1;
    quint8 eventCat = 4;
    quint8 statusBits = 0;
    quint8 acceptStatus = 3;
    quint8 pointBits = 0;
    quint16 clientID = 1;
    quint16 totalNoEvents = 1000;
    quint16 eventPosTotal = 0;
    quint8 extDataProvided = 0;
    quint8 infoTextID = 255;

    QByteArray payload(int layout) const
    {
        QByteArray bytes;
        const auto u8 = [&bytes](quint8 value) { bytes.append(char(value)); };
        const auto u16 = [&bytes](quint16 value) { appendUInt16(bytes, value); };
        u8(node);
        if (layout == 1) {
            u8(channel);
            u8(channelAddr);
        } else {
            // Loops travel as kind nibble 0 and the loop as the numerical
            // channel.
            u8(0);
            u8(channelAddr);
        }
        u8(pointCat);
        u8(pointNum);
        u8(logicalPointNum);
        u8(logicalPointZone);
        u8(deviceType);
        u16(eventCode);
        u16(seqNo);
        u8(zone);
        u8(sector);
        u16(quint16(timeAndDate >> 16));
        u16(quint16(timeAndDate));
        u8(priority);
        u8(stdPriority);
        u8(eventCat);
        u8(statusBits);
        u8(acceptStatus);
        u8(pointBits);
        u16(clientID);
        u16(totalNoEvents);
        u16(eventPosTotal);
        u8(extDataProvided);
        if (extDataProvided == 4)
            u8(infoTextID);
        return bytes;
    }

    // A whole packet (function code 139) from node 7 to node 3, sequence 9.
    QByteArray packet(int layout = 0) const { return lkPacket(139, payload(layout), layout); }
};

// An acknowledgement from the controller, in the received header of
// PacketBytes (node 7 to node 3, sequence 9).
inline QByteArray controllerAck(quint16 clientId, quint8 ackType, int layout = 0)
{
    QByteArray payload = hex("0000 0000 00 00");
    payload[0] = char(clientId >> 8);
    payload[1] = char(clientId);
    payload[5] = char(ackType);
    return lkPacket(146, payload, layout);
}

// What the engine answers to a received packet: a reply header swaps its
// nodes, addresses and services.
inline QByteArray replyHeader(quint8 secondService = 0x32)
{
    QByteArray header = hex("00000000 07 03 92 0304 32 0102 32 09");
    header[12] = char(secondService);
    return header;
}

inline QByteArray dataAck(quint16 clientId, quint16 seqNo, quint8 status)
{
    QByteArray body = replyHeader() + hex("0000 0000 00 03");
    body[14] = char(clientId >> 8);
    body[15] = char(clientId);
    body[16] = char(seqNo >> 8);
    body[17] = char(seqNo);
    body[18] = char(status);
    return withLength(body);
}
