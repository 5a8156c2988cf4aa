#pragma once

#include <QMap>
#include <QString>
#include <QtGlobal>

// A point's settings as the point settings screens collect them: the first
// address of the device on a loop, what the engineer entered, and the
// logical point number each of its addresses gets.
struct PointSettingsRecord
{
    quint8 panel = 0;
    quint8 loop = 0;
    quint8 point = 0;
    quint8 zone = 254;
    quint16 deviceUse = 0;
    int numberOfAddresses = 1;
    quint8 logicalPointNumber = 251;
    QString text;
    QMap<quint8, quint8> logicalPointMap;
};
