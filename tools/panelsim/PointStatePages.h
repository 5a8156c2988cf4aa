#pragma once

#include "SiteConfiguration.h"

#include <QByteArray>

#include <functional>

// The pages a controller sends when points change state: the point maps
// of a panel (disabled inputs 14, disabled outputs 15, forced 140, forced
// outputs 141: per channel a bit per point) and the panel's forced point counts (page 139).
namespace PointStatePages {

constexpr int DisabledInputsMap = 14;
constexpr int DisabledOutputsMap = 15;
constexpr int ForcedCounts = 139;
constexpr int ForcedMap = 140;
constexpr int ForcedOutputsMap = 141;

using PointTest = std::function<bool(const SitePoint &)>;

QByteArray pointMap(int page, const SitePanel &panel, int layout, const PointTest &marked);
QByteArray forcedCounts(const SitePanel &panel);

} // namespace PointStatePages
