#include "core/ChannelAddress.h"

ChannelAddress::ChannelAddress(quint8 byte0, quint8 byte1)
    : m_byte0(byte0)
    , m_byte1(byte1)
{
}

ChannelAddress::ChannelAddress(quint8 kind, quint8 address, quint8 number)
{
    set(kind, address, number);
}

void ChannelAddress::set(quint8 kind, quint8 address, quint8 number)
{
    m_byte0 = quint8((kind & 0x0F) | (number << 4));
    m_byte1 = address;
}

ChannelAddress ChannelAddress::fromKey(quint16 key)
{
    return ChannelAddress(quint8(key & 0xFF), quint8(key >> 8));
}
