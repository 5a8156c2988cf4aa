#pragma once

#include "link/packets/SC_SerialisationServiceReqPkt.h"

// Asks which loops a digital enrolment file covers (request type 5).
// Payload after the leading bytes: the file's path as a text.
class SC_SerialisationServiceLoopSetReqPkt final : public SC_SerialisationServiceReqPkt
{
public:
    static constexpr int RequestType = 5;

    SC_SerialisationServiceLoopSetReqPkt(int fromFile, quint8 panel, const QString &path, int layoutKind);
};
