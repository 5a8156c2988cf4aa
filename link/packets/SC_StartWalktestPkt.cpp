#include "link/packets/SC_StartWalktestPkt.h"

#include "link/SC_PointsWildCard.h"

SC_StartWalktestPkt::SC_StartWalktestPkt(quint8 mode, const SC_PointsWildCard &scope, int layoutKind)
    : SC_PointListCommand(Walktest, SC_RequestAddress{layoutKind}, SC_RequestFields().u8(mode).u8(0).u8(1), scope, 0)
{
}
