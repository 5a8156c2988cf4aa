#include "pointmodels/WalktestPointFilter.h"

#include "pointmodels/DeviceAttributeTests.h"

namespace {

constexpr quint8 LoopKind = 12;
// Function bits.
constexpr quint32 Detector = 0x01;
constexpr quint32 CallPoint = 0x02;
constexpr quint32 AlarmInput = 0x04;
constexpr quint32 Sounder = 0x08;

} // namespace

bool WalktestPointFilter::acceptsInput(const PointAddressKey &record) const
{
    switch (m_walkTestKind) {
    case InputsTest:
        return m_testSelector != AlarmInputsSelector || (record.functionFlags & AlarmInput);
    case CallPointsTest:
        return record.functionFlags & CallPoint;
    case DetectorsTest:
        return record.functionFlags & Detector;
    default:
        return false;
    }
}

bool WalktestPointFilter::accept(TC::panel_t, const ChannelAddress *channel, const PointAddressKey *record) const
{
    if (channel->number() != 0)
        return false;
    const bool loopChannel = isLoopKind(*channel);
    const bool sounderOfLoop = loopChannel && m_walkTestKind == SoundersTest && (record->functionFlags & Sounder);
    const quint8 attributes = record->attributes;
    if (attributeHasBits1And2(attributes) && sounderOfLoop)
        return true;
    if (attributeHasBit1(attributes) && channel->kind() == LoopKind && channel->address() >= 1)
        return acceptsInput(*record);
    return attributeHasBit2(attributes) && sounderOfLoop;
}
