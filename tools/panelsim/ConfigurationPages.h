#pragma once

#include "SiteConfiguration.h"

#include <QByteArray>
#include <QPair>
#include <QVector>

// The sync pages that replicate a site's configuration, as payloads of
// support packets (function 245, sub-code 10): per panel the panel
// configuration (3), equipment software versions (4), loop drivers (40) and
// point core configuration (8), each in one part.
namespace ConfigurationPages {

constexpr int SupportFunction = 245;
constexpr int DateTimeFunction = 147;

QVector<QByteArray> payloads(const SiteConfiguration &site, int layout);

// The controller's clock report.
QByteArray clockPayload(quint32 panelSeconds);

// A channel (kind, address) as the header layout carries it: in layout 0 a
// kind nibble and a numerical channel.
QPair<quint8, quint8> channelBytes(quint8 kind, quint8 address, int layout);

} // namespace ConfigurationPages
