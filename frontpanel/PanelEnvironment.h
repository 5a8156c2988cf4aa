#pragma once

#include <QString>

// What the front panel's USB socket and card reader read of, and ask of, the
// engine above them: the link, the fire state, who is logged on, and the
// page on top. The start-up installs the engine's; without one a stick only
// sets its flags and reports itself, and a card logs nobody on.
class PanelEnvironment
{
public:
    virtual ~PanelEnvironment() = default;

    virtual bool isE30Connected() const = 0;
    virtual bool isDisconnected() const = 0;
    virtual bool isFireActive() const = 0;
    virtual int accessLevel() const = 0;
    virtual int userLevel() const = 0;
    // The object name of the page on top of the page stack.
    virtual QString topPageName() const = 0;
    // Back to the main screen, the stack unwound.
    virtual void showMainScreen() = 0;
    // A card's log-on refused before it was asked for (result 0), and how
    // to log on while the key switch is off.
    virtual void showLogonResult(int result) = 0;
    virtual void showLogonHelp() = 0;
};
