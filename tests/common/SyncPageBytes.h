#pragma once

#include "../link/LinkTestBytes.h"

#include <QString>
#include <QtEndian>

#include <initializer_list>

// Support packets (function code 245) as the controller sends them: source
// node 3, destination 0, first address 0, first service 50, second address 7,
// second service 1. The sequence byte tells requests apart.
inline QByteArray supportPacket(const QByteArray &payload, bool acknowledge = true, quint8 sequence = 9)
{
    QByteArray header = hex("00000000 00 03 f5 0000 32 0007 01 09");
    header[12] = char(acknowledge ? 0x81 : 0x01);
    header[13] = char(sequence);
    return withLength(header + payload);
}

// A page text: its length byte, then its bytes.
inline QByteArray pageText(const QByteArray &bytes)
{
    return char(bytes.size()) + bytes;
}

// A flag text as the state store keeps it: one '0' or '1' per item, the
// given items '1'.
inline QString flagText(std::initializer_list<int> set, int size)
{
    QString text(size, QLatin1Char('0'));
    for (int i : set)
        text[i] = QLatin1Char('1');
    return text;
}

// One part of a sync page (sub-code 10).
inline QByteArray syncPagePart(quint8 page, quint8 panel, quint8 part, quint32 signature,
                               const QByteArray &body, bool acknowledge = true, quint8 sequence = 9)
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
