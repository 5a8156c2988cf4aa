#pragma once

#include "link/SC_PointManagerServicesPkt.h"
#include "link/SC_RequestPacket.h"

#include <QByteArray>

// Calibrates loops (sub-code 31). Payload: 31, mode, count, then the loop
// bytes when count is above 0.
class SC_CalibrateLoopsReqPkt final : public SC_RequestPacket<SC_PointManagerServicesPkt>
{
public:
    static constexpr int SubCode = 31;

    SC_CalibrateLoopsReqPkt(quint8 panel, quint8 mode, quint8 count, const QByteArray &loops, int layoutKind);
};
