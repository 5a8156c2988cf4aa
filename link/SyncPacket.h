#pragma once

#include <QByteArray>
#include <QMetaType>

// One frame of a channel other than link control, as the link layer hands it
// to the protocol client: channel 1 carries LkSpeak packets.
struct SyncPacket
{
    quint8 channel = 0;
    QByteArray body;
};

Q_DECLARE_METATYPE(SyncPacket)
