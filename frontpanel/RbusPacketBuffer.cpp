#include "frontpanel/RbusPacketBuffer.h"

#include <QDebug>

void RbusPacketBuffer::setPacketLength()
{
    const int length = m_out.size();
    if (length < MaximumFrame) {
        m_out.prepend(char(length + 1));
        return;
    }
    qWarning().nospace() << "setPacketLength:" << length << ">" << MaximumFrame - 1;
    m_out.prepend(char(MaximumFrame));
    m_out.truncate(MaximumFrame);
}
