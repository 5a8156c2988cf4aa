#pragma once

#include <QByteArray>

#include <optional>

// The controller's side of the link framing: AA 55 AA 55, a channel byte, a
// big-endian 32-bit body length, the body.
struct LinkFrame
{
    quint8 channel = 0;
    QByteArray body;
};

class LinkFrameStream final
{
public:
    static QByteArray encode(quint8 channel, const QByteArray &body);

    void append(const QByteArray &bytes) { m_pending += bytes; }
    // The next whole frame, skipping anything before a marker.
    std::optional<LinkFrame> takeFrame();
    void clear() { m_pending.clear(); }

private:
    QByteArray m_pending;
};
