#pragma once

#include "link/packets/SC_PanelUpdateRequestPkt.h"

namespace LkSpeak {
namespace PanelUpdate {

// Asks for the sites that can be loaded (kind 0). Payload: 2, 0, 0.
class SC_SiteListReqPacket final : public SC_PanelUpdateRequestPkt
{
public:
    explicit SC_SiteListReqPacket(int layoutKind);
};

} // namespace PanelUpdate
} // namespace LkSpeak
