#pragma once

#include <QtGlobal>

// The configuration record of one point, as sync page 8 delivers it and as
// every list of points reads it in place.
struct PointAddressKey
{
    static constexpr quint8 NoDevice = 128;
    static constexpr quint8 NoZone = 254;
    static constexpr quint8 NoLogicalPointNumber = 251;
    // What page 8 stores when it carries no logical point numbers.
    static constexpr quint8 UnsetLogicalPointNumber = 254;

    PointAddressKey() = default;
    PointAddressKey(quint8 pointNumber, quint8 zone, quint8 deviceType, quint8 attributes, quint32 functionFlags,
                    quint8 logicalPointNumber)
        : pointNumber(pointNumber)
        , zone(zone)
        , deviceType(deviceType)
        , attributes(attributes)
        , functionFlags(functionFlags)
        , logicalPointNumber(logicalPointNumber)
    {
    }

    bool operator==(const PointAddressKey &other) const
    {
        return pointNumber == other.pointNumber && zone == other.zone && deviceType == other.deviceType
               && attributes == other.attributes && functionFlags == other.functionFlags
               && logicalPointNumber == other.logicalPointNumber;
    }
    bool operator!=(const PointAddressKey &other) const { return !(*this == other); }

    quint8 pointNumber = 254;
    quint8 zone = NoZone;
    quint8 deviceType = NoDevice;
    // Bits 0x18 equal to 0x08 mark a point that is not a physical device.
    quint8 attributes = 255;
    quint32 functionFlags = 0xFFFFFFFFu;
    quint8 logicalPointNumber = NoLogicalPointNumber;
};
