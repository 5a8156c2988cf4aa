#pragma once

#include "link/packets/SC_SerialisationServiceReqPkt.h"

// Starts serialising loops (request type 1); with the from-file flag 1 a
// digital enrolment from the named file. Payload after the leading bytes:
// 0, 1, loop count, loop bits, and with the flag the file name.
class SC_SerialisationServiceInitiateReqPkt final : public SC_SerialisationServiceReqPkt
{
public:
    static constexpr int RequestType = 1;

    SC_SerialisationServiceInitiateReqPkt(int fromFile, const QString &fileName, quint8 panel, const QBitArray &loops,
                                          int layoutKind);
};
