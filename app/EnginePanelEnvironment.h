#pragma once

#include "frontpanel/PanelEnvironment.h"

// The engine as the USB socket and the card reader see it: the connection and fire
// state, the log-on, and the page stack.
class EnginePanelEnvironment final : public PanelEnvironment
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
