#pragma once

// LkSpeak packet bytes as a controller would send them, and the engine's
// expected answers. Header-only and QtCore-only, so tests, benchmarks and
// fuzzers (which do not link the test support library) build the same bytes.

#include <QByteArray>
#include <QtEndian>

// Golden bytes are written as hex with blanks between fields.
inline QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

inline void appendUInt16(QByteArray &bytes, quint16 value)
{
    bytes.append(char(value >> 8)).append(char(value));
}

// Writes the packet's own size (or 'lengthField' when given) into its
// length field.
inline QByteArray withLength(QByteArray bytes, qint64 lengthField = -1)
{
    const quint32 length = lengthField < 0 ? quint32(bytes.size()) : quint32(lengthField);
    bytes[0] = char(length >> 24);
    bytes[1] = char(length >> 16);
    bytes[2] = char(length >> 8);
    bytes[3] = char(length);
    return bytes;
}

// A received LkSpeak packet: a header of the given layout, then the payload.
// The header fields are distinct, so a test sees which one it read.
inline QByteArray lkPacket(int functionCode, const QByteArray &payload, int layout = 0, qint64 lengthField = -1)
{
    QByteArray header =
        layout == 1 ? hex("00000000 e4 03 07 00 0102 32 0304 b2 09 00") : hex("00000000 03 07 00 0102 32 0304 b2 09");
    header[layout == 1 ? 7 : 6] = char(functionCode);
    return withLength(header + payload, lengthField);
}

// A packet as the controller sends it: source node 3, destination 0, first
// address 0, first service 50, second address 7, second service 1. The
// sequence byte tells requests apart.
inline QByteArray controllerPacket(quint8 functionCode, const QByteArray &payload, bool acknowledge = true,
                                   quint8 sequence = 9)
{
    QByteArray header = hex("00000000 00 03 00 0000 32 0007 01 09");
    header[6] = char(functionCode);
    header[12] = char(acknowledge ? 0x81 : 0x01);
    header[13] = char(sequence);
    return withLength(header + payload);
}

// Support packets (function code 245) from the controller.
inline QByteArray supportPacket(const QByteArray &payload, bool acknowledge = true, quint8 sequence = 9)
{
    return controllerPacket(245, payload, acknowledge, sequence);
}

// A page text: its length byte, then its bytes.
inline QByteArray pageText(const QByteArray &bytes)
{
    return char(bytes.size()) + bytes;
}

// One part of a sync page (sub-code 10).
inline QByteArray syncPagePart(quint8 page, quint8 panel, quint8 part, quint32 signature, const QByteArray &body,
                               bool acknowledge = true, quint8 sequence = 9)
{
    QByteArray pageHeader(8, '\0');
    pageHeader[0] = char(10);
    pageHeader[1] = char(page);
    pageHeader[2] = char(panel);
    pageHeader[3] = char(part);
    qToBigEndian(signature, pageHeader.data() + 4);
    return supportPacket(pageHeader + body, acknowledge, sequence);
}

// The same packet with the layout-1 header: the marker after the length
// field and a reserved byte at its end.
inline QByteArray inLayout1(const QByteArray &layout0)
{
    return withLength(layout0.left(4) + char(228) + layout0.mid(4, 10) + char(0) + layout0.mid(14));
}

// The same packet sent to every node.
inline QByteArray toEveryNode(QByteArray packet)
{
    packet[packet.size() > 4 && quint8(packet.at(4)) == 228 ? 5 : 4] = char(0xff);
    return packet;
}

// The engine's reply to a support packet: addressed back to its sender.
inline QByteArray supportReply(const QByteArray &payload, quint8 sequence = 9)
{
    QByteArray header = hex("00000000 03 00 f5 0007 01 0000 32 09");
    header[13] = char(sequence);
    return withLength(header + payload);
}

inline QByteArray acknowledgement(quint8 answer, quint8 sequence = 9)
{
    return supportReply(QByteArray(1, char(1)) + char(answer), sequence);
}
