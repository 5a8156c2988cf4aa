#include "link/packets/SC_BasicPointCmdPkt.h"

#include "link/SC_PointsIndividual.h"

SC_BasicPointCmdPkt::SC_BasicPointCmdPkt(const SC_PointsIndividual &points, quint8 command, int start, int layoutKind,
                                         bool acknowledgeRequest)
    : SC_PointListCommand(BasicPointCommand, SC_RequestAddress{layoutKind, 0, acknowledgeRequest},
                          SC_RequestFields().u8(command).u8(1), points, start)
{
}
