#include "frontpanel/rbusBasePacket.h"

#include "frontpanel/RbusPacketBuffer.h"

#include <QDebug>
#include <QIODevice>

rbusBasePacket::rbusBasePacket(QSharedPointer<RbusPacketBuffer> buffer, quint8 code, quint8 subCode)
    : m_buffer(std::move(buffer))
    , m_code(code)
    , m_subCode(subCode)
{
}

rbusBasePacket::~rbusBasePacket() = default;

void rbusBasePacket::appendHeader()
{
    m_buffer->append(m_code);
    m_buffer->append(m_subCode);
}

bool rbusBasePacket::sendReply(QIODevice &device, bool monitored) const
{
    if (!m_valid || !monitored)
        return false;
    const QByteArray &frame = m_buffer->out();
    if (frame.isEmpty()) {
        qWarning() << "rbusBasePacket::sendReply: Attempt to send an empty reply";
        return false;
    }
    const qint64 written = device.write(frame);
    if (written != frame.size()) {
        // A confirmed command that never reaches the bus must not pass
        // without a word.
        qWarning().nospace() << "rbusBasePacket::sendReply: wrote " << written << " of " << frame.size()
                             << " bytes: " << device.errorString();
        return false;
    }
    return true;
}
