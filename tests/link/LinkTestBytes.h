#pragma once

#include <QByteArray>

// Golden bytes are written as hex with blanks between fields.
inline QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
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
inline QByteArray lkPacket(int functionCode, const QByteArray &payload, int layout = 0,
                           qint64 lengthField = -1)
{
    QByteArray header = layout == 1 ? hex("00000000 e4 03 07 00 0102 32 0304 b2 09 00")
                                    : hex("00000000 03 07 00 0102 32 0304 b2 09");
    header[layout == 1 ? 7 : 6] = char(functionCode);
    return withLength(header + payload, lengthField);
}
