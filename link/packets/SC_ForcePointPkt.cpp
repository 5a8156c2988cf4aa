#include "link/packets/SC_ForcePointPkt.h"

#include "link/SC_PointsIndividual.h"

SC_ForcePointPkt::SC_ForcePointPkt(int command, quint8 action, const SC_PointsIndividual &points, int start,
                                   int layoutKind)
    : SC_PointListCommand(command, SC_RequestAddress{layoutKind}, SC_RequestFields().u8(action).u8(1), points, start)
{
}
