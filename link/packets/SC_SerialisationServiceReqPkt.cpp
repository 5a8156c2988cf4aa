#include "link/packets/SC_SerialisationServiceReqPkt.h"

SC_SerialisationServiceReqPkt::SC_SerialisationServiceReqPkt(int requestType, int fromFile, quint8 panel,
                                                             int layoutKind, const SC_RequestFields &fields)
    : SC_RequestPacket(SC_RequestFields().u8(quint8(fromFile << 5 | requestType)).append(fields), SubCode,
                       SC_RequestAddress{layoutKind, panel, true})
{
}

SC_RequestFields SC_SerialisationServiceReqPkt::loopSet(const QBitArray &loops)
{
    return SC_RequestFields().u8(quint8(loops.size())).bits(loops);
}

// The length byte counts the bytes sent, so the controller never reads
// past the text even when a character takes more than one byte.
SC_RequestFields SC_SerialisationServiceReqPkt::text(const QString &text)
{
    return SC_RequestFields().countedBytes(text.toLocal8Bit());
}
