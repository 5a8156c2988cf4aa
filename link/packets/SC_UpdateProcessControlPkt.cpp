#include "link/packets/SC_UpdateProcessControlPkt.h"

namespace LkSpeak {
namespace PanelUpdate {

SC_UpdateProcessControlPkt::SC_UpdateProcessControlPkt(quint8 control, int layoutKind)
    : SC_PanelUpdateRequestPkt(ProcessControl, SC_RequestFields().u8(control), layoutKind)
{
}

} // namespace PanelUpdate
} // namespace LkSpeak
