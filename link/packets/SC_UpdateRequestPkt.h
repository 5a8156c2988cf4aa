#pragma once

#include "link/packets/SC_PanelUpdateRequestPkt.h"

#include <QString>

namespace LkSpeak {
namespace PanelUpdate {

// Starts updating a panel (kind 2). Payload: 2, 2, panel, operations (u16),
// 0, the site reference as a length byte and its bytes in the host's
// 8-bit encoding.
class SC_UpdateRequestPkt final : public SC_PanelUpdateRequestPkt
{
public:
    SC_UpdateRequestPkt(quint8 panel, const QString &site, quint16 operations, int layoutKind);
};

} // namespace PanelUpdate
} // namespace LkSpeak
