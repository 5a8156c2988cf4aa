#pragma once

#include <QPair>
#include <QString>
#include <QVector>

// A run of consecutive points of one channel with their names, as the
// point-names page delivers it: the texts of point firstPoint + i are
// texts[i] (first language, second language; the second is empty when the
// page carries one language).
struct PanelPointNamesRecord
{
    quint8 channelByte0 = 0;
    quint8 channelByte1 = 0;
    quint8 firstPoint = 0;
    quint8 pointCount = 0;
    QVector<QPair<QString, QString>> texts;
};
