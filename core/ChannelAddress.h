#pragma once

#include <QtGlobal>

// A channel of a panel in two bytes: byte 0 holds the channel kind in bits
// 0-3 and the channel number in bits 4-7, byte 1 the channel address (the
// loop number on a loop channel).
class ChannelAddress final
{
public:
    ChannelAddress() = default;
    ChannelAddress(quint8 byte0, quint8 byte1);
    ChannelAddress(quint8 kind, quint8 address, quint8 number);

    // Number bits above 3 do not fit the nibble and are lost.
    void set(quint8 kind, quint8 address, quint8 number);

    quint8 byte0() const { return m_byte0; }
    quint8 byte1() const { return m_byte1; }
    quint8 kind() const { return m_byte0 & 0x0F; }
    quint8 number() const { return m_byte0 >> 4; }
    quint8 address() const { return m_byte1; }

    // Byte 0 in the low 8 bits, byte 1 in the high 8 bits: the key under
    // which the point data maps file a channel.
    quint16 key() const { return quint16(m_byte0 | (m_byte1 << 8)); }
    static ChannelAddress fromKey(quint16 key);

    bool operator==(const ChannelAddress &other) const { return m_byte0 == other.m_byte0 && m_byte1 == other.m_byte1; }
    bool operator!=(const ChannelAddress &other) const { return !(*this == other); }

private:
    quint8 m_byte0 = 255;
    quint8 m_byte1 = 255;
};
