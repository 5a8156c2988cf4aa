#pragma once

#include "link/packets/SC_SerialisationServiceReqPkt.h"

// Asks how the serialisation of loops stands (request type 2). Payload
// after the leading bytes: 1, loop count, loop bits.
class SC_SerialisationServiceStatusReqPkt final : public SC_SerialisationServiceReqPkt
{
public:
    static constexpr int RequestType = 2;

    SC_SerialisationServiceStatusReqPkt(int fromFile, quint8 panel, const QBitArray &loops, int layoutKind);
};
