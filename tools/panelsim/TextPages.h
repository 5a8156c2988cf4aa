#pragma once

#include "SiteConfiguration.h"
#include "SiteTexts.h"

#include <QByteArray>
#include <QVector>

// The name and text pages of a site, as payloads of support packets: per
// panel the zone names (6), the point names (7, one part per channel) and
// the loop names (28) and the information texts (18); for the whole system
// the device tags (11), device descriptions (12) and event names (19).
namespace TextPages {

QVector<QByteArray> payloads(const SiteConfiguration &site, const SiteTexts &texts, int layout);

} // namespace TextPages
