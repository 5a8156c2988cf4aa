#pragma once

#include "core/SounderState.h"
#include "eventlog/FireZoneMarks.h"
#include "link/InvestigateDelayTimer.h"
#include "widgets/AUK_90001A.h"

#include <QSqlQuery>

class AUK_90006;
class AUK_90025;
class AUK_90026;
class AUK_90050;
class SC_Timer;
struct RbusEvent;

// The fire-alarm screen: the first fire, the second or last fire, the number
// of fires or zones in fire, the delay countdown and the sounders text. Its
// fires come from the event log, or from the front-panel bus in the repeater
// modes and on E30.
class AUK_30086 final : public AUK_90001A
{
    Q_OBJECT

public:
    static constexpr int RefreshSettleMs = 3000;

    AUK_30086(int accessLevel, bool e30Mode, QWidget *parent = nullptr);
    ~AUK_30086() override;

    quint16 fireCount() const { return m_fireCount; }

public slots:
    void showMainMenu();
    void showLoginHelp();
    void showLogin();
    void logout();
    void startInvestigateDelay();
    void investigateDelayConfirmed();
    void cancelPopup();
    void confirmEvacuation();
    void startSoundersOnOff();
    void firstFire();
    void lastFire();
    void zonesInFire();
    void alarmDelayTick(int minutes, int seconds, eDlyContext context);
    void investigateDelayFinished();
    void checkLogin();
    void updateFireButtonsLabel();
    void soundersTextUpdated();
    void soundersTextUpdated(TC::SounderState state);

private:
    void buildForm();
    void openFires(int initialCard, quint8 zone, quint8 node);
    void openZoneOf(int initialCard, const EventLog::FireZoneMarks::Mark &mark, const RbusEvent &busFire,
                    bool busZoneKnown);
    void setUpSoftKeys(int accessLevel);
    bool usesEventLog() const;
    void refreshFromEventLog();
    void refreshFromBus();
    bool buildWrappedTable(quint16 lower, quint16 upper);
    // The earliest fire of the zone in the range, or false.
    bool showZoneFire(AUK_90025 *button, quint8 zone, quint8 node, bool wrapped, quint16 lower, quint16 upper);
    // Runs the statement and shows its last row (first row when firstOnly).
    bool showRow(AUK_90025 *button, const QString &statement, bool firstOnly);
    void showSounderText(const char *key);
    QString countText() const;

    AUK_90006 *m_lozengeBar = nullptr;
    AUK_90025 *m_firstFire = nullptr;
    AUK_90025 *m_lastFire = nullptr;
    AUK_90026 *m_zonesInFire = nullptr;
    AUK_90050 *m_delayPanel = nullptr;

    quint16 m_fireCount = 0;
    QSqlQuery m_firesQuery;
    SC_Timer *m_refreshDelay;
    bool m_e30Mode;
};
