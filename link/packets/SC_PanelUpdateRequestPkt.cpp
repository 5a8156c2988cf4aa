#include "link/packets/SC_PanelUpdateRequestPkt.h"

namespace LkSpeak {
namespace PanelUpdate {

SC_PanelUpdateRequestPkt::SC_PanelUpdateRequestPkt(int layoutKind)
    : SC_PanelUpdateRequestPkt(Progress, SC_RequestFields(), layoutKind)
{
}

SC_PanelUpdateRequestPkt::SC_PanelUpdateRequestPkt(Kind kind, const SC_RequestFields &fields, int layoutKind)
    : SC_RequestPacket(SC_RequestFields().u8(kind).append(fields), SubCode, SC_RequestAddress{layoutKind, 0, true})
{
}

} // namespace PanelUpdate
} // namespace LkSpeak
