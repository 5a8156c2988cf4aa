#pragma once

#include "link/packets/SC_PanelUpdateRequestPkt.h"

#include <QString>

namespace LkSpeak {
namespace PanelUpdate {

// Asks for the path of a digital enrolment file (kind 5). Payload: 2, 5,
// the value byte, the file name as a length byte and its bytes in the
// host's 8-bit encoding.
class SC_DigitalEnrolmentFileReqPacket final : public SC_PanelUpdateRequestPkt
{
public:
    SC_DigitalEnrolmentFileReqPacket(const QString &file, quint8 value, int layoutKind);
};

} // namespace PanelUpdate
} // namespace LkSpeak
