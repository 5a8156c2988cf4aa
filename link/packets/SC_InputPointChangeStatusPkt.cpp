#include "link/packets/SC_InputPointChangeStatusPkt.h"

SC_InputPointChangeStatusPkt::SC_InputPointChangeStatusPkt(const QVector<Change> &changes,
                                                           const SC_RequestAddress &address)
    : SC_LkSpeakBasePacket(requestHeader(FunctionCode, address))
    , m_changes(changes)
{
}

void SC_InputPointChangeStatusPkt::handlePacketData()
{
}

void SC_InputPointChangeStatusPkt::serialise()
{
    for (const Change &change : m_changes) {
        buffer()->appendByte(change.group);
        buffer()->appendByte(change.input);
    }
    buffer()->writeLength();
}
