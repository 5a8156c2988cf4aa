#pragma once

#include "link/SC_PointManagerServicesPkt.h"
#include "link/SC_RequestPacket.h"

#include <QBitArray>
#include <QString>

// A request of the serialisation service (sub-code 34), acknowledgement
// asked. Payload: 34, then the from-file flag shifted left by 5 or-ed with
// the request type, then what the request type carries.
class SC_SerialisationServiceReqPkt : public SC_RequestPacket<SC_PointManagerServicesPkt>
{
public:
    static constexpr int SubCode = 34;

protected:
    SC_SerialisationServiceReqPkt(int requestType, int fromFile, quint8 panel, int layoutKind,
                                  const SC_RequestFields &fields);

    // A loop count (the low 8 bits of the array's size), then the bits.
    static SC_RequestFields loopSet(const QBitArray &loops);
    // A length byte, then the text in the host's 8-bit encoding.
    static SC_RequestFields text(const QString &text);
};
