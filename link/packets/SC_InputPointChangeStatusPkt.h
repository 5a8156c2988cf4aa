#pragma once

#include "link/LkFunctionCode.h"
#include "link/SC_LkSpeakBasePacket.h"
#include "link/SC_RequestPacket.h"

#include <QVector>

// Operator actions reported as changes of this panel's virtual input points
// (function code 37). Payload: per change, group then input with bit 7 set
// for active; no count, the length field says how many.
class SC_InputPointChangeStatusPkt final : public SC_RequestPacket<SC_LkSpeakBasePacket>
{
public:
    static constexpr int FunctionCode = LkFunctionCode::InputPointChangeStatus;
    static constexpr quint8 Active = 0x80;

    struct Change
    {
        quint8 group;
        quint8 input;
    };

    SC_InputPointChangeStatusPkt(const QVector<Change> &changes, const SC_RequestAddress &address);
};
