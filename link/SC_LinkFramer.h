#pragma once

#include "link/SyncPacket.h"

#include <QByteArray>

// Cuts the controller's byte stream into link frames:
//
//   offset  width  content
//   0-3     4      marker AA 55 AA 55
//   4       1      channel
//   5-8     4      body length, big-endian (header not counted)
//   9..     n      body
//
// Bytes before a marker are dropped. A body length above the cap is taken
// for a false marker: the marker is dropped and the search goes on, so one
// bad length field cannot hold the link for ever.
class SC_LinkFramer final
{
public:
    static constexpr int HeaderSize = 9;
    static constexpr quint32 MaximumBodyLength = 1024 * 1024;

    enum class Result { Frame, NeedMore, Garbage, Oversized };

    void append(const QByteArray &bytes);
    // Frame: one whole frame taken off the front into 'frame'. Garbage:
    // bytes dropped; call again. Oversized: a marker dropped for its body
    // length ('frame' gives the channel); call again. NeedMore: nothing
    // more until more bytes.
    Result next(SyncPacket &frame);
    void reset();

    bool isWaiting() const { return m_waiting; }
    int bufferedBytes() const { return m_buffer.size() - m_start; }
    // The length field of the last Oversized frame.
    quint32 oversizedLength() const { return m_oversizedLength; }

    static QByteArray frame(quint8 channel, const QByteArray &body);

private:
    void compact();

    QByteArray m_buffer;
    int m_start = 0;
    bool m_waiting = false;
    quint32 m_oversizedLength = 0;
};
