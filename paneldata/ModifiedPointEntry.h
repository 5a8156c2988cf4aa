#pragma once

#include "paneldata/ModifiedPointSetting.h"

#include <QVector>

// One element of the upload list: the settings of consecutive addresses
// from a first point, in address order.
struct ModifiedPointEntry
{
    quint8 panel = 0;
    quint8 loop = 0;
    quint8 point = 0;
    QVector<ModifiedPointSetting> settings;
};
