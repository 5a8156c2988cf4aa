#include "app/statusIconsController.h"

#include "app/Security.h"

#include <QDebug>

statusIconsController::statusIconsController()
{
    qRegisterMetaType<StatusIcons>("statusIconsController::StatusIcons");
    qRegisterMetaType<FooterIcons>("statusIconsController::FooterIcons");
    m_flashMode.fill(Steady);
    connect(Security::instance(), &Security::permissionsChanged, this, &statusIconsController::receiveLoginChanges);
}

bool statusIconsController::store(StatusIcons icon, bool on, FlashMode mode)
{
    if (icon < 0 || icon >= StatusIconCount) {
        qWarning() << "statusIconsController::store"
                   << " Bad status icon " << int(icon);
        return false;
    }
    m_on[icon] = on;
    m_flashMode[icon] = mode;
    return true;
}

void statusIconsController::setStatusIcon(StatusIcons icon, bool on)
{
    if (store(icon, on, Steady))
        emit UI_UpdateStatusIcon(icon, on);
}

void statusIconsController::setStatusIconSlowFlash(StatusIcons icon, bool on)
{
    if (store(icon, on, SlowFlash))
        emit UI_UpdateStatusIconSlowFlash(icon, on);
}

void statusIconsController::setStatusIconFastFlash(StatusIcons icon, bool on)
{
    if (store(icon, on, FastFlash))
        emit UI_UpdateStatusIconFastFlash(icon, on);
}

void statusIconsController::setFooterIcon(FooterIcons footer, bool on)
{
    if (footer == ExtinguishReleaseIcon || footer == ExtinguishFaultIcon)
        m_footer[footer] = on;
    emit UI_UpdateFooterIcon(footer, on);
}

bool statusIconsController::isOn(StatusIcons icon) const
{
    return icon >= 0 && icon < StatusIconCount && m_on[icon];
}

statusIconsController::FlashMode statusIconsController::flashMode(StatusIcons icon) const
{
    return icon >= 0 && icon < StatusIconCount ? m_flashMode[icon] : Steady;
}

bool statusIconsController::isFooterOn(FooterIcons footer) const
{
    return (footer == ExtinguishReleaseIcon || footer == ExtinguishFaultIcon) && m_footer[footer];
}

void statusIconsController::receiveLoginChanges(TESKEnumHolder::AccessLevelTESK accessLevel)
{
    const bool someoneIn = accessLevel >= TESKEnumHolder::EN54_KEY_IN && accessLevel <= TESKEnumHolder::EN54_ENGINEER;
    if (someoneIn) {
        setStatusIcon(LoginIcon, true);
        return;
    }
    setStatusIcon(LoginIcon, false);
    setStatusIcon(CommissioningIcon, false);
}
