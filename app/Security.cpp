#include "app/Security.h"

#include "app/PageStack.h"
#include "core/SC_Timer.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "pointmodels/model.h"
#include "screens/popups/AUK_40028.h"

#include <QDebug>

namespace {

constexpr int FirstLogonLevel = 2;
constexpr int LastOperatorLevel = 10;
constexpr int EngineerLevel = 14;
// Answers of 0 and 1 are not refusals.
constexpr int LastAcceptingAnswer = 1;

bool isLogon(quint8 userId, int userLevel)
{
    return userId >= Security::FirstUser && userId <= Security::LastUser && userLevel >= FirstLogonLevel;
}

} // namespace

Security::Security(QObject *parent)
    : QObject(parent)
    , m_inactivityTimer(SC_Timer::create(this))
{
    qRegisterMetaType<TESKEnumHolder::AccessLevelTESK>("TESKEnumHolder::AccessLevelTESK");
    qRegisterMetaType<eAckResponse>("eAckResponse");
    connect(m_inactivityTimer, &SC_Timer::timeout, this, &Security::timeLogout);
}

int Security::logoutIntervalFor(int userLevel)
{
    if (userLevel == EngineerLevel) {
        const int configured = TeskGlobalConfig::instance()->getEngineerLogoutTime();
        return configured > 0 ? configured : OperatorLogoutMs;
    }
    return userLevel > LastOperatorLevel ? EngineerLogoutMs : OperatorLogoutMs;
}

bool Security::hasPermission(int level) const
{
    return m_accessLevel >= TESKEnumHolder::EN54_LOGGED_IN && m_userLevel >= level;
}

void Security::permissionsUpdate(quint8 userID, quint8 userLevel)
{
    const TESKEnumHolder::AccessLevelTESK oldLevel = m_accessLevel;
    m_userId = userID;
    m_userLevel = userLevel;

    if (isLogon(userID, userLevel)) {
        m_accessLevel = userLevel > LastOperatorLevel ? TESKEnumHolder::EN54_ENGINEER : TESKEnumHolder::EN54_LOGGED_IN;
        m_inactivityTimer->setInterval(logoutIntervalFor(userLevel));
        m_inactivityTimer->start();
        emit loginNotify();
    } else {
        m_inactivityTimer->stop();
        m_accessLevel = model::instance()->isKeyswitchAccessEnabled() && m_keySwitch
                            ? TESKEnumHolder::EN54_KEY_IN
                            : TESKEnumHolder::EN54_NOT_LOGGED_IN;
        if (oldLevel >= TESKEnumHolder::EN54_LOGGED_IN)
            emit logoutNotify();
        if (userID == NoUser) {
            emit noUserLoggedIn();
            if (m_loginRequestSent) {
                m_loginRequestSent = false;
                showLogonResult(0);
            }
        }
    }

    if (m_accessLevel != oldLevel) {
        emit permissionsChanged(m_accessLevel);
        if (m_loginRequestSent) {
            m_loginRequestSent = false;
            if (userID == NoUser)
                showLogonResult(0);
        }
    }
}

void Security::keyswitchUpdateSlot(bool on)
{
    m_keySwitch = on;
    if (!model::instance()->isKeyswitchAccessEnabled()) {
        emit keyState(on);
        return;
    }
    keySwitchChanged(on);
}

// A key-in or a key-out ends a user's log-on whatever the level was.
void Security::keySwitchChanged(bool on)
{
    m_userId = NoUser;
    m_userLevel = 0;
    if (on) {
        m_accessLevel = TESKEnumHolder::EN54_KEY_IN;
        emit keyIn();
    } else {
        m_accessLevel = TESKEnumHolder::EN54_NOT_LOGGED_IN;
        m_inactivityTimer->stop();
        SyncClient::instance()->logout();
        emit keyOut();
    }
    emit permissionsChanged(m_accessLevel);
}

void Security::updateKeySwitch()
{
    if (m_accessLevel != TESKEnumHolder::EN54_KEY_IN)
        return;
    m_keySwitch = false;
    if (model::instance()->isKeyswitchAccessEnabled())
        keySwitchChanged(false);
    else
        emit keyState(false);
}

void Security::kickTimeoutClock()
{
    if (m_inactivityTimer->isActive())
        m_inactivityTimer->start();
}

void Security::setLoginRequestSent()
{
    m_loginRequestSent = true;
}

void Security::timeLogout()
{
    permissionsUpdate(NoUser, 0);
    SyncClient::instance()->logout();
}

void Security::updatePermission(bool isConnected)
{
    if (!isConnected)
        permissionsUpdate(NoUser, 0);
}

void Security::blockTimeLogout(bool block)
{
    if (block) {
        m_inactivityTimer->stop();
        emit tempLogoutBlock();
        return;
    }
    permissionsUpdate(m_userId, quint8(m_userLevel));
    emit tempLogoutRestart();
}

void Security::ackResponseReceived(eAckResponse status)
{
    logonResult(status);
}

void Security::handleLoginResult(eAckResponse ackStatus)
{
    logonResult(ackStatus);
}

void Security::handleLoginResult()
{
    logonResult(ACK_ACCEPTED);
}

void Security::logonResult(int code)
{
    if (!m_loginRequestSent)
        return;
    m_loginRequestSent = false;
    if (code > LastAcceptingAnswer)
        showLogonResult(code);
    else if (m_userId == NoUser)
        showLogonResult(0);
}

// Logged too, never with what the user typed.
void Security::showLogonResult(int code)
{
    qDebug().nospace() << "Security::showLogonResult"
                       << " log-on not accepted, result " << code;
    PageStack::instance()->push(new AUK_40028(true, code, nullptr));
}
