#pragma once

#include "widgets/PageHeaderFeed.h"

class DB_TESK_FP_Interface;

// The engine's state as every page header reads it: the connection and
// banner of the system state, the logged-on user, the brand, the panel
// activity of the system totals and the status-icon controller's icons.
class PageHeaderSource final : public PageHeaderFeed::Source
{
public:
    // Installs the one source into the feed and connects the system state,
    // the status-icon controller and the front panel's touch screen to it.
    static void install(const DB_TESK_FP_Interface *frontPanel);
    static void uninstall();

    bool isEthernetOrRbusConnected() const override;
    bool isE30Connected() const override;
    int bannerStatus() const override;
    bool hasSystemPanelActivity() const override;
    int userLevel() const override;
    int brand() const override;
    bool isStatusIconOn(int icon) const override;
    PageHeaderFeed::FlashMode statusIconFlashMode(int icon) const override;
    bool isFooterIconOn(int icon) const override;
};
