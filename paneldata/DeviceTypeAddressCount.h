#pragma once

#include <QtGlobal>

// How many consecutive addresses a device of the type takes, as the device
// type attributes in the state store say; 0 when they say nothing usable
// (no entry, too few fields, not a number).
int deviceTypeAddressCount(quint8 deviceType);
