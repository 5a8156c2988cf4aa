#pragma once

#include <QHash>
#include <QVector>

// What the controller says of one device type: two attribute bytes and up
// to eight values.
struct DeviceTypeAttributeRecord
{
    quint8 firstAttribute = 0;
    quint8 secondAttribute = 0;
    QVector<quint16> values;
};

// Every device type described so far, by type; a type described again is
// replaced, one no longer described stays.
QHash<quint8, DeviceTypeAttributeRecord> &deviceTypeAttributes();
