#include "link/packets/SC_CalibrateLoopsReqPkt.h"

SC_CalibrateLoopsReqPkt::SC_CalibrateLoopsReqPkt(quint8 panel, quint8 mode, quint8 count, const QByteArray &loops,
                                                 int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(mode).u8(count).bytes(count > 0 ? loops : QByteArray()), SubCode,
                       SC_RequestAddress{layoutKind, panel, true})
{
}
