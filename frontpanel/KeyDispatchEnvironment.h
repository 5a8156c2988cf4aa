#pragma once

#include <QString>

// What the panel's keys read of, and do to, the engine above them: the
// connection and fire state, who is logged on, the page stack and the
// buzzer. The start-up installs the engine's; without one a key only emits
// its signals.
class KeyDispatchEnvironment
{
public:
    virtual ~KeyDispatchEnvironment() = default;

    // 0 and 1 Ethernet, 2 and 3 a repeater on the front-panel bus.
    virtual int guiMode() const = 0;
    // 1: the front-panel bus is monitored.
    virtual int rbusMode() const = 0;
    virtual bool isE30Connected() const = 0;
    virtual bool isDisconnected() const = 0;
    virtual bool isFireActive() const = 0;
    virtual int accessLevel() const = 0;
    virtual bool hasPermission(int level) const = 0;

    virtual bool isMainScreenOnTop() const = 0;
    // Object names of the pages, bottom first.
    virtual QStringList pageNames() const = 0;
    virtual void showMainScreen() = 0;
    virtual void pop(int count) = 0;
    virtual void popNonMatching(const QString &screenName) = 0;

    virtual void disableBuzzer() = 0;
    virtual void setBuzzerOverride() = 0;

    // The sounders and fire-reset confirmations; their OK and Cancel come
    // back to the key dispatch (confirmSounders() or confirmFireReset(),
    // and cancelPopup()).
    enum Confirmation { SilenceSounders, ResoundSounders, FireReset };
    virtual void showConfirmation(Confirmation confirmation) = 0;
    // The front-panel action popup of the E30 link, which answers its own keys.
    virtual void showActionPopup(int kind) = 0;
    // The fires screen, opened by the Scandinavian key during a fire.
    virtual void showFiresScreen() = 0;
    // The events summaries of the summary keys; the controls summary is the
    // protection key's on panels of the first template.
    enum EventsSummary {
        GeneralSummary,
        PanelSummary,
        SoundersSummary,
        AlarmSignallingSummary,
        FaultSignallingSummary,
        ProtectionSummary,
        ControlsSummary,
    };
    virtual void showEventsSummary(EventsSummary summary) = 0;
};
