#include "core/ChannelConversion.h"

#include <array>

namespace {

using Pair = QPair<quint8, quint8>;

constexpr quint8 NoChannelKind = 128;
constexpr quint8 AllAddresses = 255;
// Address 255 travels as 31 in the numerical form.
constexpr quint8 NumericalAllAddresses = 31;

// Kind nibble 0: numerical channels 0 to 31 and the channel each stands for.
constexpr std::array<std::array<quint8, 2>, 32> kindZeroChannels{{
    {0, 0}, // 0
    {12, 1},
    {12, 2},
    {12, 3},
    {12, 4},
    {12, 5}, // 1-5
    {12, 6},
    {12, 7},
    {12, 8},
    {12, 9},
    {12, 10}, // 6-10
    {14, 2},
    {14, 3},
    {14, 4},
    {14, 1},
    {14, 5}, // 11-15
    {15, 2},
    {15, 3},
    {15, 0},
    {15, 1},
    {15, 5}, // 16-20
    {13, 1},
    {13, 2},
    {13, 3}, // 21-23
    {NoChannelKind, AllAddresses},
    {NoChannelKind, AllAddresses},
    {NoChannelKind, AllAddresses}, // 24-26
    {14, 0}, // 27
    {0, 28}, // 28
    {NoChannelKind, AllAddresses}, // 29
    {12, AllAddresses}, // 30
    {0, AllAddresses}, // 31
}};

quint8 numericalAddress(quint8 address)
{
    return address == AllAddresses ? NumericalAllAddresses : address;
}

quint8 kind14Numerical(quint8 address)
{
    switch (address) {
    case 0:
        return 27;
    case 1:
        return 14;
    // 11 decodes back to (14, 2); without it a command for (14, 2) would
    // reach (14, 1).
    case 2:
        return 11;
    case 3:
        return 12;
    case 4:
        return 13;
    case 5:
        return 15;
    default:
        return numericalAddress(address);
    }
}

quint8 kind15Numerical(quint8 address)
{
    switch (address) {
    case 0:
        return 18;
    case 1:
        return 19;
    case 2:
        return 16;
    case 3:
        return 17;
    case 4:
        return 18;
    case 5:
        return 20;
    case 12:
    case 13:
        return 0;
    default:
        return numericalAddress(address);
    }
}

} // namespace

QPair<quint8, quint8> numericalToChannelAddress(quint8 kindNibble, quint8 numerical)
{
    if (kindNibble != 0)
        return Pair(kindNibble, numerical == NumericalAllAddresses ? AllAddresses : numerical);
    if (numerical >= kindZeroChannels.size())
        return Pair(NoChannelKind, AllAddresses);
    const auto &channel = kindZeroChannels[numerical];
    return Pair(channel[0], channel[1]);
}

QPair<quint8, quint8> channelAddressToNumerical(quint8 kind, quint8 address)
{
    switch (kind) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 7:
        return Pair(kind, numericalAddress(address));
    case 12:
        if (address == AllAddresses)
            return Pair(0, 30);
        return Pair(0, address >= 1 && address <= 10 ? address : 1);
    case 13:
        if (address == 0)
            return Pair(0, 0);
        return Pair(0, address >= 1 && address <= 3 ? quint8(address + 20) : 29);
    case 14:
        return Pair(0, kind14Numerical(address));
    case 15:
        return Pair(0, kind15Numerical(address));
    default:
        return Pair(0, 0);
    }
}

QPair<quint8, quint8> channelToLayout(quint8 kind, quint8 address, int layoutKind)
{
    return layoutKind == 0 ? channelAddressToNumerical(kind, address) : Pair(kind, address);
}

QPair<quint8, quint8> channelFromLayout(quint8 first, quint8 second, int layoutKind)
{
    return layoutKind == 0 ? numericalToChannelAddress(first, second) : Pair(first, second);
}
