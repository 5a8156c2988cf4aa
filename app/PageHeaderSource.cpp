#include "app/PageHeaderSource.h"

#include "app/Security.h"
#include "app/SystemState.h"
#include "app/statusIconsController.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "frontpanel/USBController.h"
#include "pointmodels/model.h"

namespace {

// The system totals' panel number.
constexpr TC::panel_t kSystemTotals = 254;

PageHeaderSource g_source;

bool isStatusIcon(int icon)
{
    return icon >= 0 && icon < statusIconsController::StatusIconCount;
}

} // namespace

void PageHeaderSource::install(const DB_TESK_FP_Interface *frontPanel)
{
    PageHeaderFeed *feed = PageHeaderFeed::instance();
    feed->install(&g_source);
    const SystemState *state = SystemState::instance();
    QObject::connect(state, &SystemState::stateChanged, feed, &PageHeaderFeed::stateChanged);
    QObject::connect(state, &SystemState::updateBannerStatus, feed, &PageHeaderFeed::stateChanged);
    const statusIconsController *icons = statusIconsController::instance();
    QObject::connect(icons, &statusIconsController::UI_UpdateStatusIcon, feed, &PageHeaderFeed::statusIconChanged);
    QObject::connect(icons, &statusIconsController::UI_UpdateStatusIconSlowFlash, feed,
                     &PageHeaderFeed::statusIconSlowFlashChanged);
    QObject::connect(icons, &statusIconsController::UI_UpdateStatusIconFastFlash, feed,
                     &PageHeaderFeed::statusIconFastFlashChanged);
    QObject::connect(icons, &statusIconsController::UI_UpdateFooterIcon, feed, &PageHeaderFeed::footerIconChanged);
    QObject::connect(icons, &statusIconsController::UI_Update, feed, &PageHeaderFeed::statusIconsUpdated);
    const USBController *usb = USBController::instance();
    feed->setStickPresent(usb->isStickPresent());
    QObject::connect(usb, &USBController::usbStatusChange, feed, &PageHeaderFeed::setStickPresent);
    if (frontPanel) {
        QObject::connect(frontPanel, &DB_TESK_FP_Interface::touchscreenPressed, feed,
                         &PageHeaderFeed::touchscreenPressed);
        QObject::connect(frontPanel, &DB_TESK_FP_Interface::touchscreenReleased, feed,
                         &PageHeaderFeed::touchscreenReleased);
    }
}

void PageHeaderSource::uninstall()
{
    if (PageHeaderFeed *feed = PageHeaderFeed::existingInstance())
        feed->install(nullptr);
}

bool PageHeaderSource::isEthernetOrRbusConnected() const
{
    return SystemState::instance()->isEthernetOrRbusConnected();
}

bool PageHeaderSource::isE30Connected() const
{
    return SystemState::instance()->isE30Connected();
}

int PageHeaderSource::bannerStatus() const
{
    return SystemState::instance()->bannerStatus();
}

bool PageHeaderSource::hasSystemPanelActivity() const
{
    return model::instance()->hasPanelActivity(kSystemTotals);
}

int PageHeaderSource::userLevel() const
{
    return Security::instance()->userLevel();
}

int PageHeaderSource::brand() const
{
    return SystemState::instance()->brand();
}

bool PageHeaderSource::isStatusIconOn(int icon) const
{
    return isStatusIcon(icon)
           && statusIconsController::instance()->isOn(static_cast<statusIconsController::StatusIcons>(icon));
}

PageHeaderFeed::FlashMode PageHeaderSource::statusIconFlashMode(int icon) const
{
    if (!isStatusIcon(icon))
        return PageHeaderFeed::Steady;
    switch (statusIconsController::instance()->flashMode(static_cast<statusIconsController::StatusIcons>(icon))) {
    case statusIconsController::SlowFlash:
        return PageHeaderFeed::SlowFlash;
    case statusIconsController::FastFlash:
        return PageHeaderFeed::FastFlash;
    default:
        return PageHeaderFeed::Steady;
    }
}

bool PageHeaderSource::isFooterIconOn(int icon) const
{
    return icon >= 0 && icon < statusIconsController::FooterIconCount
           && statusIconsController::instance()->isFooterOn(static_cast<statusIconsController::FooterIcons>(icon));
}
