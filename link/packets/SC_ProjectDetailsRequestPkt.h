#pragma once

#include "link/packets/SC_PanelUpdateRequestPkt.h"

#include <QString>

namespace LkSpeak {
namespace PanelUpdate {

// Asks for the panels of a site and what each can be updated with (kind 1).
// Payload: 2, 1, the site reference as a length byte and its Latin-1
// bytes.
class SC_ProjectDetailsRequestPkt final : public SC_PanelUpdateRequestPkt
{
public:
    SC_ProjectDetailsRequestPkt(const QString &site, int layoutKind);
};

} // namespace PanelUpdate
} // namespace LkSpeak
