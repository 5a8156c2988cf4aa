#pragma once

#include <QDateTime>
#include <QtGlobal>

// One network node's communication statistics as one network-fault reply
// reported them, stamped with the panel time of the reply.
struct LkNodeStatistics
{
    quint8 nextActiveNode = 0;
    quint8 flowControl = 0;
    quint64 leftGoodFrames = 0;
    quint32 leftSerialErrors = 0;
    quint32 leftFrameErrors = 0;
    quint32 leftChecksumErrors = 0;
    quint64 rightGoodFrames = 0;
    quint32 rightSerialErrors = 0;
    quint32 rightFrameErrors = 0;
    quint32 rightChecksumErrors = 0;
    quint64 messagesSent = 0;
    quint64 messagesReceived = 0;
    quint32 timeSinceZeroed = 0;
    quint32 timeSinceStartup = 0;
    quint16 leftAdcAverage = 0;
    quint16 rightAdcAverage = 0;
    quint16 groundAdcAverage = 0;
    // A record only of an extended fault map shows no counters.
    bool hasCounters = false;
    bool hasExtendedFaultMap = false;
    quint8 extendedFaultMap = 0;
    QDateTime timeStamp;
};
