#pragma once

#include "paneldata/SimplePointFilter.h"

// The points a walk test of one kind covers, as the walk-test type
// selector names it: kind 1 inputs (selector 4: alarm inputs only), 2
// sounders, 3 call points, 4 detectors. Points of channel number 0 only.
class WalktestPointFilter final : public SimplePointFilter
{
public:
    enum Kind : int { InputsTest = 1, SoundersTest = 2, CallPointsTest = 3, DetectorsTest = 4 };
    static constexpr int AlarmInputsSelector = 4;

    WalktestPointFilter(int testSelector, int walkTestKind)
        : m_testSelector(testSelector)
        , m_walkTestKind(walkTestKind)
    {
    }

    bool accept(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) const override;

private:
    bool acceptsInput(const PointAddressKey &record) const;

    int m_testSelector;
    int m_walkTestKind;
};
