#pragma once

#include "core/ChannelAddress.h"
#include "core/PointAddressKey.h"

class PanelPointCore;

// The one cursor over a panel's configured points: channels in arrival
// order, records in list order, channels without records passed over. Every
// PointCoreConfiguration::pointIterator call re-positions it, so a walk must
// end before anything else starts one.
class PointCoreIterator final
{
public:
    // Positions before the first record; a null core walks nothing.
    void position(const PanelPointCore *core);

    bool next();

    // Valid after next() returned true, until the next call.
    const ChannelAddress &currentChannelKey() const;
    const PointAddressKey *currentRecord() const;

private:
    const PanelPointCore *m_core = nullptr;
    bool m_empty = true;
    int m_channel = -1;
    int m_record = -1;
};
