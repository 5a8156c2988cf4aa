#include "PageWriter.h"

namespace {

const PacketKind Text{"text", 0, 0, {{"length", FieldType::U8}, {"bytes", FieldType::Bytes, "length"}}};

} // namespace

namespace PageWriter {

QByteArray write(const PacketKind &kind, const QVariantMap &values)
{
    return LkSpeakCodec::writePayload(kind, values);
}

QByteArray bitField(const QBitArray &bits)
{
    QByteArray bytes((bits.size() + 7) / 8, '\0');
    for (int i = 0; i < bits.size(); ++i) {
        if (bits.testBit(i))
            bytes[i / 8] = char(bytes.at(i / 8) | (1 << (i % 8)));
    }
    return bytes;
}

QByteArray text(const QByteArray &encoded)
{
    const QByteArray bytes = encoded.left(255);
    return write(Text, {{"length", bytes.size()}, {"bytes", bytes}});
}

} // namespace PageWriter
