#pragma once

#include "app/QTESKState.h"

// Someone is using the panel, or it has just become quiet: the inactivity
// timer runs, and every entry restarts it.
class QuiescentTimingState final : public QTESKState
{
    Q_OBJECT

public:
    explicit QuiescentTimingState(SC_Timer *timer, QState *parent = nullptr);

protected:
    void onEntry(QEvent *event) override;
};
