#pragma once

#include "link/packets/SC_PanelUpdateRequestPkt.h"

namespace LkSpeak {
namespace PanelUpdate {

// Confirms or abandons the update under way (kind 4). Payload: 2, 4, the
// control byte.
class SC_UpdateProcessControlPkt final : public SC_PanelUpdateRequestPkt
{
public:
    SC_UpdateProcessControlPkt(quint8 control, int layoutKind);
};

} // namespace PanelUpdate
} // namespace LkSpeak
