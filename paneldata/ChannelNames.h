#pragma once

#include <QString>

// The names printed for channels that are not loops: a name id by channel
// kind, by channel address, or by both; id 0 (no entry) names nothing.
namespace ChannelNames {

QString nameOf(int id);
int idByKind(quint8 kind);
int idByAddress(quint8 address);
int idByKindAndAddress(quint8 kind, quint8 address);

} // namespace ChannelNames
