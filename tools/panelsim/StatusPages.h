#pragma once

#include "SiteStatus.h"

#include <QByteArray>
#include <QVector>

// The pages and packets that carry a site's status: the status counts of
// each panel (page 5, one part) and the high-priority statuses (support
// sub-code 5), as payloads of support packets.
namespace StatusPages {

constexpr int StatusCountsPage = 5;

QByteArray statusCounts(const SitePanelStatus &status);
QVector<QByteArray> payloads(const SiteStatus &site);
// The standby times ride along as (index, seconds) entries: index 1 the
// fire reset, 5 the panel's initialisation.
enum StandbyTimer : quint8 { FireResetTimer = 1, InitialisationTimer = 5 };
QByteArray highPriority(const SiteStatus &site);
QByteArray highPriority(const SiteStatus &site, StandbyTimer timer, quint16 seconds);

} // namespace StatusPages
