#include "link/SC_RequestFields.h"

#include "link/SC_PacketBuffer.h"

SC_RequestFields &SC_RequestFields::u8(quint8 value)
{
    m_fields.append({Field::U8, value, {}, {}, {}});
    return *this;
}

SC_RequestFields &SC_RequestFields::u16(quint16 value)
{
    m_fields.append({Field::U16, value, {}, {}, {}});
    return *this;
}

SC_RequestFields &SC_RequestFields::u32(quint32 value)
{
    m_fields.append({Field::U32, value, {}, {}, {}});
    return *this;
}

SC_RequestFields &SC_RequestFields::repeat(int count, quint8 value)
{
    for (int i = 0; i < count; ++i)
        u8(value);
    return *this;
}

SC_RequestFields &SC_RequestFields::text(const QString &value)
{
    m_fields.append({Field::Text, 0, value, {}, {}});
    return *this;
}

SC_RequestFields &SC_RequestFields::countedBytes(const QByteArray &value)
{
    m_fields.append({Field::CountedBytes, 0, {}, value.left(255), {}});
    return *this;
}

SC_RequestFields &SC_RequestFields::bits(const QBitArray &value)
{
    m_fields.append({Field::Bits, 0, {}, {}, value});
    return *this;
}

SC_RequestFields &SC_RequestFields::bytes(const QByteArray &value)
{
    m_fields.append({Field::Bytes, 0, {}, value, {}});
    return *this;
}

SC_RequestFields &SC_RequestFields::append(const SC_RequestFields &more)
{
    m_fields += more.m_fields;
    return *this;
}

void SC_RequestFields::appendTo(SC_PacketBuffer &buffer) const
{
    for (const Field &field : m_fields) {
        switch (field.type) {
        case Field::U8:
            buffer.appendByte(quint8(field.value));
            break;
        case Field::U16:
            buffer.appendUInt16(quint16(field.value));
            break;
        case Field::U32:
            buffer.appendUInt32(field.value);
            break;
        case Field::Text:
            buffer.appendText(field.text);
            break;
        case Field::CountedBytes:
            buffer.appendByte(quint8(field.bytes.size()));
            buffer.appendByteArray(field.bytes);
            break;
        case Field::Bits:
            buffer.appendBitArray(field.bits);
            break;
        case Field::Bytes:
            buffer.appendByteArray(field.bytes);
            break;
        }
    }
}
