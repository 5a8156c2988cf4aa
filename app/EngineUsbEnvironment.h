#pragma once

#include "frontpanel/USBEnvironment.h"

// The engine as the USB stick handling sees it: the connection and fire
// state, the log-on, and the page stack.
class EngineUsbEnvironment final : public USBEnvironment
{
public:
    bool isE30Connected() const override;
    bool isDisconnected() const override;
    bool isFireActive() const override;
    int accessLevel() const override;
    int userLevel() const override;
    QString topPageName() const override;
    void showMainScreen() override;
};
