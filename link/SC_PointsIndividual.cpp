#include "link/SC_PointsIndividual.h"

void SC_PointsIndividual::addPoint(quint8 channelKind, quint8 channelAddress, quint8 channelNumber, quint8 point)
{
    m_points.append(PointIndividualAddress(channelKind, channelAddress, channelNumber, point));
}
