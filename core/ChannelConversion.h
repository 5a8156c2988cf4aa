#pragma once

#include <QPair>
#include <QtGlobal>

// Packets with header layout 0 carry a channel as a kind nibble and a
// one-byte numerical channel; the engine keeps (channel kind, channel
// address). Every parser of such a packet uses the first conversion, every
// writer the second.

// (kind nibble, numerical channel) -> (channel kind, channel address)
QPair<quint8, quint8> numericalToChannelAddress(quint8 kindNibble, quint8 numerical);

// (channel kind, channel address) -> (kind nibble, numerical channel)
QPair<quint8, quint8> channelAddressToNumerical(quint8 kind, quint8 address);

// The two channel bytes a packet of the header layout carries, and back:
// layout 0 carries the numerical form, layout 1 the pair itself.
QPair<quint8, quint8> channelToLayout(quint8 kind, quint8 address, int layoutKind);
QPair<quint8, quint8> channelFromLayout(quint8 first, quint8 second, int layoutKind);
