#pragma once

#include "link/SC_PointManagerServicesPkt.h"
#include "link/SC_RequestPacket.h"
#include "paneldata/ModifiedPointSetting.h"

#include <QVector>

// One point's changed settings in a manual point update (sub-code 21),
// acknowledgement asked. Payload: 21, 0, record number (u16), channel byte,
// loop, point, settings count n, then n settings: flags, and as the flags
// say the device use (u16), zone, logical point number and a text. In
// header layout 0 the loop travels in its numerical form.
class SC_ManualPointUpdateRecordPkt final : public SC_RequestPacket<SC_PointManagerServicesPkt>
{
public:
    static constexpr int SubCode = 21;
    static constexpr int MaximumSettings = 255;

    SC_ManualPointUpdateRecordPkt(quint8 panel, quint16 recordNumber, quint8 loop, quint8 point,
                                  const QVector<ModifiedPointSetting> &settings, int layoutKind);
};
