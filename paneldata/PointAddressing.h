#pragma once

#include "core/ChannelAddress.h"
#include "link/SimplePointInfo.h"

#include <QBitArray>
#include <QString>

// Numeric packings of a point address, most significant byte first.
quint32 packPointAddress(quint8 panel, quint8 channelByte, quint8 channelAddress, quint8 point);
quint32 packChannelPointAddress(quint8 panel, const ChannelAddress &channel, quint8 point);
quint32 packSimplePointInfo(const SimplePointInfo &point);

// A loop number is used as the loop channel's address.
quint8 loopToChannel(quint8 loop);

// "1" and "0" flag strings as the state store keeps them, one character per
// bit in bit order.
QBitArray bitStringToBitArray(const QString &bits);
QString bitArrayToBitString(const QBitArray &bits);
