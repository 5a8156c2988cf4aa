#pragma once

#include "core/BannerStatus.h"
#include "core/TCTypes.h"
#include "frontpanel/BacklightState.h"
#include "frontpanel/VemoBacklightInterface.h"

#include <QObject>
#include <QString>

class SC_Timer;

// Dims the screen in steps while nobody uses the panel, and brings it back
// on user activity, a fire, a fault or a change of the panel's counters. Two
// chains of three steps: normal (99, 75, 35) and power saving (75, 35, off),
// chosen by the panel's power-saving flag. After a fire (an hour) or a fault
// or counter change (five minutes) the screen is held bright: the normal
// chain stays at full level, the power-saving one stays on.
class BacklightController final : public QObject
{
    Q_OBJECT

public:
    static constexpr int ShortMs = 60000;
    static constexpr int LongMs = 180000;
    static constexpr int FireHoldMs = 3600000;
    static constexpr int FaultHoldMs = 300000;
    static constexpr int CountsHoldMs = 300000;
    // The system totals, the only counts that matter here.
    static constexpr TC::panel_t SystemPanel = 254;

    BacklightController();

public slots:
    void countsUpdated(TC::panel_t panel, uint changes);
    void fireSlot();
    void faultSlot();
    void countsOrMessagesSlot();
    void shortTimeoutSlot();
    void longTimeoutSlot();
    void powerChangeSlot();
    void bucketUpdated(uint bucketId, QString key, QString value);
    void userActivateSlot();
    void updateBannerStatus(TC::BANNER_STATUS status);

private:
    void setTransitions();
    void stateChangeHelper(BacklightState *next, const char *caller);
    void startTimers(const BacklightState &state);
    bool isHoldActive() const;
    // Runs the slot when a latched count rose to a new alarm, or when the
    // latch was clear and the count is not 0.
    void countChanged(int count, int &lastCount, bool &latch, void (BacklightController::*slot)());

    BacklightState *m_current = nullptr;
    BacklightState m_n1{99, BacklightState::ShortTimer};
    BacklightState m_n2{75, BacklightState::LongTimer};
    BacklightState m_n3{35, BacklightState::NoTimer};
    BacklightState m_s1{75, BacklightState::ShortTimer};
    BacklightState m_s2{35, BacklightState::LongTimer};
    BacklightState m_s3{0, BacklightState::NoTimer};
    VemoBacklightInterface m_backlight;
    int m_powerSaving = 0;
    bool m_fireLatch = false;
    bool m_faultLatch = false;
    int m_lastFireCount = 0;
    int m_lastFaultCount = 0;
    // A hold lasts while its single-shot timer runs; made before the two
    // dimming timers, so a hold that ends as they expire has ended.
    SC_Timer *m_fireHold;
    SC_Timer *m_faultHold;
    SC_Timer *m_countsHold;
    SC_Timer *m_shortTimer;
    SC_Timer *m_longTimer;
};
