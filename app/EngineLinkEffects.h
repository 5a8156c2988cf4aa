#pragma once

#include "link/SC_LinkEffects.h"

// The link's effects on the running engine: the front panel, the system
// state, the status icons, the panel model and the screens. The start-up
// installs one for the engine's lifetime.
class EngineLinkEffects final : public SC_LinkEffects
{
public:
    int brand() const override;

    void setSynchronising(bool synchronising) override;
    void setCompatible(bool compatible) override;
    void connectionInitiated(quint8 controllerType) override;
    void clearSystemFaultLed() override;
    void resetTextRequests() override;
    void setPanelName(const QString &name) override;

    void showPanelStatus(const PanelStatus &status) override;
    void setFaultActive(bool active) override;
    void showBanner(bool fire, bool fault) override;
    void walkTestUpdated() override;
    void linkLost() override;
    void controllerLost() override;
    void loggedOff() override;

    void setPulsePatterns(quint8 first, quint8 second) override;
    void setOutputPointState(int kind, quint8 point, int state) override;
    void showPrintResult(int popupKind) override;
    void startStandbyCountdown(quint16 count, int standby) override;
};
