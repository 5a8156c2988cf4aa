#pragma once

#include "core/SounderState.h"
#include "core/TESKEnumHolder.h"
#include "widgets/AUK_90001A.h"

class AUK_90002;
class AUK_90004;
class AUK_90006;
class CustomLinks;
class OutstandingEventsModel;
class SC_Timer;
class WarningsModel;

// The home screen: the panel's counters, the most important outstanding
// event, the standing messages, the menu buttons and the soft keys. The
// reduced form serves the repeater modes, which have no panel link.
class AUK_30002 final : public AUK_90001A
{
    Q_OBJECT

public:
    // The events that settle before the counters and texts are read again.
    static constexpr int SettleMs = 3000;

    AUK_30002(int accessLevel, int userLevel, QWidget *parent = nullptr);
    explicit AUK_30002(QWidget *parent = nullptr);
    ~AUK_30002() override;

public slots:
    void showPanelTest();
    void showLogin();
    void showTasks();
    void showSysStatus();
    void showDayNightMode();
    void showServiceSettings();
    void startfireTest();
    void user2ButtonPressed();
    void showPanelUpdateScreen();
    void resetLoginHandlers();
    void updateLanguage();
    void languagePacketReceived();
    void masterSlaveUpdate();
    void evacuateWithoutLoginChanged();
    void showLogsMenu();
    void showEventsLogMenu();
    void displayRequiredLogMenu();
    void SwapLanguage();
    void languageChanged();
    void ConfirmEvacuation();
    void StartSoundersOnOff();
    void StartAlarmAck();
    void checkLogin();
    void SetInfoCounters();
    void logout();
    void on_eventsSummary_clicked();
    int updateWarningsCounter();
    void soundersUpdated(TC::SounderState state);
    void populateEventsSummaryMessages();
    void setInformationText();
    void isFireTestPointAvble();
    void isUser2PointAvble();
    void compatibilityUpdate(bool flag);
    void updatePanelConnected();
    void setPanelReadyForAuthentication();
    void panelRestarting();

private:
    // Opens the log-on popup; on the network master a log-on then leads on.
    void pushLogOn();
    // Construction shared by both forms.
    void buildForm();
    void connectFullScreen();
    void setUpForAccessLevel(int accessLevel);
    void connectPanelTest();
    void connectRightKey(void (AUK_30002::*slot)());
    void showInputPointButton(AUK_90002 *button, bool available, const QString &name);

    void assignSoftKeys();
    bool assignEvacuateWithoutLoginKey();
    void showLanguageKey(int languageId);
    void updateRightKey();
    void applyLogsButtonRule();
    void addCustomLinks();
    void layoutButtons();
    void retranslateTexts();
    void setCounterLabels();
    void setServiceSettingsFace();
    void showNetMasterMessage();
    void showDisconnectionFault(bool show);
    void setMessage(int row, const char *key);
    void loggedOut();

    static bool isInputPointAvailable(quint8 point, QString *name);
    static bool isRepeaterMode();

    AUK_90002 *m_dayNight = nullptr;
    AUK_90002 *m_logs = nullptr;
    AUK_90002 *m_systemStatus = nullptr;
    AUK_90002 *m_panelTest = nullptr;
    AUK_90004 *m_eventsSummary = nullptr;
    AUK_90006 *m_lozengeBar = nullptr;
    AUK_90002 *m_fireTest = nullptr;
    AUK_90002 *m_user2 = nullptr;
    // The configured shortcut buttons; null when the log-on may not use them.
    CustomLinks *m_links = nullptr;
    QWidget *m_link1 = nullptr;
    QWidget *m_link2 = nullptr;

    int m_userLevel = 0;
    OutstandingEventsModel *m_outstandingModel;
    WarningsModel *m_warningsModel;
    SC_Timer *m_settleTimer;
    // The counters as last written to the log.
    QString m_countersShown;
    bool m_useLogsMenu = false;
    bool m_evacuateKeyTaken = false;
};
