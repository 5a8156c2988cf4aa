#pragma once

#include "link/packets/SC_SerialisationServiceReqPkt.h"

// Asks for one loop's serialisation summary (request type 3). Payload after
// the leading bytes: the loop, numbered from 1.
class SC_SerialisationServiceSummaryReqPkt final : public SC_SerialisationServiceReqPkt
{
public:
    static constexpr int RequestType = 3;

    SC_SerialisationServiceSummaryReqPkt(int fromFile, quint8 panel, quint8 loop, int layoutKind);
};
