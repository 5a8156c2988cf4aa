#include "link/packets/SC_DateTimeInfoPacket.h"

#include "paneldata/DateTime.h"

SC_DateTimeInfoPacket::SC_DateTimeInfoPacket(const QSharedPointer<SC_PacketBuffer> &received)
    : SC_LkSpeakBasePacket(received)
{
    buffer()->readUInt8();
    m_panelTime = buffer()->readUInt32();
}

void SC_DateTimeInfoPacket::handlePacketData()
{
    DateTime::setPanelTime(qint64(m_panelTime));
}

void SC_DateTimeInfoPacket::serialise()
{
    buffer()->writeLength();
}
