#pragma once

#include <QString>

// The parts of a point's printed address, kept so a list need not build
// them again: the channel-and-point text, the role marker of the point's
// panel and the zone text.
struct ZoneTextEntry
{
    QString pointText;
    QString roleMarker;
    QString zoneText;
};
