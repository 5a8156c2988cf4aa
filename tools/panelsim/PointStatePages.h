#pragma once

#include "SiteConfiguration.h"

#include <QByteArray>
#include <QSet>

#include <functional>

// The pages a controller sends when points change state: the point maps
// of a panel (disabled inputs 14, disabled outputs 15, forced 140, forced
// outputs 141: per channel a bit per point), the not-responding panels (134)
// and the panel's forced point counts (page 139), and the custom tasks the
// panel offers (13).
namespace PointStatePages {

constexpr int DisabledInputsMap = 14;
constexpr int DisabledOutputsMap = 15;
constexpr int ForcedCounts = 139;
constexpr int ForcedMap = 140;
constexpr int ForcedOutputsMap = 141;
constexpr int NotRespondingMap = 134;
constexpr int TasksMap = 13;

using PointTest = std::function<bool(const SitePoint &)>;

QByteArray pointMap(int page, const SitePanel &panel, int layout, const PointTest &marked);
QByteArray forcedCounts(const SitePanel &panel);
// The panels that do not answer, as the map of the local panel's network
// channel (kind 15, number 1): a bit per panel number.
QByteArray notRespondingMap(quint8 localPanel, const QSet<quint8> &silentPanels, int layout);
// Every point of the panel's task channel; empty for a panel without one.
QByteArray tasksMap(const SitePanel &panel, int layout);

} // namespace PointStatePages
