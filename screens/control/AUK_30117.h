#pragma once

#include "widgets/AUK_90001A.h"

class AUK_90002;

// The logs menu: the event log, the point log and, with a controller that
// offers them, the advanced statistics.
class AUK_30117 final : public AUK_90001A
{
    Q_OBJECT

public:
    // The controller's feature level that brings the advanced statistics.
    static constexpr int AdvancedStatsLevel = 7;

    explicit AUK_30117(int userLevel, QWidget *parent = nullptr);
    ~AUK_30117() override;

    // What the event-log entry opens, here and on the home screen: the
    // event-log menu, or in the reduced start the event log itself over
    // every panel.
    static Page *eventLogScreen(int userLevel, QWidget *parent);

public slots:
    void showEventsLogMenu();
    void showPointsLog();
    void showAdvancedStatsMenu();

private:
    int m_userLevel;
    AUK_90002 *m_eventsLogButton;
    AUK_90002 *m_pointsLogButton;
    AUK_90002 *m_advancedStatsButton;
};
