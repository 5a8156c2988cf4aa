#pragma once

#include "core/SC_Singleton.h"
#include "core/TESKEnumHolder.h"

#include <QObject>

#include <array>

// The state of the page header's status icons and of the two footer icons,
// which the link client, the system state and the log-on state set; every
// page frame follows its signals, and a frame built later reads the stored
// states.
class statusIconsController final
    : public QObject
    , public SC_Singleton<statusIconsController>
{
    Q_OBJECT

public:
    enum StatusIcons : int {
        LoginIcon = 0,
        ServiceIcon = 1,
        CommissioningIcon = 2,
        EvacuateIcon = 3,
        WalkTestIcon = 4,
        ServiceResetIcon = 5,
        DeactivatedIcon = 6,
        BusyIcon = 7,
        IncompatibleIcon = 8,
        StatusIconCount = 9
    };
    Q_ENUM(StatusIcons)

    enum FooterIcons : int { ExtinguishReleaseIcon = 0, ExtinguishFaultIcon = 1, FooterIconCount = 2 };
    Q_ENUM(FooterIcons)

    enum FlashMode { Steady = 0, SlowFlash = 1, FastFlash = 2 };

    void setStatusIcon(StatusIcons icon, bool on);
    void setStatusIconSlowFlash(StatusIcons icon, bool on);
    void setStatusIconFastFlash(StatusIcons icon, bool on);
    void setFooterIcon(FooterIcons footer, bool on);

    bool isOn(StatusIcons icon) const;
    FlashMode flashMode(StatusIcons icon) const;
    bool isFooterOn(FooterIcons footer) const;

public slots:
    void receiveLoginChanges(TESKEnumHolder::AccessLevelTESK accessLevel);

signals:
    void UI_UpdateStatusIcon(statusIconsController::StatusIcons icon, bool on);
    void UI_UpdateStatusIconSlowFlash(statusIconsController::StatusIcons icon, bool on);
    void UI_UpdateStatusIconFastFlash(statusIconsController::StatusIcons icon, bool on);
    void UI_UpdateFooterIcon(statusIconsController::FooterIcons footer, bool on);
    void UI_Update();

private:
    friend class SC_Singleton<statusIconsController>;

    statusIconsController();

    // False (with a warning) for a number outside the icons.
    bool store(StatusIcons icon, bool on, FlashMode mode);

    std::array<bool, StatusIconCount> m_on{};
    std::array<FlashMode, StatusIconCount> m_flashMode{};
    std::array<bool, FooterIconCount> m_footer{};
};
