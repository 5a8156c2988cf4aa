#pragma once

#include "link/SyncClient.h"

#include <QByteArrayList>
#include <QSignalSpy>
#include <QStringList>
#include <QVector>

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

// The LkSpeak payload of a sent packet, after the header of either layout.
inline QByteArray lkSpeakPayload(const QByteArray &packet)
{
    const bool layout1 = packet.size() > 4 && quint8(packet.at(4)) == 0xe4;
    return packet.mid(layout1 ? 16 : 14);
}

// A disable or enable request as sent: its function and direction and its
// first point list's panel and entry count.
struct SentDisablement
{
    int function;
    int direction;
    int panel;
    int entries;
};

inline QVector<SentDisablement> disablementsSent(const QSignalSpy &spy)
{
    QVector<SentDisablement> sent;
    for (const QByteArray &packet : lkSpeakSent(spy)) {
        const QByteArray payload = lkSpeakPayload(packet);
        if (payload.size() >= 8 && quint8(payload.at(0)) == 0x64 && payload.at(1) == 4)
            sent.append(SentDisablement{payload.at(2), payload.at(3), quint8(payload.at(6)), quint8(payload.at(7))});
    }
    return sent;
}

// Each list's panel and number of points, in the order sent: "2:1 5:2".
inline QString pointsByPanel(const QVector<SentDisablement> &sent)
{
    QStringList lists;
    for (const SentDisablement &list : sent)
        lists << QStringLiteral("%1:%2").arg(list.panel).arg(list.entries);
    return lists.join(QLatin1Char(' '));
}
