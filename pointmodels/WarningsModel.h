#pragma once

#include "pointmodels/EventLogCommonQueryModel.h"

// The outstanding warnings of one panel (255: all panels).
class WarningsModel final : public EventLogCommonQueryModel
{
public:
    WarningsModel(quint8 node, QObject *parent);
};
