#include "link/SC_LinkFramer.h"

#include <QtEndian>

#include <algorithm>

namespace {

const QByteArray &marker()
{
    static const QByteArray bytes("\xAA\x55\xAA\x55", 4);
    return bytes;
}

} // namespace

void SC_LinkFramer::append(const QByteArray &bytes)
{
    m_buffer.append(bytes);
}

void SC_LinkFramer::reset()
{
    m_buffer.clear();
    m_start = 0;
    m_waiting = false;
}

// Consumed bytes are dropped once per batch of frames, not once per frame.
void SC_LinkFramer::compact()
{
    m_buffer.remove(0, m_start);
    m_start = 0;
}

SC_LinkFramer::Result SC_LinkFramer::next(SyncPacket &frame)
{
    if (!m_waiting) {
        const int found = m_buffer.indexOf(marker(), m_start);
        if (found < 0) {
            // A marker may have begun in the last three bytes.
            m_start = std::max(m_start, int(m_buffer.size()) - (marker().size() - 1));
            compact();
            return Result::NeedMore;
        }
        if (found > m_start) {
            m_start = found;
            return Result::Garbage;
        }
    }

    const int available = m_buffer.size() - m_start;
    if (available < HeaderSize) {
        m_waiting = true;
        compact();
        return Result::NeedMore;
    }
    const char *header = m_buffer.constData() + m_start;
    const quint32 bodyLength = qFromBigEndian<quint32>(header + 5);
    if (bodyLength > MaximumBodyLength) {
        frame.channel = quint8(header[4]);
        frame.body.clear();
        m_oversizedLength = bodyLength;
        m_waiting = false;
        m_start += marker().size();
        return Result::Oversized;
    }
    if (quint32(available - HeaderSize) < bodyLength) {
        m_waiting = true;
        compact();
        return Result::NeedMore;
    }
    frame.channel = quint8(header[4]);
    frame.body = m_buffer.mid(m_start + HeaderSize, int(bodyLength));
    m_start += HeaderSize + int(bodyLength);
    m_waiting = false;
    return Result::Frame;
}

QByteArray SC_LinkFramer::frame(quint8 channel, const QByteArray &body)
{
    QByteArray bytes;
    bytes.reserve(HeaderSize + body.size());
    bytes.append(marker());
    bytes.append(char(channel));
    char length[4];
    qToBigEndian(quint32(body.size()), length);
    bytes.append(length, 4);
    bytes.append(body);
    return bytes;
}
