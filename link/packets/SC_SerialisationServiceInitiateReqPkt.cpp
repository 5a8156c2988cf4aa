#include "link/packets/SC_SerialisationServiceInitiateReqPkt.h"

namespace {

constexpr int FromFile = 1;

} // namespace

SC_SerialisationServiceInitiateReqPkt::SC_SerialisationServiceInitiateReqPkt(int fromFile, const QString &fileName,
                                                                             quint8 panel, const QBitArray &loops,
                                                                             int layoutKind)
    : SC_SerialisationServiceReqPkt(RequestType, fromFile, panel, layoutKind,
                                    SC_RequestFields()
                                        .u8(0)
                                        .u8(1)
                                        .append(loopSet(loops))
                                        .append(fromFile == FromFile ? text(fileName) : SC_RequestFields()))
{
}
