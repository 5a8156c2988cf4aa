#pragma once

#include "paneldata/PointCoreConfiguration.h"

// How many points of a panel the engine holds in its point configuration.
inline int heldPoints(quint8 panel)
{
    int points = 0;
    PointCoreIterator *iterator = PointCoreConfiguration::instance()->pointIterator(panel);
    while (iterator->next())
        ++points;
    return points;
}
