#include "screens/status/EventsSummaryScreens.h"

#include "screens/status/AUK_30074.h"
#include "screens/status/AUK_30075.h"
#include "screens/status/AUK_30076.h"
#include "screens/status/AUK_30077.h"
#include "screens/status/AUK_30077_F.h"
#include "screens/status/AUK_30078.h"

#include <QCoreApplication>

namespace {

constexpr int ControlsHeader = 9;

} // namespace

Page *EventsSummaryScreens::create(KeyDispatchEnvironment::EventsSummary summary, int accessLevel, int userLevel)
{
    using E = KeyDispatchEnvironment;
    switch (summary) {
    case E::GeneralSummary:
        return new AUK_30074(accessLevel, userLevel, nullptr);
    case E::PanelSummary:
        return new AUK_30075(accessLevel, userLevel, nullptr);
    case E::SoundersSummary:
        return new AUK_30076(accessLevel, userLevel, nullptr);
    case E::AlarmSignallingSummary:
        return new AUK_30077(accessLevel, userLevel, nullptr);
    case E::FaultSignallingSummary:
        return new AUK_30077_F(accessLevel, userLevel, nullptr);
    case E::ProtectionSummary:
        return new AUK_30078(accessLevel, userLevel, nullptr);
    case E::ControlsSummary:
        return new AUK_30078(accessLevel, userLevel, EventsSummaryCommon::Controls, ControlsHeader,
                             QCoreApplication::translate("InputSignaller", "_CONTROLS_INFO"), nullptr);
    }
    return nullptr;
}
