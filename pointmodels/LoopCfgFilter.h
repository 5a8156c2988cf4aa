#pragma once

#include "paneldata/SimplePointFilter.h"

// The points of one loop (channel kind 0 or 12, channel number 0, the loop
// as channel address). Loop 255 means every loop 1 to 32, and with the
// address-0 flag also the loop channels' address-0 entries.
class LoopCfgFilter final : public SimplePointFilter
{
public:
    static constexpr quint8 AllLoops = 255;

    LoopCfgFilter(quint8 loop, bool alsoAddress0);

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

private:
    quint8 m_loop;
    bool m_alsoAddress0;
};
