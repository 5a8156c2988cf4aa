#pragma once

// The item-data roles of the rows the filter model builds; the selectors,
// views and delegates read them by these numbers.
namespace FilteredRoles {

enum Role : int {
    CheckRole = 10,
    PanelRole = 33,
    ZoneRole = 34,
    PointRole = 35,
    LoopRole = 38,
    LogicalZoneRole = 42,
    ChannelNumberRole = 43,
    DeviceTagRole = 44,
    ForceActionRole = 49,
    DisableActionRole = 50,
    PointKeyRole = 51,
    ItemTypeRole = 53,
    AddressRole = 62,
    WalkTestKindRole = 66,
    WalkTestSelectorRole = 67,
    ZoneAddressRole = 69,
    ChannelKindRole = 70,
    DeviceTypeRole = 101,
    DeviceUseRole = 110,
    DeviceUseTextRole = 111,
    AddressCountRole = 112,
    PrinterNumberRole = 141,
    PrinterByteRole = 142,
    ShownPointNumberRole = 174,
};

// Rows answer the walk-test roles with these when they stand for no
// selection; the filter model starts its walk-test fields with them too.
inline constexpr int NoWalkTestSelector = -1;
inline constexpr int NoWalkTestKind = 17;
// A panel row's logical zone: all of them.
inline constexpr int AnyLogicalZone = 255;

} // namespace FilteredRoles
