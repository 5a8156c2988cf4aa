#pragma once

#include "SiteConfiguration.h"

#include <QByteArray>
#include <QSet>

#include <functional>

// The pages a controller sends when points change state: the point maps
// of a panel (disabled inputs 14, disabled outputs 15, forced 140, forced
// outputs 141: per channel a bit per point), the not-responding panels (134)
// and the panel's forced point counts (page 139).
namespace PointStatePages {

constexpr int DisabledInputsMap = 14;
constexpr int DisabledOutputsMap = 15;
constexpr int ForcedCounts = 139;
constexpr int ForcedMap = 140;
constexpr int ForcedOutputsMap = 141;
constexpr int NotRespondingMap = 134;

using PointTest = std::function<bool(const SitePoint &)>;

QByteArray pointMap(int page, const SitePanel &panel, int layout, const PointTest &marked);
QByteArray forcedCounts(const SitePanel &panel);
// The panels that do not answer, as the map of the local panel's network
// channel (kind 15, number 1): a bit per panel number.
QByteArray notRespondingMap(quint8 localPanel, const QSet<quint8> &silentPanels, int layout);

} // namespace PointStatePages
