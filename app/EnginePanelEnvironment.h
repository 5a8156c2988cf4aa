#pragma once

#include "frontpanel/KeyDispatchEnvironment.h"
#include "frontpanel/PanelEnvironment.h"

// The engine as the USB socket, the card reader and the keys see it: the connection
// and fire state, the log-on, the page stack and the buzzer.
class EnginePanelEnvironment final
    : public PanelEnvironment
    , public KeyDispatchEnvironment
{
public:
    bool isE30Connected() const override;
    bool isDisconnected() const override;
    bool isFireActive() const override;
    int accessLevel() const override;
    int userLevel() const override;
    QString topPageName() const override;
    void showMainScreen() override;

    int guiMode() const override;
    int rbusMode() const override;
    bool hasPermission(int level) const override;
    bool isMainScreenOnTop() const override;
    QStringList pageNames() const override;
    void pop(int count) override;
    void popNonMatching(const QString &screenName) override;
    void disableBuzzer() override;
    void setBuzzerOverride() override;
    void showConfirmation(Confirmation confirmation) override;
    void showActionPopup(int kind) override;
    void showFiresScreen() override;
    void showEventsSummary(EventsSummary summary) override;
    void showLogonResult(int result) override;
    void showLogonHelp() override;
};
