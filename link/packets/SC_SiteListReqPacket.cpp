#include "link/packets/SC_SiteListReqPacket.h"

namespace LkSpeak {
namespace PanelUpdate {

SC_SiteListReqPacket::SC_SiteListReqPacket(int layoutKind)
    : SC_PanelUpdateRequestPkt(SiteList, SC_RequestFields().u8(0), layoutKind)
{
}

} // namespace PanelUpdate
} // namespace LkSpeak
