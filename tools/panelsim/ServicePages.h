#pragma once

#include "SiteConfiguration.h"
#include "SiteTexts.h"

#include <QByteArray>
#include <QVector>

// The network, device and service pages of a site, as payloads of support
// packets: the network configuration (17) and nodes (39), the device type
// attributes (36), the device uses (38) and the service tool status (37) for
// the whole system; per panel the logical zones (9), commissioning (27), IR
// mode (30), communication nodes (31), panel values (147) and loop status
// (148). The loop point counters (29) go only when the engine asks.
namespace ServicePages {

QVector<QByteArray> payloads(const SiteConfiguration &site, const SiteTexts &texts);

// Page 17: each panel's state on the network.
QByteArray networkConfiguration(const SiteConfiguration &site);

// Page 27 of a panel: no loop shut down, no mode, no poll, and the time its
// non-LED outputs stay isolated.
QByteArray commissioning(const SitePanel &panel);

// The counters of one loop: every configured point answered.
QByteArray loopCounters(const SitePanel &panel, quint8 loop);

} // namespace ServicePages
