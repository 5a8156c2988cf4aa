#pragma once

#include <QBitArray>
#include <QByteArray>
#include <QString>
#include <QVector>

class SC_PacketBuffer;

// The payload fields of a request, in wire order. A request class states its
// layout as such a list and one writer appends it:
//   SC_RequestFields().u8(restart).u8(loop)
class SC_RequestFields final
{
public:
    SC_RequestFields &u8(quint8 value);
    SC_RequestFields &u16(quint16 value);
    SC_RequestFields &u32(quint32 value);
    SC_RequestFields &repeat(int count, quint8 value);
    // A length byte, then the text.
    SC_RequestFields &text(const QString &value);
    // A length byte, then the bytes: at most 255 of them.
    SC_RequestFields &countedBytes(const QByteArray &value);
    // The bits packed least significant first, without a count.
    SC_RequestFields &bits(const QBitArray &value);
    SC_RequestFields &bytes(const QByteArray &value);
    SC_RequestFields &append(const SC_RequestFields &more);

    void appendTo(SC_PacketBuffer &buffer) const;
    int size() const { return m_fields.size(); }

private:
    struct Field
    {
        enum Type : quint8 { U8, U16, U32, Text, CountedBytes, Bits, Bytes };
        Type type;
        quint32 value;
        QString text;
        QByteArray bytes;
        QBitArray bits;
    };

    QVector<Field> m_fields;
};
