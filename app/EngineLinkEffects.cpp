#include "app/EngineLinkEffects.h"

#include "app/PageStack.h"
#include "app/SystemState.h"
#include "app/statusIconsController.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "paneldata/IRserviceHandler.h"
#include "paneldata/SingleDevicePollingHandler.h"
#include "paneldata/WalkTestHandler.h"
#include "pointmodels/LkNetworkStats.h"
#include "pointmodels/model.h"
#include "screens/popups/AUK_40056.h"
#include "screens/status/SystemStandbyTimer.h"

namespace {

constexpr int LinkDownLed = 20;
constexpr int LedPulse = 2;

SystemState *state()
{
    return SystemState::instance();
}

} // namespace

int EngineLinkEffects::brand() const
{
    const SystemState *existing = SystemState::existingInstance();
    return existing ? existing->brand() : 0;
}

void EngineLinkEffects::setSynchronising(bool synchronising)
{
    statusIconsController::instance()->setStatusIcon(statusIconsController::BusyIcon, synchronising);
}

void EngineLinkEffects::setCompatible(bool compatible)
{
    statusIconsController *icons = statusIconsController::instance();
    if (compatible)
        icons->setStatusIcon(statusIconsController::BusyIcon, false);
    icons->setStatusIconSlowFlash(statusIconsController::IncompatibleIcon, compatible);
}

void EngineLinkEffects::connectionInitiated(quint8 controllerType)
{
    model::instance()->setControllerType(controllerType);
    state()->ledFlasher().clearOutputStates();
    WalkTestHandler::instance()->reset();
    SingleDevicePollingHandler::instance()->clear();
    IRserviceHandler::instance()->clear();
}

void EngineLinkEffects::clearSystemFaultLed()
{
    DB_TESK_FP_Interface::instance()->clearSystemFaultLED();
}

void EngineLinkEffects::resetTextRequests()
{
    model::instance()->resetTextRequests();
}

void EngineLinkEffects::setPanelName(const QString &name)
{
    DB_TESK_FP_Interface::instance()->setPanel(name);
}

void EngineLinkEffects::showPanelStatus(const PanelStatus &status)
{
    statusIconsController *icons = statusIconsController::instance();
    icons->setFooterIcon(statusIconsController::ExtinguishReleaseIcon, status.extinguishRelease);
    icons->setFooterIcon(statusIconsController::ExtinguishFaultIcon, status.extinguishFault);
    const LkNetworkStats *stats = LkNetworkStats::existingInstance();
    const bool refreshing = stats && stats->isRefreshEnabled();
    icons->setStatusIcon(statusIconsController::CommissioningIcon,
                         status.commissioning || state()->isBuzzerDisabled() || refreshing);
    icons->setStatusIcon(statusIconsController::ServiceIcon, status.service);
    state()->setFireActive(status.fire);
}

void EngineLinkEffects::setFaultActive(bool active)
{
    state()->setFaultActive(active);
}

void EngineLinkEffects::showBanner(bool fire, bool fault)
{
    TC::BANNER_STATUS banner = TC::BANNER_NORMAL;
    if (fire)
        banner = TC::BANNER_FIRE;
    else if (fault || WalkTestHandler::instance()->isWalkTestActive())
        banner = TC::BANNER_FAULT;
    state()->setBannerStatus(banner);
    emit statusIconsController::instance()->UI_Update();
}

void EngineLinkEffects::walkTestUpdated()
{
    if (state()->bannerStatus() == TC::BANNER_NORMAL && WalkTestHandler::instance()->isWalkTestActive())
        state()->setBannerStatus(TC::BANNER_FAULT);
}

void EngineLinkEffects::linkLost()
{
    state()->ledFlasher().setOutputPointState(flasher::RealOutput, LinkDownLed, LedPulse);
}

void EngineLinkEffects::controllerLost()
{
    state()->setFireActive(false);
}

void EngineLinkEffects::loggedOff()
{
    state()->enableBuzzer();
}

void EngineLinkEffects::setPulsePatterns(quint8 first, quint8 second)
{
    flasher &leds = state()->ledFlasher();
    leds.rateA().setPulsePattern(first);
    leds.rateB().setPulsePattern(second);
}

void EngineLinkEffects::setOutputPointState(int kind, quint8 point, int ledState)
{
    state()->ledFlasher().setOutputPointState(kind, point, ledState);
}

void EngineLinkEffects::showPrintResult(int popupKind)
{
    PageStack::instance()->push(new AUK_40056(popupKind, nullptr));
}

void EngineLinkEffects::startStandbyCountdown(quint16 count, int standby)
{
    SystemStandbyTimer::instance()->startCountdown(count, standby);
}
