#include "link/packets/SC_SerialisationServiceLoopSetReqPkt.h"

SC_SerialisationServiceLoopSetReqPkt::SC_SerialisationServiceLoopSetReqPkt(int fromFile, quint8 panel,
                                                                           const QString &path, int layoutKind)
    : SC_SerialisationServiceReqPkt(RequestType, fromFile, panel, layoutKind, text(path))
{
}
