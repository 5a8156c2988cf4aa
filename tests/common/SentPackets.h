#pragma once

#include "link/SyncClient.h"

#include <QByteArrayList>
#include <QSignalSpy>

// What a SyncClient sent on the LkSpeak channel, in order.
inline QByteArrayList lkSpeakSent(const QSignalSpy &spy)
{
    QByteArrayList sent;
    for (const QList<QVariant> &arguments : spy) {
        if (arguments.at(0).value<quint8>() == SyncClient::LkSpeakChannel)
            sent << arguments.at(1).toByteArray();
    }
    return sent;
}
