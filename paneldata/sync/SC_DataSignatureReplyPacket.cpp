#include "paneldata/sync/SC_DataSignatureReplyPacket.h"

SC_DataSignatureReplyPacket::SC_DataSignatureReplyPacket(const sc_SyncPagePacket &request, bool valid,
                                                         quint32 signature)
    : sc_SyncPagePacket(request, SubCode)
    , m_valid(valid)
    , m_signature(signature)
{
}

void SC_DataSignatureReplyPacket::handlePacketData()
{
}

void SC_DataSignatureReplyPacket::serialise()
{
    buffer()->appendByte(m_valid ? 1 : 0);
    buffer()->appendUInt32(m_signature);
    buffer()->writeLength();
}
