#include "LinkFrameStream.h"

namespace {

const QByteArray Marker = QByteArray::fromHex("aa55aa55");
constexpr int FrameHeader = 9;

quint32 bigEndian32(const QByteArray &bytes, int at)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | quint8(bytes.at(at + i));
    return value;
}

} // namespace

QByteArray LinkFrameStream::encode(quint8 channel, const QByteArray &body)
{
    QByteArray frame = Marker;
    frame += char(channel);
    const quint32 length = quint32(body.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        frame += char(length >> shift);
    return frame + body;
}

std::optional<LinkFrame> LinkFrameStream::takeFrame()
{
    const int start = m_pending.indexOf(Marker);
    if (start < 0) {
        m_pending = m_pending.right(Marker.size() - 1);
        return std::nullopt;
    }
    m_pending.remove(0, start);
    if (m_pending.size() < FrameHeader)
        return std::nullopt;
    const quint32 length = bigEndian32(m_pending, 5);
    if (quint32(m_pending.size() - FrameHeader) < length)
        return std::nullopt;
    LinkFrame frame{quint8(m_pending.at(4)), m_pending.mid(FrameHeader, int(length))};
    m_pending.remove(0, FrameHeader + int(length));
    return frame;
}
