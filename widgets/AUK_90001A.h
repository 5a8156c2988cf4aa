#pragma once

#include "link/InvestigateDelayTimer.h"
#include "widgets/AUK_90001.h"
#include "widgets/PageHeaderFeed.h"

#include <array>

class QGraphicsOpacityEffect;
class QLabel;
class SC_Timer;

// The live page frame, from which every screen derives: keeps the header's
// colour in step with the panel, shows and blinks the status icons, counts
// the investigate delay down in the header, and keeps the footer's clock,
// user text, touch and USB indicators. It reads the engine's state through
// the page-header feed, which the start-up fills.
class AUK_90001A : public AUK_90001
{
    Q_OBJECT

public:
    explicit AUK_90001A(QWidget *parent = nullptr);
    ~AUK_90001A() override;

    // Mode 1 fixes the flavour (control screens use YELLOW); mode 0 lets the
    // panel state decide again at the next update. A repeated mode changes
    // nothing.
    void setFixedFlavour(int mode, Flavour flavour);

signals:
    void initComplete();

public slots:
    void postConstruction();
    void updatePageStatus();
    void invDelayStartedTimer();
    void invDelayFinishedTimer();
    void invDelayTimerTick(int mins, int secs, eDlyContext context);
    void updateStatusIcons(int icon, bool state);
    void updateStatusSlowFlashIcons(int icon, bool state);
    void updateStatusFastFlashIcons(int icon, bool state);
    void addStatusIcon(int icon, bool state);
    void setFooterIcon(int icon, bool state);

protected:
    // A derived screen sets it in its constructor: then any panel activity
    // turns the header YELLOW while the link is up.
    bool m_yellowOnPanelActivity = false;

private slots:
    void _1HzTimerHandler();
    void _2HzTimerHandler();

private:
    Flavour decideFlavour() const;
    void destroyStatusIcons();
    void rebuildStatusIcons();
    void blinkStatusIcons(bool phase, PageHeaderFeed::FlashMode mode);

    bool m_fastPhase = false;
    bool m_slowPhase = false;
    int m_fixedFlavourMode = 0;
    SC_Timer *m_slowTimer;
    SC_Timer *m_fastTimer;
    std::array<QLabel *, PageHeaderFeed::StatusIconCount> m_statusIconLabels{};
    std::array<QGraphicsOpacityEffect *, PageHeaderFeed::StatusIconCount> m_statusIconEffects{};
};
