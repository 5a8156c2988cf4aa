#pragma once

#include "LkSpeakCodec.h"

#include <QBitArray>
#include <QByteArray>

// What the bodies of the sync pages the emulator sends are made of: the
// fixed-shape pieces written by the codec's table writer, bit fields and
// texts with their length byte.
namespace PageWriter {

// The panel of system-wide pages.
constexpr quint8 SystemPanel = 254;

QByteArray write(const PacketKind &kind, const QVariantMap &values);
// A bit field: bit i of the array in byte i / 8, least significant first.
QByteArray bitField(const QBitArray &bits);
// A length byte and at most 255 bytes.
QByteArray text(const QByteArray &encoded);

} // namespace PageWriter
