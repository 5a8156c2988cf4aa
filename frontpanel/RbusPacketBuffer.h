#pragma once

#include <QByteArray>
#include <QtGlobal>

// The bytes of one front-panel bus frame while a packet builds it: the body
// is appended first, and the length byte is put in front at the end.
class RbusPacketBuffer final
{
public:
    // Length, code and sub-code.
    static constexpr int HeaderLength = 3;
    // The length byte counts itself, so a frame holds at most 255 bytes.
    static constexpr int MaximumFrame = 255;

    void append(quint8 byte) { m_out.append(char(byte)); }
    // Puts the length byte in front. A body too long for one frame is cut
    // to what fits, with a warning.
    void setPacketLength();

    const QByteArray &out() const { return m_out; }

private:
    QByteArray m_out;
};
