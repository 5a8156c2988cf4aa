#pragma once

#include <QtGlobal>

class QString;

// What the link's packets change above the link: the front panel's LEDs and
// icons, the engine state that the screens watch, popups, and the panel
// model's view of the controller. The start-up installs the engine's effects;
// until it does (tools, fuzzers and tests that run the link alone) they do
// nothing, and an outcome that a user would have seen is printed instead.
class SC_LinkEffects
{
public:
    // The parts of a high-priority status that the screens show.
    struct PanelStatus
    {
        bool fire = false;
        bool commissioning = false;
        bool service = false;
        bool extinguishRelease = false;
        bool extinguishFault = false;
    };

    // Never null: the link-alone effects when none are installed.
    static SC_LinkEffects *installed();
    // The effects are not owned; null restores the link-alone ones.
    static void install(SC_LinkEffects *effects);

    virtual ~SC_LinkEffects();

    // The controller's brand as the front end was configured with it.
    virtual int brand() const;

    virtual void setSynchronising(bool synchronising);
    virtual void setCompatible(bool compatible);
    // A new connection: what the previous one left on the panel is reset.
    virtual void connectionInitiated(quint8 controllerType);
    virtual void clearSystemFaultLed();
    // A new engine configuration: the texts requested under the old one are
    // asked for again.
    virtual void resetTextRequests();
    virtual void setPanelName(const QString &name);

    virtual void showPanelStatus(const PanelStatus &status);
    virtual void setFaultActive(bool active);
    // The banner is fire, else fault when the controller reports one or the
    // walk test runs, else normal.
    virtual void showBanner(bool fire, bool fault);
    virtual void walkTestUpdated();
    virtual void linkLost();
    virtual void controllerLost();
    virtual void loggedOff();

    virtual void setPulsePatterns(quint8 first, quint8 second);
    virtual void setOutputPointState(int kind, quint8 point, int state);
    virtual void showPrintResult(int popupKind);
    virtual void startStandbyCountdown(quint16 count, int standby);
};
