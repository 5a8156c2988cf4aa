#pragma once

#include "link/SC_RequestPacket.h"
#include "link/SC_SystemManagerSupportPacket.h"

namespace LkSpeak {
namespace PanelUpdate {

// A request of the panel update dialogue (system manager, sub-code 2),
// acknowledgement asked, to the local controller. Payload: 2, the request
// kind, then what the kind carries. Built as it is, it asks for the
// progress of the update under way (kind 3).
class SC_PanelUpdateRequestPkt : public SC_RequestPacket<SC_SystemManagerSupportPacket>
{
public:
    static constexpr int SubCode = 2;
    enum Kind : quint8 {
        SiteList = 0,
        ProjectDetails = 1,
        Update = 2,
        Progress = 3,
        ProcessControl = 4,
        DigitalEnrolmentFile = 5,
    };

    explicit SC_PanelUpdateRequestPkt(int layoutKind);

protected:
    SC_PanelUpdateRequestPkt(Kind kind, const SC_RequestFields &fields, int layoutKind);
};

} // namespace PanelUpdate
} // namespace LkSpeak
