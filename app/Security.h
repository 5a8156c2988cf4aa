#pragma once

#include "core/SC_Singleton.h"
#include "core/TESKEnumHolder.h"
#include "link/AckResponse.h"

#include <QObject>

class SC_Timer;

// Who may operate the panel. The controller decides log-ons and reports the
// logged-on user and level; this turns that, the access key switch and the
// link state into the access level the screens obey, and logs the user out
// after a quiet spell whose length depends on the user's level.
class Security final
    : public QObject
    , public SC_Singleton<Security>
{
    Q_OBJECT

public:
    static constexpr quint8 NoUser = 255;
    static constexpr quint8 FirstUser = 1;
    static constexpr quint8 LastUser = 99;
    static constexpr int OperatorLogoutMs = 120000;
    static constexpr int EngineerLogoutMs = 900000;

    explicit Security(QObject *parent = nullptr);

    quint8 userId() const { return m_userId; }
    int userLevel() const { return m_userLevel; }
    TESKEnumHolder::AccessLevelTESK accessLevel() const { return m_accessLevel; }
    bool isKeySwitchOn() const { return m_keySwitch; }
    bool isLoginRequestSent() const { return m_loginRequestSent; }

    // The start-up sets its interval.
    SC_Timer &inactivityTimer() { return *m_inactivityTimer; }

    bool hasPermission(int level) const;
    // Keeps the user logged on through a long task; false re-applies the
    // user's log-on and so restarts the inactivity clock.
    void blockTimeLogout(bool block);

    // The inactivity time of a logged-on user level.
    static int logoutIntervalFor(int userLevel);

public slots:
    void permissionsUpdate(quint8 userID, quint8 userLevel);
    void keyswitchUpdateSlot(bool on);
    void kickTimeoutClock();
    void ackResponseReceived(eAckResponse status);
    void setLoginRequestSent();
    void timeLogout();
    void updatePermission(bool isConnected);
    void updateKeySwitch();
    void handleLoginResult(eAckResponse ackStatus);
    void handleLoginResult();

signals:
    void logoutNotify();
    void permissionsChanged(TESKEnumHolder::AccessLevelTESK accessLevel);
    void loginNotify();
    void keyIn();
    void keyOut();
    void noUserLoggedIn();
    void tempLogoutRestart();
    void tempLogoutBlock();
    void keyState(bool on);
    void acknowledgementStatus(eAckResponse status);

private:
    void keySwitchChanged(bool on);
    void logonResult(int code);
    void showLogonResult(int code);

    quint8 m_userId = NoUser;
    int m_userLevel = 0;
    TESKEnumHolder::AccessLevelTESK m_accessLevel = TESKEnumHolder::EN54_NOT_LOGGED_IN;
    SC_Timer *m_inactivityTimer;
    bool m_keySwitch = false;
    bool m_loginRequestSent = false;
};
